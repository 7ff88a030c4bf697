#include "player/money.h"

#include <cmath>

Money Money::dollars(double dollars) {
    // Far beyond any amount the game holds (10^12), and far inside what
    // whole cents can count: sums and products of amounts cannot overflow.
    const double limit = 1e15;
    if (!std::isfinite(dollars)) return Money();
    if (dollars > limit) dollars = limit;
    if (dollars < -limit) dollars = -limit;
    return Money(std::llround(dollars * 100.0));
}
