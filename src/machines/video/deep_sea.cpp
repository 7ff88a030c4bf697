#include "machines/video/deep_sea.h"

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

struct LineRow {
    int number;
    std::vector<int> rows;
    int labelX, labelY;
};

const std::vector<LineRow> paylineTable = {
    {1, {1, 1, 1, 1, 1}, 89, 172}, {2, {0, 0, 0, 0, 0}, 87, 122}, {3, {2, 2, 2, 2, 2}, 86, 220},
    {4, {0, 1, 2, 1, 0}, 86, 67},  {5, {2, 1, 0, 1, 2}, 86, 276},
};

void playSound(const char* file) {
    if (soundPlayer) soundPlayer->play(file, false);
}

}  // namespace

DeepSea::DeepSea(float denomination) : bonusStake(0), bonusTriggered(false) {
    configure(denomination);
    playSound("dpseintr.wav");
}

DeepSea::~DeepSea() {}

void DeepSea::configure(float value) {
    bonusStake = 0;
    name = "deepsea";
    denomination = nullptr;
    setDenomination(value);
    init();
    maxCoins = 9;
    bonusTriggered = false;
}

void DeepSea::declareSymbols() {
    for (const auto& s : symbolTable) addSymbol(s.first, s.second);
}

void DeepSea::buildReelGraphics() { addReelGraphics(reelPictures); }

void DeepSea::buildLinePays() { addOfAKindRows(*this, payTable); }

void DeepSea::buildPaylines() {
    for (const LineRow& l : paylineTable) addPayline(l.number, l.rows);
}

void DeepSea::loadPaylineImages() {
    for (const LineRow& l : paylineTable)
        addPaylineImage("linenumber" + std::to_string(l.number) + ".png", l.labelX, l.labelY);
}

void DeepSea::createMeters() { createVideoMeters({591, 42, 642, 376, 197, 42, 423, 42}); }

int DeepSea::adjustLinePay(const ReelSymbolList&, LinePay* linePay) { return linePay->award; }

void DeepSea::afterEvaluate(const std::vector<ReelGraphic*>& chosen) {
    scatterWin = false;
    const char* big[3] = {"shark", "swordfish", "fish"};
    int count[3] = {0, 0, 0};
    for (const ReelGraphic* g : chosen) {
        for (int k = 0; k < 3; ++k) {
            bool shows = false;
            if (g)
                for (const ReelSymbol* s : g->symbols) shows = shows || (s && s->name == big[k]);
            if (shows)
                ++count[k];
            else if (count[k] < 3)
                count[k] = 0;
        }
    }
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

void DeepSea::settle() {
    if (spinSoundChannel) {
        spinSoundChannel->halt();
        spinSoundChannel = nullptr;
    }
    if (bonusTriggered) {
        const long long total = static_cast<long long>(win) + static_cast<long long>(runDeepSeaBonus()) * bonusStake;
        win = total > 2147483647LL ? 2147483647 : static_cast<int>(total);
        bonusStake = 0;
        bonusTriggered = false;
    }
    VideoSlotMachine::settle();
}

void DeepSea::payoutTest() {
    VideoSlotMachine::payoutTest();
    // The test plays are never settled: a bonus they won must not fall to
    // the player's next spin.
    bonusTriggered = false;
    bonusStake = 0;
}

void DeepSea::playWinSound() {
    if (scatterWin) playSound("jaws.wav");
    for (const ReelSymbolList& line : lineSymbols) {
        if (line.size() < 3 || !line[0] || line[0] != line[1] || line[1] != line[2]) continue;
        if (line[0]->name == "marlin")
            playSound("dpseafx1.wav");
        else if (line[0]->name == "lobster")
            playSound("dpseafx2.wav");
    }
}
