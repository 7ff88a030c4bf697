#include "player/money.h"

#include <cmath>

Money Money::dollars(double dollars) {
    if (!std::isfinite(dollars)) return Money();
    return Money(std::llround(dollars * 100.0));
}
