#include "machines/video/egypts_prize.h"

#include "machine/progressive.h"
#include "player/jackpot_movies.h"
#include "shell/sound.h"
#include "shell/text_label.h"
#include "shell/util.h"

namespace {

// Pay table: no wild; three tuts (500) win the progressive instead.
const std::vector<LinePayRow> payTable = {
    {LineRule::OneOf, {"tablet"}, 2, -1},
    {LineRule::TwoOf, {"tablet"}, 5, -1},
    {LineRule::ThreeOfAKind, {"tablet"}, 10, -1},
    {LineRule::SymbolPlus, {"bar", "2bar", "3bar"}, 5, -1},
    {LineRule::ThreeOfAKind, {"bar"}, 10, -1},
    {LineRule::ThreeOfAKind, {"2bar"}, 20, -1},
    {LineRule::ThreeOfAKind, {"3bar"}, 30, -1},
    {LineRule::ThreeOfAKind, {"pyramid"}, 50, -1},
    {LineRule::ThreeOfAKind, {"tut"}, 500, -1},
};

const std::vector<PaylineRow> paylineTable = {
    {1, {1, 1, 1}, 20, 148},
    {2, {0, 0, 0}, 20, 93},
    {3, {2, 2, 2}, 19, 202},
};

}  // namespace

EgyptsPrize::EgyptsPrize(float denomination) {
    configure(denomination);
    if (soundPlayer) soundPlayer->play("egyptintr.wav", false);
}

EgyptsPrize::~EgyptsPrize() = default;

void EgyptsPrize::configure(float value) {
    name = "egyptsprize";
    denomination = nullptr;
    setDenomination(value);
    setupB();
    progressiveText.reset();  // one label at a time: the old one goes first
    progressiveText = std::make_unique<TextLabel>("../fonts/progressive2.ttf", 30,
                                                  doubleToString(progressiveValue(denomination)), 438, 52, 4, 39, 198,
                                                  39, 0);
}

std::string EgyptsPrize::progressiveCaption() const { return "$" + doubleToString(progressiveValue(denomination)); }

void EgyptsPrize::tick() {
    if (progressiveText) {
        progressiveText->setText(progressiveCaption());
        progressiveText->draw();
    }
    MultiLineMachine::tick();
}

void EgyptsPrize::declareSymbols() {
    addSymbol("blank", 0);
    addSymbol("tablet", 1);
    addSymbol("bar", 3);
    addSymbol("2bar", 3);
    addSymbol("3bar", 5);
    addSymbol("pyramid", 8);
    addSymbol("tut", 15);
}

void EgyptsPrize::buildReelGraphics() {
    addReelGraphics({"2bar_blank_tablet", "3bar_blank_2bar", "3bar_blank_pyramid", "bar_blank_2bar", "bar_blank_tut",
                     "blank_2bar_blank", "blank_3bar_blank", "blank_bar_blank", "blank_pyramid_blank",
                     "blank_tablet_blank", "blank_tut_blank", "pyramid_blank_bar", "pyramid_blank_blank",
                     "tablet_blank_3bar", "tablet_blank_pyramid", "tut_blank_3bar", "tut_blank_tablet"});
}

void EgyptsPrize::buildLinePays() { addLinePayRows(*this, payTable); }

void EgyptsPrize::buildPaylines() { addPaylineRows(*this, paylineTable); }

void EgyptsPrize::loadPaylineImages() { loadPaylineRowImages(*this, paylineTable); }

int EgyptsPrize::adjustLinePay(const ReelSymbolList&, LinePay* linePay) { return linePay->award; }

void EgyptsPrize::onReelStop(int) {}

void EgyptsPrize::keepPull(int bet) {
    if (!winsJackpot()) {
        MultiLineMachine::keepPull(bet);
        return;
    }
    keepDrawnPlay(name, bet, payableOnto(progressiveCoins(denomination), static_cast<long long>(credits) - bet));
}

void EgyptsPrize::playWinSound() {
    if (winsJackpot()) {
        playJackpotMovie(this);
        // The whole meter as it stands now, in whole coins of the coin
        // value, replaces the spin's win (the settle keeps the difference
        // from the draw); the meter itself keeps growing.
        win = progressiveCoins(denomination);
    }
    if (win > 100 && soundPlayer) soundPlayer->play("egypt.wav", false);
}
