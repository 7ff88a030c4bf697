// Small helpers used all over the game: numbers as text and the random
// source for shuffles.
#pragma once

#include <cstdint>
#include <iterator>
#include <string>
#include <utility>

// Plain signed decimal: -5 gives "-5".
std::string intToString(int value);
std::string longToString(long value);

// A stream's default format: six significant digits, trailing zeros dropped,
// exponent form below 1e-4 and from 1e6 on (2500.0 -> "2500", 0.25 -> "0.25",
// 1000000.0 -> "1e+06"). floatToString widens to double first.
std::string floatToString(float value);
std::string doubleToString(double value);

// genrand() % n; n must be at least 1.
uint32_t randomBelow(uint32_t n);

// Shuffles [first, last): for each place i from the second on, in turn, the
// element there swaps with the one at choose(i + 1), a choice among the
// places up to i.
template <class RandomIt, class Choose>
void shuffleRange(RandomIt first, RandomIt last, Choose&& choose) {
    auto n = std::distance(first, last);
    for (decltype(n) i = 1; i < n; ++i) {
        auto j = static_cast<decltype(n)>(choose(static_cast<uint32_t>(i + 1)));
        using std::swap;
        if (j != i) swap(first[i], first[j]);
    }
}

// Shuffles [first, last) drawing every choice with randomBelow, so a seeded
// generator replays the same order. Use this wherever the game shuffles.
template <class RandomIt>
void shuffleRange(RandomIt first, RandomIt last) {
    shuffleRange(first, last, randomBelow);
}
