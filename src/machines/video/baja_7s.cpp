#include "machines/video/baja_7s.h"

#include "shell/sound.h"

namespace {

// Pay table. "baja7" joins every three-symbol combination; three of them pay
// 500 on line 1 and 2500 on line 3 (on line 2 they pay as three 7s).
const std::vector<LinePayRow> payTable = {
    {LineRule::OneOf, {"cherry"}, 2, -1},
    {LineRule::TwoOf, {"cherry"}, 5, -1},
    {LineRule::ThreeOfAKind, {"cherry", "baja7"}, 10, -1},
    {LineRule::SymbolPlus, {"bar", "2bar", "3bar", "baja7"}, 5, -1},
    {LineRule::ThreeOfAKind, {"bar", "baja7"}, 10, -1},
    {LineRule::ThreeOfAKind, {"2bar", "baja7"}, 20, -1},
    {LineRule::ThreeOfAKind, {"3bar", "baja7"}, 30, -1},
    {LineRule::ThreeOfAKind, {"7", "baja7"}, 50, -1},
    {LineRule::ThreeOfAKind, {"baja7"}, 500, 1},
    {LineRule::ThreeOfAKind, {"baja7"}, 2500, 3},
};

const std::vector<PaylineRow> paylineTable = {
    {1, {1, 1, 1}, 20, 141},
    {2, {0, 0, 0}, 21, 80},
    {3, {2, 2, 2}, 20, 204},
};

}  // namespace

Baja7s::Baja7s(float denomination) {
    configure(denomination);
    if (soundPlayer) soundPlayer->play("raceint.wav", false);
}

void Baja7s::configure(float value) {
    name = "baja7s";
    denomination = nullptr;
    setDenomination(value);
    setupB();
}

void Baja7s::declareSymbols() {
    addSymbol("blank", 0);
    addSymbol("cherry", 1);
    addSymbol("bar", 3);
    addSymbol("2bar", 5);
    addSymbol("3bar", 6);
    addSymbol("7", 10);
    addSymbol("baja7", 12);
}

void Baja7s::buildReelGraphics() {
    addReelGraphics({"2bar_blank_7", "3bar_blank_7", "3bar_blank_baja7", "3bar_blank_cherry", "7_blank_3bar",
                     "7_blank_blank", "baja7_blank_3bar", "baja7_blank_bar", "bar_blank_2bar", "bar_blank_cherry",
                     "blank_2bar_blank", "blank_3bar_blank", "blank_7_blank", "blank_baja7_blank", "blank_bar_blank",
                     "blank_blank_baja7", "blank_cherry_blank", "cherry_blank_2bar", "cherry_blank_bar"});
}

void Baja7s::buildLinePays() { addLinePayRows(*this, payTable); }

void Baja7s::buildPaylines() { addPaylineRows(*this, paylineTable); }

void Baja7s::loadPaylineImages() { loadPaylineRowImages(*this, paylineTable); }

int Baja7s::adjustLinePay(const ReelSymbolList&, LinePay* linePay) { return linePay->award; }

void Baja7s::onReelStop(int reel) {
    if (!soundPlayer) return;
    for (const ReelSymbolList& line : lineSymbols) {
        if (reel < 0 || static_cast<size_t>(reel) >= line.size() || !line[static_cast<size_t>(reel)]) continue;
        const std::string& s = line[static_cast<size_t>(reel)]->name;
        if (s == "baja7")
            soundPlayer->play("race2.wav", false);
        else if (s == "7")
            soundPlayer->play("shrtcrash.wav", false);
    }
}

void Baja7s::playWinSound() {
    if (win > 2499 && soundPlayer) soundPlayer->play("racejack.wav", false);
}
