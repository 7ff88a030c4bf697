#include "machines/video/balloon_blitz.h"

#include "shell/sound.h"

namespace {

const std::vector<std::pair<const char*, int>> symbolTable = {
    {"box", 1},       {"2box", 2}, {"3box", 3},    {"dart", 5},     {"clown", 10},
    {"register", 23}, {"car", 30}, {"target", 50}, {"bullseye", 7},
};

const std::vector<std::string> reelPictures = {
    "2box_target_dart",    "2box_dart_box",      "3box_target_car",      "3box_car_target",   "box_clown_3box",
    "box_register_clown",  "target_2box_dart",   "target_car_2box",      "target_dart_box",   "car_2box_target",
    "car_target_2box",     "clown_3box_target",  "clown_3box_car",       "dart_box_clown",    "dart_box_register",
    "register_clown_3box", "box_bullseye_3box",  "bullseye_car_2box",    "bullseye_clown_3box",
    "clown_3box_bullseye", "dart_bullseye_register",
};

// Pays per coin for two to five of a kind from the left; a target stands
// in for the register and the car, and doubles any line it is part of.
const std::vector<OfAKindRow> payTable = {
    //                          one two three four  five
    {{"box"},                 {0,  2,  5,    15,   75}},
    {{"2box"},                {0,  5,  10,   25,   100}},
    {{"3box"},                {0,  5,  10,   50,   150}},
    {{"dart"},                {0,  0,  15,   60,   200}},
    {{"clown"},               {0,  0,  25,   150,  275}},
    {{"register", "target"},  {0,  0,  50,   100,  500}},
    {{"car", "target"},       {0,  0,  60,   500,  2500}},
    {{"target"},              {0,  0,  75,   1000, 5000}},
};

const std::vector<VideoPayline> paylineTable = {
    {1, {1, 1, 1, 1, 1}, 105, 161}, {2, {0, 0, 0, 0, 0}, 102, 95}, {3, {2, 2, 2, 2, 2}, 103, 228},
    {4, {0, 1, 2, 1, 0}, 103, 49},  {5, {2, 1, 0, 1, 2}, 101, 284},
};

// Scatter for 3, 4 and 5 bullseye reels: times the coins per line, or fixed
// credits at the largest bet.
const int scatterTimesCoins[6] = {0, 0, 0, 15, 35, 60};
const int scatterAtMaxBet[6] = {0, 0, 0, 200, 600, 1500};

const std::vector<std::pair<const char*, const char*>> lineSounds = {
    {"register", "cashopen.wav"}, {"target", "circus.wav"}, {"car", "circintr.wav"},
};

const VideoSlotTables machineTables = {&symbolTable, &reelPictures, &payTable, &paylineTable,
    {589, 41, 155, 399, 194, 41, 417, 41}, "target", &lineSounds, nullptr};

void playSound(const char* file) {
    if (soundPlayer) soundPlayer->play(file, false);
}

}  // namespace

BalloonBlitz::BalloonBlitz(float denomination) : VideoSlotMachine(machineTables), bonusPending(false) {
    configure(denomination);
    playSound("circintr.wav");
}

BalloonBlitz::~BalloonBlitz() {}

void BalloonBlitz::configure(float value) {
    configureAs("balloonblitz", value, 9);
    bonusPending = false;
}

int BalloonBlitz::bullseyeCount(const std::vector<ReelGraphic*>& chosen) { return reelsInARow(chosen, "bullseye"); }

void BalloonBlitz::afterEvaluate(const std::vector<ReelGraphic*>& chosen) {
    const int count = bullseyeCount(chosen);
    if (count >= 3) bonusPending = true;
    addToWin(atLargestBet() ? scatterAtMaxBet[count] : coins * scatterTimesCoins[count]);
}

long long BalloonBlitz::playBonus() { return bonusPending ? runBalloonBonus() : 0; }

void BalloonBlitz::clearBonus() {
    bonusPending = false;
    drawnValues.clear();
}

void BalloonBlitz::drawBonus() {
    drawnValues.clear();
    if (bonusPending) drawnValues = drawBalloonValues();
}

long long BalloonBlitz::drawnBonusWin() const {
    return drawnValues.empty() ? 0 : restInOrder(drawnValues, std::vector<bool>(drawnValues.size(), false));
}

long long BalloonBlitz::restInOrder(const std::vector<int>& values, const std::vector<bool>& popped) {
    long long total = 0;
    for (size_t i = 0; i < values.size(); ++i) {
        if (i < popped.size() && popped[i]) continue;
        if (values[i] == 0) break;  // a bust ends the game
        total += values[i];
    }
    return total;
}
