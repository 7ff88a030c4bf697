#include "machines/video/magic.h"

#include "machines/video/bonus_prize.h"

#include "shell/sound.h"

namespace {

const std::vector<std::pair<const char*, int>> symbolTable = {
    {"magic", 1},    {"queens", 1}, {"kings", 1},  {"aces", 1},  {"dove", 1},
    {"flowers", 20}, {"stars", 30}, {"rabbit", 40}, {"hanky", 20},
};

const std::vector<std::string> reelPictures = {
    "aces_dove_queens",     "aces_hanky_dove",      "aces_stars_queens",  "dove_kings_magic",
    "dove_queens_stars",    "dove_rabbit_magic",    "flowers_aces_dove",  "flowers_aces_stars",
    "flowers_dove_rabbit",  "hanky_dove_kings",     "hanky_flowers_aces", "hanky_kings_magic",
    "kings_flowers_dove",   "kings_magic_flowers",  "kings_magic_stars",  "magic_aces_hanky",
    "magic_flowers_aces",   "magic_stars_rabbit",   "queens_hanky_flowers", "queens_kings_flowers",
    "queens_stars_rabbit",  "rabbit_hanky_kings",   "rabbit_magic_aces",  "rabbit_queens_hanky",
    "stars_queens_kings",   "stars_rabbit_hanky",   "stars_rabbit_queens",
};

// Pays per coin for two to five of a kind from the left; the rabbit stands
// in on the flowers and stars rows and doubles the pay.
const std::vector<OfAKindRow> payTable = {
    //                        one two three four  five
    {{"magic"},             {0,  2,  5,    15,   75}},
    {{"queens"},            {0,  5,  10,   25,   100}},
    {{"kings"},             {0,  0,  10,   50,   150}},
    {{"aces"},              {0,  0,  15,   60,   200}},
    {{"dove"},              {0,  0,  25,   150,  275}},
    {{"flowers", "rabbit"}, {0,  0,  50,   200,  500}},
    {{"stars", "rabbit"},   {0,  0,  60,   500,  2500}},
    {{"rabbit"},            {0,  0,  75,   1000, 5000}},
};

const std::vector<VideoPayline> paylineTable = {
    {1, {1, 1, 1, 1, 1}, 110, 167}, {2, {0, 0, 0, 0, 0}, 105, 110}, {3, {2, 2, 2, 2, 2}, 105, 220},
    {4, {0, 1, 2, 1, 0}, 104, 59},  {5, {2, 1, 0, 1, 2}, 104, 280},
};

// Bonus stakes for 3, 4 and 5 hanky reels: times the coins per line, or
// fixed credits at the largest bet.
const int stakeTimesCoins[6] = {0, 0, 0, 15, 35, 60};
const int stakeAtMaxBet[6] = {0, 0, 0, 200, 600, 1500};

const std::vector<std::pair<const char*, const char*>> lineSounds = {
    {"stars", "gliss.wav"}, {"flowers", "boing.wav"}, {"aces", "magicfx1.wav"},
    {"kings", "magicfx2.wav"}, {"rabbit", "magicjak.wav"},
};

const VideoSlotTables machineTables = {&symbolTable, &reelPictures, &payTable, &paylineTable,
    {590, 42, 643, 377, 195, 42, 421, 42}, "rabbit", &lineSounds, nullptr};

void playSound(const char* file) {
    if (soundPlayer) soundPlayer->play(file, false);
}

}  // namespace

Magic::Magic(float denomination) : VideoSlotMachine(machineTables), bonusStake(0), bonusTriggered(false) {
    configure(denomination);
    playSound("magicint.wav");
}

Magic::~Magic() {}

void Magic::configure(float value) {
    bonusStake = 0;
    configureAs("magic", value, 9);
    bonusTriggered = false;
}

int Magic::hankyCount(const std::vector<ReelGraphic*>& chosen) { return reelsInARow(chosen, "hanky"); }

void Magic::afterEvaluate(const std::vector<ReelGraphic*>& chosen) {
    const int count = hankyCount(chosen);
    if (count >= 3) bonusTriggered = true;
    if (atLargestBet())
        bonusStake = stakeAtMaxBet[count];
    else
        bonusStake = coins * stakeTimesCoins[count];
}

long long Magic::playBonus() { return bonusTriggered ? static_cast<long long>(runHatBonus()) * bonusStake : 0; }

void Magic::clearBonus() {
    bonusTriggered = false;
    bonusStake = 0;
    drawnPrize = -1;
}

void Magic::drawBonus() { drawnPrize = bonusTriggered ? drawBonusMultiplier() : -1; }

long long Magic::drawnBonusWin() const {
    if (drawnPrize < 0) return 0;
    return static_cast<long long>(buildBonusPrizes()[static_cast<size_t>(drawnPrize)].multiplier) * bonusStake;
}

int Magic::takeBonusPrize() {
    const int prize = drawnPrize >= 0 ? drawnPrize : drawBonusMultiplier();
    drawnPrize = -1;
    return prize;
}
