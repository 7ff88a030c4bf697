#include "machines/video/deep_sea.h"

#include "machines/video/bonus_prize.h"

#include "shell/sound.h"

namespace {

const std::vector<std::pair<const char*, int>> symbolTable = {
    {"shell", 1},    {"star", 1},   {"crab", 1},    {"lobster", 1},   {"fish", 150},
    {"mermaid", 100}, {"shark", 300}, {"marlin", 50}, {"swordfish", 300},
};

const std::vector<std::string> reelPictures = {
    "crab_fish_mermaid",      "crab_marlin_star",       "crab_shell_marlin",         "fish_crab_shell",
    "fish_marlin_shark",      "fish_mermaid_crab",      "lobster_shark_shell",       "lobster_star_shell",
    "lobster_swordfish_mermaid", "marlin_shark_lobster", "marlin_star_lobster",      "marlin_swordfish_fish",
    "mermaid_crab_marlin",    "mermaid_lobster_swordfish", "mermaid_star_shark",     "shark_lobster_star",
    "shark_shell_fish",       "shark_swordfish_crab",   "shell_fish_crab",           "shell_marlin_swordfish",
    "shell_mermaid_lobster",  "star_lobster_shark",     "star_shark_swordfish",      "star_shell_mermaid",
    "swordfish_crab_fish",    "swordfish_fish_marlin",  "swordfish_mermaid_star",
};

// Pays per coin for one to five of a kind from the left; the mermaid stands
// in for the marlin from two of a kind on.
const std::vector<OfAKindRow> payTable = {
    //                         one two three four five
    {{"shell"},              {0,  0,  5,    10,  15}},
    {{"star"},               {0,  0,  10,   20,  30}},
    {{"crab"},               {0,  0,  10,   15,  20}},
    {{"lobster"},            {0,  0,  25,   30,  50}},
    {{"marlin"},             {2,  0,  0,    0,   0}},
    {{"marlin", "mermaid"},  {0,  25, 50,   75,  250}},
    {{"mermaid"},            {2,  30, 75,   250, 500}},
};

const std::vector<VideoPayline> paylineTable = {
    {1, {1, 1, 1, 1, 1}, 89, 172}, {2, {0, 0, 0, 0, 0}, 87, 122}, {3, {2, 2, 2, 2, 2}, 86, 220},
    {4, {0, 1, 2, 1, 0}, 86, 67},  {5, {2, 1, 0, 1, 2}, 86, 276},
};

// Three of a kind from the left of these symbols sounds on every such line.
const std::vector<std::pair<const char*, const char*>> lineSounds = {
    {"marlin", "dpseafx1.wav"}, {"lobster", "dpseafx2.wav"},
};

const VideoSlotTables machineTables = {&symbolTable, &reelPictures, &payTable, &paylineTable,
    {591, 42, 642, 376, 197, 42, 423, 42}, nullptr, &lineSounds, "jaws.wav"};

void playSound(const char* file) {
    if (soundPlayer) soundPlayer->play(file, false);
}

}  // namespace

DeepSea::DeepSea(float denomination) : VideoSlotMachine(machineTables), bonusStake(0), bonusTriggered(false) {
    configure(denomination);
    playSound("dpseintr.wav");
}

DeepSea::~DeepSea() {}

void DeepSea::configure(float value) {
    bonusStake = 0;
    configureAs("deepsea", value, 9);
    bonusTriggered = false;
}

void DeepSea::afterEvaluate(const std::vector<ReelGraphic*>& chosen) {
    scatterWin = false;
    const int count[3] = {reelsInARow(chosen, "shark"), reelsInARow(chosen, "swordfish"), reelsInARow(chosen, "fish")};
    if (count[0] >= 3) {
        bonusTriggered = true;
        bonusStake = coins * (count[0] == 3 ? 20 : count[0] == 4 ? 30 : 40);
    } else if (count[1] >= 3 || count[2] >= 3) {
        bonusTriggered = true;
        scatterWin = true;
        bonusStake = coins * 20;
    } else {
        bonusStake = 0;
    }
}

long long DeepSea::playBonus() {
    return bonusTriggered ? static_cast<long long>(runDeepSeaBonus()) * bonusStake : 0;
}

void DeepSea::clearBonus() {
    bonusTriggered = false;
    bonusStake = 0;
    drawnPrize = -1;
}

void DeepSea::drawBonus() { drawnPrize = bonusTriggered ? drawBonusMultiplier() : -1; }

long long DeepSea::drawnBonusWin() const {
    return drawnPrize < 0 ? 0 : static_cast<long long>(bonusMultipliers[drawnPrize]) * bonusStake;
}

int DeepSea::takeBonusPrize() {
    const int prize = drawnPrize >= 0 ? drawnPrize : drawBonusMultiplier();
    drawnPrize = -1;
    return prize;
}
