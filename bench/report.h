#pragma once

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <vector>

// Samples to median and spread, and the rows bench/run turns into its table:
//   FIGURE <tab> name <tab> unit <tab> median <tab> q1 <tab> q3 <tab> min <tab> max <tab> n
//   RATIO  <tab> name <tab> value <tab> target <tab> PASS|FAIL   (value must be <= target)
//   DIFF   <tab> name <tab> value MiB <tab> target MiB <tab> PASS|FAIL
namespace bench {

struct Summary {
    double median = 0;
    double q1 = 0;
    double q3 = 0;
    double min = 0;
    double max = 0;
    std::size_t n = 0;
};

// Quantile by linear interpolation between the order statistics.
inline double Quantile(const std::vector<double>& sorted, double q) {
    if (sorted.empty()) return 0;
    const double position = q * static_cast<double>(sorted.size() - 1);
    const auto below = static_cast<std::size_t>(position);
    const std::size_t above = std::min(below + 1, sorted.size() - 1);
    const double weight = position - static_cast<double>(below);
    return sorted[below] * (1 - weight) + sorted[above] * weight;
}

inline Summary Summarise(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    Summary s;
    if (samples.empty()) return s;
    s.median = Quantile(samples, 0.5);
    s.q1 = Quantile(samples, 0.25);
    s.q3 = Quantile(samples, 0.75);
    s.min = samples.front();
    s.max = samples.back();
    s.n = samples.size();
    return s;
}

inline void PrintFigure(std::string_view name, std::string_view unit, const Summary& s) {
    std::printf("FIGURE\t%.*s\t%.*s\t%.4g\t%.4g\t%.4g\t%.4g\t%.4g\t%zu\n", static_cast<int>(name.size()),
                name.data(), static_cast<int>(unit.size()), unit.data(), s.median, s.q1, s.q3, s.min, s.max,
                s.n);
    std::fflush(stdout);
}

inline bool PrintRatio(std::string_view name, double value, double target) {
    const bool pass = value <= target;
    std::printf("RATIO\t%.*s\t%.3f\t%.2f\t%s\n", static_cast<int>(name.size()), name.data(), value, target,
                pass ? "PASS" : "FAIL");
    std::fflush(stdout);
    return pass;
}

inline bool PrintDifference(std::string_view name, double mib, double targetMib) {
    const bool pass = mib <= targetMib;
    std::printf("DIFF\t%.*s\t%+.2f\t%.1f\t%s\n", static_cast<int>(name.size()), name.data(), mib, targetMib,
                pass ? "PASS" : "FAIL");
    std::fflush(stdout);
    return pass;
}

}  // namespace bench
