#include "machines/video/zookeeper.h"

#include "shell/sound.h"

namespace {

// Pays per coin on a line for two, three, four and five of a kind from the
// left (0: no pay). The zebra has no line pay.
const std::vector<OfAKindRow> payTable = {
    //             one two  three four  five
    {{"9"},       {0,  2,   10,   75,   250}},
    {{"10"},      {0,  2,   10,   75,   250}},
    {{"jack"},    {0,  5,   10,   75,   250}},
    {{"queen"},   {0,  5,   10,   75,   250}},
    {{"king"},    {0,  10,  20,   100,  500}},
    {{"ape"},     {0,  0,   500,  1500, 5000}},
    {{"giraffe"}, {0,  0,   400,  1250, 4000}},
    {{"lion"},    {0,  100, 300,  1000, 3000}},
};

// Rarity values: a picture's weight is the sum of its symbols' values.
const std::vector<std::pair<const char*, int>> symbolTable = {
    {"9", 1}, {"10", 1}, {"jack", 1}, {"queen", 3}, {"king", 15},
    {"lion", 30}, {"giraffe", 40}, {"ape", 1}, {"zebra", 100},
};

const std::vector<std::string> reelPictures = {
    "10_9_queen", "10_ape_king", "10_king_9", "10_king_jack", "10_zebra_queen", "9_10_king", "9_giraffe_queen",
    "9_jack_lion", "9_king_lion", "9_lion_ape", "9_queen_jack", "ape_9_king", "ape_king_jack", "ape_queen_giraffe",
    "giraffe_jack_10", "giraffe_queen_lion", "giraffe_zebra_jack", "jack_10_zebra", "jack_ape_9", "jack_king_10",
    "jack_lion_king", "jack_zebra_10", "king_10_9", "king_9_lion", "king_jack_king", "king_jack_zebra",
    "king_lion_giraffe", "king_queen_queen", "lion_10_ape", "lion_ape_queen", "lion_giraffe_jack", "lion_king_queen",
    "queen_9_10", "queen_9_giraffe", "queen_giraffe_zebra", "queen_jack_10", "queen_lion_10", "queen_queen_9",
    "zebra_10_king", "zebra_jack_ape", "zebra_queen_9",
};

const std::vector<VideoPayline> paylineTable = {
    {1, {1, 1, 1, 1, 1}, 98, 165}, {2, {0, 0, 0, 0, 0}, 94, 113}, {3, {2, 2, 2, 2, 2}, 94, 219},
    {4, {0, 1, 2, 1, 0}, 93, 65},  {5, {2, 1, 0, 1, 2}, 93, 274},
};

// Three of a kind from the left of these symbols sounds on every such line.
const std::vector<std::pair<const char*, const char*>> lineSounds = {
    {"10", "ape.wav"}, {"9", "chimp.wav"}, {"giraffe", "stampede.wav"},
};

const VideoSlotTables machineTables = {&symbolTable, &reelPictures, &payTable, &paylineTable,
    {592, 42, 641, 378, 196, 42, 422, 42}, nullptr, &lineSounds, "stampede.wav"};

void playSound(const char* file) {
    if (soundPlayer) soundPlayer->play(file, false);
}

}  // namespace

Zookeeper::Zookeeper(float denomination) : VideoSlotMachine(machineTables) {
    configure(denomination);
    playSound("zoointr.wav");
}

Zookeeper::~Zookeeper() {}

void Zookeeper::configure(float value) {
    configureAs("zookeeper", value, 9);
}

int Zookeeper::scatterFactor(int zebraReels) {
    switch (zebraReels) {
        case 2: return 2;
        case 3: return 10;
        case 4: return 50;
        case 5: return 250;
        default: return 0;
    }
}

void Zookeeper::afterEvaluate(const std::vector<ReelGraphic*>& chosen) {
    const int zebras = reelsShowing(chosen, "zebra");
    scatterWin = zebras >= 2;
    addToWin(static_cast<long long>(coins) * lines * scatterFactor(zebras));
}
