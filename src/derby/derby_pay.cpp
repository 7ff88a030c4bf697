// The derby's pay table and the settlement of a game: marks on the winning
// rows, the car jackpot, the bet taken, the statistics and the count-up.
#include "derby/demo_derby.h"

#include <climits>

#include "machine/denomination.h"
#include "player/jackpot_movies.h"
#include "player/player.h"
#include "shell/app.h"
#include "shell/clock.h"
#include "shell/display.h"
#include "shell/image.h"
#include "shell/sound.h"
#include "shell/text_label.h"
#include "shell/util.h"

namespace {

struct ThreeAlike {
    const char* symbol;
    int pay;
    const char* sound;  // null: silent
};

// Tested top to bottom; the mixed bars sit after the three bar rows, the
// mixed tires after the three tire rows.
const ThreeAlike kTopRows[] = {
    {"flag", 400, "racejack.wav"}, {"trophy", 150, nullptr}, {"car", 75, "carcrash.wav"},
    {"3bar", 30, "race1.wav"},     {"2bar", 20, nullptr},    {"bar", 10, nullptr},
};
const ThreeAlike kTireRows[] = {{"3tire", 4, "shrtcrash.wav"}, {"2tire", 3, nullptr}, {"tire", 2, nullptr}};
const int kMixedBarsPay = 5;
const char* const kMixedBarsSound = "enginrev.wav";
const int kMixedTiresPay = 1;

bool allAre(const DerbyLine& line, const char* symbol) {
    return line[0] == symbol && line[1] == symbol && line[2] == symbol;
}

bool inClass(const std::string& s, const char* a, const char* b, const char* c) { return s == a || s == b || s == c; }

bool allInClass(const DerbyLine& line, const char* a, const char* b, const char* c) {
    return inClass(line[0], a, b, c) && inClass(line[1], a, b, c) && inClass(line[2], a, b, c);
}

const char* const kMeterFont = "../fonts/demoderby.ttf";
// A winning play is marked over its reels: the WIN plate at the row's
// mark point, the amount written left-aligned on its baseline over the
// plate. The saved area takes in every row's reels and marks.
const int kMarkX = 175;
const int kMarkY[5] = {370, 285, 194, 110, 21};
const int kAmountSize = 25;
const int kAmountX = 280;
const int kAmountY[5] = {432, 347, 257, 172, 84};
const SDL_Rect kSavedArea = {172, 15, 241, 433};

void updateDisplay() {
    if (display) display->update();
}

// The derby counts large steps first: 1000 while more than 1000 is left, 100
// while more than 100, 10 while more than 15, then ones.
int derbyCountUpStep(long long, long long remaining, long long) {
    return remaining > 1000 ? 1000 : remaining > 100 ? 100 : remaining > 15 ? 10 : 1;
}

}  // namespace

int DemoDerby::linePayOf(const DerbyLine& line, const char** sound) {
    if (sound) *sound = nullptr;
    if (line.size() != 3) return 0;
    for (const ThreeAlike& row : kTopRows) {
        if (allAre(line, row.symbol)) {
            if (sound) *sound = row.sound;
            return row.pay;
        }
    }
    if (allInClass(line, "3bar", "2bar", "bar")) {
        if (sound) *sound = kMixedBarsSound;
        return kMixedBarsPay;
    }
    for (const ThreeAlike& row : kTireRows) {
        if (allAre(line, row.symbol)) {
            if (sound) *sound = row.sound;
            return row.pay;
        }
    }
    if (allInClass(line, "3tire", "2tire", "tire")) return kMixedTiresPay;
    return 0;
}

int DemoDerby::linePay(const DerbyLine& line) {
    const char* sound = nullptr;
    int pay = linePayOf(line, &sound);
    if (sound && soundPlayer) soundPlayer->play(sound);
    return pay;
}

bool DemoDerby::winsTheCar(int row, int pay) const { return row == 4 && betCoins == 5 && pay == 400; }

void DemoDerby::keepGame() {
    // What the rows pay, judged without showing them: the car at five coins
    // instead of any coins.
    long long total = 0;
    const int rows = betPlays < 5 ? betPlays : 5;
    for (int i = 0; i < rows && i < static_cast<int>(lines.size()); ++i) {
        const int pay = linePayOf(lines[i]);
        if (winsTheCar(i, pay)) {
            awardCarPrize();
            total = 0;
            break;
        }
        if (pay > 0) total += static_cast<long long>(pay) * betCoins;
    }
    keepDrawnPlay(name, static_cast<long long>(betPlays) * betCoins, total);
}

void DemoDerby::payout() {
    SurfacePtr saved = display ? display->copyRegion(kSavedArea) : nullptr;

    int total = 0;
    const int rows = betPlays < 5 ? betPlays : 5;
    for (int i = 0; i < rows && i < static_cast<int>(lines.size()); ++i) {
        int pay = linePay(lines[i]);
        if (winsTheCar(i, pay)) {
            // Three flags on the fifth play at five coins: the car, instead of
            // coins (given when the rows were drawn).
            playCarJackpotMovie(this);
            total = 0;
            break;
        }
        int won = pay * betCoins;
        if (won <= 0) continue;
        Image mark(graphicsDir + "win.png", false, true);
        if (mark.loaded) mark.blit(kMarkX, kMarkY[i]);
        TextLabel amount(kMeterFont, kAmountSize, intToString(won), kAmountX, kAmountY[i], 1, 255, 231, 37, 0);
        amount.draw();
        total += won;
    }

    const int bet = betPlays * betCoins;
    credits -= bet;
    // Show what is left after the bet, so a game that wins nothing doesn't
    // leave the meter one bet too high.
    showCredits(credits);
    recordDrawnPlay(name, bet, total);

    // Count-up: large steps first, one click of the counter each.
    const CountUpStyle style = {derbyCountUpStep, "digicnt.wav", nullptr, 0, true, timedPause, 200};
    countUp(total, style, [this](int paid) {
        showCredits(credits);
        showPaid(paid);
    });
    endDrawnPlay();

    timedPause(1000);
    if (saved && display) {
        SDL_Rect at = kSavedArea;
        display->blit(saved.get(), at);
    }
    updateDisplay();
}
