// MT19937: period 2^19937-1, 624 words of state, tempered output.
#include "shell/mtrand.h"

#include <cstdlib>

namespace {

constexpr int N = 624;
constexpr int M = 397;
constexpr uint32_t matrixA = 0x9908b0dfu;
constexpr uint32_t upperMask = 0x80000000u;
constexpr uint32_t lowerMask = 0x7fffffffu;

struct Twister {
    uint32_t state[N];
    int index = N + 1;  // N + 1: not seeded yet
    uint32_t defaultSeed;

    explicit Twister(uint32_t unseeded) : state(), defaultSeed(unseeded) {}

    void seed(uint32_t value) {
        state[0] = value;
        for (int i = 1; i < N; ++i) {
            state[i] = 1812433253u * (state[i - 1] ^ (state[i - 1] >> 30)) + static_cast<uint32_t>(i);
        }
        index = N;
    }

    void twist() {
        static const uint32_t mag01[2] = {0u, matrixA};
        int k = 0;
        for (; k < N - M; ++k) {
            uint32_t y = (state[k] & upperMask) | (state[k + 1] & lowerMask);
            state[k] = state[k + M] ^ (y >> 1) ^ mag01[y & 1u];
        }
        for (; k < N - 1; ++k) {
            uint32_t y = (state[k] & upperMask) | (state[k + 1] & lowerMask);
            state[k] = state[k + (M - N)] ^ (y >> 1) ^ mag01[y & 1u];
        }
        uint32_t y = (state[N - 1] & upperMask) | (state[0] & lowerMask);
        state[N - 1] = state[M - 1] ^ (y >> 1) ^ mag01[y & 1u];
        index = 0;
    }

    uint32_t next() {
        if (index >= N) {
            if (index == N + 1) seed(defaultSeed);
            twist();
        }
        uint32_t y = state[index++];
        y ^= (y >> 11);
        y ^= (y << 7) & 0x9d2c5680u;
        y ^= (y << 15) & 0xefc60000u;
        y ^= (y >> 18);
        return y;
    }
};

Twister outcomes(5489u);

}  // namespace

uint32_t developmentSeed = 0;

void openingDraws() {
    if (developmentSeed != 0) seedGenerators(developmentSeed);
}

void sgenrand(uint32_t seed) { outcomes.seed(seed); }

void seedGenerators(uint32_t seed) {
    sgenrand(seed);
    srand(seed);
}

uint32_t genrand() { return outcomes.next(); }

