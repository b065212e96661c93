#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>
#include <random>

namespace soak {

// The random choices of a careless user, reproducible from one seed.
class CarelessUser {
public:
    explicit CarelessUser(std::uint64_t seed);

    // A text such a user leaves in a box: nothing, blanks, numbers in every
    // form the boxes read and many they do not, numbers far beyond any range,
    // a megabyte of digits, control characters, other scripts, and what
    // invalid bytes become in a QString.
    QString Text();

    // A whole number in [0, count).
    std::size_t Pick(std::size_t count);
    // True with the given chance in percent.
    bool Chance(int percent);

private:
    QString NumberLike();
    QString Soup();

    std::mt19937_64 engine_;
};

}  // namespace soak
