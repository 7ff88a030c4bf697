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

struct LineRow {
    int number;
    std::vector<int> rows;
    int labelX, labelY;
};

const std::vector<LineRow> paylineTable = {
    {1, {1, 1, 1, 1, 1}, 98, 165}, {2, {0, 0, 0, 0, 0}, 94, 113}, {3, {2, 2, 2, 2, 2}, 94, 219},
    {4, {0, 1, 2, 1, 0}, 93, 65},  {5, {2, 1, 0, 1, 2}, 93, 274},
};

// Three of a kind from the left of these symbols sounds on every such line.
const std::vector<std::pair<const char*, const char*>> lineSounds = {
    {"10", "ape.wav"}, {"9", "chimp.wav"}, {"giraffe", "stampede.wav"},
};

void playSound(const char* file) {
    if (soundPlayer) soundPlayer->play(file, false);
}

}  // namespace

Zookeeper::Zookeeper(float denomination) {
    configure(denomination);
    playSound("zoointr.wav");
}

Zookeeper::~Zookeeper() {}

void Zookeeper::configure(float value) {
    name = "zookeeper";
    denomination = nullptr;
    setDenomination(value);
    init();
    maxCoins = 9;
}

void Zookeeper::declareSymbols() {
    for (const auto& s : symbolTable) addSymbol(s.first, s.second);
}

void Zookeeper::buildReelGraphics() { addReelGraphics(reelPictures); }

void Zookeeper::buildLinePays() { addOfAKindRows(*this, payTable); }

void Zookeeper::buildPaylines() {
    for (const LineRow& l : paylineTable) addPayline(l.number, l.rows);
}

void Zookeeper::loadPaylineImages() {
    for (const LineRow& l : paylineTable)
        addPaylineImage("linenumber" + std::to_string(l.number) + ".png", l.labelX, l.labelY);
}

void Zookeeper::createMeters() { createVideoMeters({592, 42, 641, 378, 196, 42, 422, 42}); }

int Zookeeper::adjustLinePay(const ReelSymbolList&, LinePay* linePay) { return linePay->award; }

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
    const long long scatter = static_cast<long long>(coins) * lines * scatterFactor(zebras);
    const long long total = static_cast<long long>(win) + scatter;
    win = total > 2147483647LL ? 2147483647 : static_cast<int>(total);
}

void Zookeeper::playWinSound() {
    if (scatterWin) playSound("stampede.wav");
    for (const ReelSymbolList& line : lineSymbols) {
        if (line.size() < 3 || !line[0] || line[0] != line[1] || line[1] != line[2]) continue;
        for (const auto& s : lineSounds)
            if (line[0]->name == s.first) playSound(s.second);
    }
}
