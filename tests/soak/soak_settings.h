#pragma once

#include <cstdint>

namespace soak {

// How long and how hard the soak runs. The defaults keep it short enough for
// every ordinary test run; SOAK_SEED, SOAK_ACTIONS, SOAK_SECONDS and
// SOAK_CYCLES in the environment replay a seed or run it longer.
struct Settings {
    std::uint64_t seed = 20240611;
    long long actions = 20000;   // careless actions on the two windows
    long long seconds = 15;      // wall-clock bound of those actions
    long long pageCycles = 1000; // reference page open-and-close cycles
};

Settings SettingsFromEnvironment();

// Whether this build runs under AddressSanitizer, whose quarantine holds
// freed memory back and makes resident memory say nothing about leaks.
constexpr bool kUnderAddressSanitizer =
#if defined(__SANITIZE_ADDRESS__)
    true;
#elif defined(__has_feature)
#  if __has_feature(address_sanitizer)
    true;
#  else
    false;
#  endif
#else
    false;
#endif

}  // namespace soak
