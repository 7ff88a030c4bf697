#include "shell/util.h"

#include <sstream>

#include "shell/mtrand.h"

std::string intToString(int value) {
    std::stringstream out;
    out << value;
    return out.str();
}

std::string longToString(long value) {
    std::stringstream out;
    out << value;
    return out.str();
}

std::string floatToString(float value) {
    return doubleToString(static_cast<double>(value));
}

std::string doubleToString(double value) {
    std::stringstream out;
    out << value;
    return out.str();
}

uint32_t randomBelow(uint32_t n) {
    if (n == 0) return 0;   // callers pass at least 1; never divide by zero
    return genrand() % n;
}
