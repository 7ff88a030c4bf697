#include "machine/progressive.h"

#include <climits>
#include <cmath>

#include "machine/denomination.h"
#include "player/money.h"
#include "shell/mtrand.h"
#include "shell/display.h"
#include "shell/waiting.h"

std::vector<ProgressiveMeter> progressiveMeters;

namespace {

// Per meter, from 0.05 up to 1000: the badge picture that selects it and the
// start amount in dollars (base plus a random part below span).
struct MeterSeed {
    const char* picture;
    unsigned base;
    unsigned span;
};
const MeterSeed kSeeds[] = {
    {"5_cent.png", 130, 20},     {"10_cent.png", 300, 50},    {"25_cent.png", 750, 750},
    {"50_cent.png", 2000, 500},  {"1.png", 2800, 1400},       {"5.png", 13000, 3000},
    {"25.png", 75000, 35000},    {"100.png", 300000, 100000}, {"500.png", 2000000, 200000},
    {"1000.png", 18000000, 1000000},
};
constexpr int kMeterCount = sizeof(kSeeds) / sizeof(kSeeds[0]);

// The growth timer: not started until the first call after start-up.
bool growthStarted = false;
Uint32 lastGrowth = 0;

}  // namespace

ProgressiveMeter::ProgressiveMeter(double value, double increment) : value(value), increment(increment) {}

void seedProgressiveMeters() {
    progressiveMeters.clear();
    for (const MeterSeed& seed : kSeeds) progressiveMeters.emplace_back(seed.base + genrand() % seed.span, 1.0);
}

void growProgressiveMeters() { growProgressiveMetersAt(mediaTicks()); }

void growProgressiveMetersAt(Uint32 now) {
    if (!growthStarted) {
        growthStarted = true;
        lastGrowth = now;
        wakeBy(now + 1000);
        return;
    }
    if (now - lastGrowth <= 999) {
        wakeBy(lastGrowth + 1000);
        return;
    }
    lastGrowth = now;
    wakeBy(now + 1000);
    for (ProgressiveMeter& meter : progressiveMeters) meter.value += meter.increment;
}

void clearProgressiveMeters() {
    progressiveMeters.clear();
    growthStarted = false;
    lastGrowth = 0;
}

int progressiveIndex(const Denomination* denomination) {
    if (!denomination) return -1;
    for (int i = 0; i < kMeterCount; ++i)
        if (denomination->picture == kSeeds[i].picture) return i;
    return -1;
}

double progressiveValue(const Denomination* denomination) {
    int index = progressiveIndex(denomination);
    if (index < 0 || index >= static_cast<int>(progressiveMeters.size())) return 0.0;
    return progressiveMeters[static_cast<size_t>(index)].value;
}

int progressiveCoins(const Denomination* denomination) {
    double dollars = progressiveValue(denomination);
    long long coinCents = denomination ? denomination->cents() : 0;
    if (dollars <= 0.0 || coinCents <= 0) return 0;
    // Whole cents on both sides: $100 at 0.05 is 10000 / 5 = 2000 coins,
    // where the float quotient would truncate to 1999.
    if (dollars >= static_cast<double>(INT_MAX) * static_cast<double>(coinCents) / 100.0) return INT_MAX;
    long long coins = Money::dollars(dollars).inCents() / coinCents;
    return coins > INT_MAX ? INT_MAX : static_cast<int>(coins);
}
