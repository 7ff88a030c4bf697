#include "machines/video/mardi_gras.h"

#include "shell/sound.h"

namespace {

const std::vector<std::pair<const char*, int>> symbolTable = {
    {"trumpet", 1}, {"10", 1}, {"jack", 1}, {"queen", 1}, {"king", 1},
    {"ace", 1},     {"flag", 1}, {"mask", 50}, {"scatter", 50},
};

const std::vector<std::string> reelPictures = {
    "10_jack_queen",     "10_scatter_ace",     "10_scatter_flag",    "ace_10_jack",       "ace_trumpet_king",
    "ace_10_scatter",    "flag_10_scatter",    "flag_ace_10",        "flag_king_trumpet", "jack_flag_king",
    "jack_mask_trumpet", "jack_queen_mask",    "king_jack_mask",     "king_queen_mask",   "king_trumpet_ace",
    "mask_jack_flag",    "mask_scatter_queen", "queen_king_jack",    "queen_mask_jack",   "queen_mask_scatter",
    "scatter_ace_trumpet", "scatter_flag_ace", "scatter_queen_king", "trumpet_ace_10",    "trumpet_flag_10",
    "trumpet_king_queen",
};

// Pays per coin for one to five of a kind from the left; the mask stands in
// on every plain row (and doubles the pay), the mask row is masks alone.
const std::vector<OfAKindRow> payTable = {
    //                      one two three four  five
    {{"trumpet", "mask"}, {0,  2,  5,    15,   75}},
    {{"10", "mask"},      {0,  5,  10,   25,   100}},
    {{"jack", "mask"},    {0,  0,  10,   50,   150}},
    {{"queen", "mask"},   {0,  0,  15,   60,   200}},
    {{"king", "mask"},    {0,  0,  25,   75,   275}},
    {{"ace", "mask"},     {0,  0,  50,   100,  500}},
    {{"flag", "mask"},    {0,  0,  60,   100,  2500}},
    {{"mask"},            {0,  0,  75,   1000, 10000}},
};

const std::vector<VideoPayline> paylineTable = {
    {1, {1, 1, 1, 1, 1}, 105, 169}, {2, {0, 0, 0, 0, 0}, 101, 107}, {3, {2, 2, 2, 2, 2}, 100, 233},
    {4, {0, 1, 2, 1, 0}, 101, 55},  {5, {2, 1, 0, 1, 2}, 99, 292},  {6, {0, 1, 1, 1, 2}, 88, 80},
    {7, {2, 1, 1, 1, 0}, 84, 265},  {8, {1, 1, 0, 1, 1}, 87, 137},  {9, {1, 1, 2, 1, 1}, 84, 200},
};

// Scatter pays by scatter reels (2 to 5): times the whole bet, or the fixed
// credits at the largest bet.
const int scatterTimesBet[6] = {0, 0, 5, 15, 35, 60};
const int scatterAtMaxBet[6] = {0, 0, 250, 750, 1600, 5000};

// Three of a kind from the left of these symbols sounds on every such line.
const std::vector<std::pair<const char*, const char*>> lineSounds = {
    {"mask", "dixie.wav"}, {"flag", "mgfx1.wav"}, {"ace", "mgfx3.wav"},
};

const VideoSlotTables machineTables = {&symbolTable, &reelPictures, &payTable, &paylineTable,
    {588, 41, 642, 381, 190, 41, 416, 41}, "mask", &lineSounds, "mgfx4.wav"};

void playSound(const char* file) {
    if (soundPlayer) soundPlayer->play(file, false);
}

}  // namespace

MardiGras::MardiGras(float denomination) : VideoSlotMachine(machineTables) {
    configure(denomination);
    playSound("dixishrt.wav");
}

MardiGras::~MardiGras() {}

void MardiGras::configure(float value) {
    configureAs("mardigras", value, 5);
    maxLines = 9;
}

void MardiGras::createButtons() { createPanel("../gfx/nickle9buttons/", {1, 3, 5, 7, 9}); }

int MardiGras::scatterPay(int scatterReels) const {
    const int n = scatterReels > 5 ? 5 : scatterReels;
    if (n < 2) return 0;
    if (atLargestBet()) return scatterAtMaxBet[n];
    return coins * lines * scatterTimesBet[n];
}

void MardiGras::afterEvaluate(const std::vector<ReelGraphic*>& chosen) {
    const int n = reelsShowing(chosen, "scatter");
    scatterWin = n >= 2;
    addToWin(scatterPay(n));
}
