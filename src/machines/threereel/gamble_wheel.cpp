#include "machines/threereel/gamble_wheel.h"

#include <climits>
#include <memory>
#include <utility>
#include <vector>

#include "shell/animation.h"
#include "shell/app.h"
#include "shell/clock.h"
#include "shell/controls.h"
#include "shell/display.h"
#include "shell/sound.h"
#include "shell/waiting.h"

namespace {

void play(const char* sound) {
    if (soundPlayer) soundPlayer->play(sound, false);
}

}  // namespace

PrizeWheelSpec gambleWheelSpec(const std::string& folder, const std::string& wheelName,
                               std::vector<WheelStop> stops) {
    PrizeWheelSpec s;
    s.folder = folder;
    s.wheelName = wheelName;
    s.frameCount = 24;
    s.x = 217;
    s.y = 81;
    s.periodSpread = 10000;
    s.periodBase = 8000;
    s.stops = std::move(stops);
    s.prizeSoundAtStop = false;
    return s;
}

const PrizeWheelSpec& diceWheel() {
    static const PrizeWheelSpec spec = gambleWheelSpec(
        "../gfx/bonus/doubledicespinforcash/", "dicespin",
        {
            {0, 0, 25, "black"},    {1, 2, 20, "red"},      {3, 5, 50, "black"},  {6, 7, 100, "red"},
            {8, 10, 10, "black"},   {11, 12, 500, "red"},   {13, 15, 15, "black"}, {16, 17, 2500, "red"},
            {18, 20, 150, "black"}, {21, 21, 30, "red"},    {22, 23, 25, "black"},
        });
    return spec;
}

const GambleLayout& diceGamble() {
    static const GambleLayout layout{491, 551, 611, 533, "doubintr.wav"};
    return layout;
}

// Keeps a control in the list and lends it back.
template <class W>
static W* addControl(std::vector<std::unique_ptr<Widget>>& controls, std::unique_ptr<W> control) {
    W* lent = control.get();
    controls.push_back(std::move(control));
    return lent;
}

int doubledBank(int bank) { return bank > INT_MAX / 2 ? INT_MAX : bank * 2; }

int runGambleWheelBonus(const PrizeWheelSpec& spec, const GambleLayout& layout, const WheelTurn& turn,
                        const std::function<void(int bank)>& kept, const OpeningSpin* opening) {
    const auto spin = [&](Animation& wheel, int& prize, std::string& colour, const WheelDrawn& drawn) {
        if (turn) turn(wheel, prize, colour, drawn);
        else spinPrizeWheel(spec, wheel, prize, colour, drawn);
    };
    const auto keep = [&kept](int bank) {
        if (kept) kept(bank);
    };
    std::unique_ptr<Animation> wheel = openWheelScreen(spec);

    std::string colour = "red";
    int prize = 0;
    if (opening && opening->drawn) {
        turnPrizeWheel(spec, *wheel, opening->step, prize, colour);
        prize = opening->prize;
        colour = opening->colour;
        keep(prize);
    } else {
        spin(*wheel, prize, colour, [&keep](int drawnPrize, const std::string&) { keep(drawnPrize); });
    }
    int bank = prize;
    if (bank > 0) play("birdclap.wav");

    std::vector<std::unique_ptr<Widget>> controls;
    FlashButton* red = addControl(controls, std::make_unique<FlashButton>("red", spec.folder, layout.redX, layout.y,
                                                                          false, true, 500, 0));
    FlashButton* black = addControl(controls, std::make_unique<FlashButton>("black", spec.folder, layout.blackX,
                                                                            layout.y, false, true, 500, 3));
    Button* collect = addControl(controls, std::make_unique<Button>("collect", spec.folder, layout.collectX, layout.y,
                                                                    false, true, false, false, true));

    auto music = std::make_unique<SoundClip>("wheeloop.wav", true, 1);
    music->play(0, 0);

    bool playing = true;
    while (playing) {
        red->tick();
        black->tick();
        SDL_Event event;
        if (!waitModalEvent(event)) {
            // Nobody answers the offer when the game closes: the player never
            // chose to risk the bank, so he keeps it.
            if (quitRequested()) break;
            continue;
        }
        if (event.type != SDL_MOUSEBUTTONDOWN) continue;
        Widget* hit = controlUnderPointer(controls);
        if (!hit) continue;
        if (hit == collect) {
            black->setState(0);
            red->setState(0);
            collect->setState(2);
            playing = false;
            continue;
        }
        const bool onRed = hit == red;
        (onRed ? red : black)->setState(3);
        (onRed ? black : red)->setState(0);
        int spinPrize = 0;
        wheel->setFps(40);
        music->halt();
        play("ohh.wav");
        const char* pick = onRed ? "red" : "black";
        const int staked = bank;
        spin(*wheel, spinPrize, colour, [&keep, pick, staked](int, const std::string& landed) {
            keep(landed == pick ? doubledBank(staked) : 0);
        });
        if (colour == pick) {
            bank = doubledBank(bank);
            black->setState(0);
            red->setState(3);
            music->play(0, 0);
            play("birdclap.wav");
        } else {
            bank = 0;
            playing = false;
        }
    }

    music->halt();
    music.reset();
    wheel.reset();
    controls.clear();
    if (bank > 0 && layout.closingSound) play(layout.closingSound);
    if (!quitRequested()) timedPause(4000);
    if (display) display->restoreScreen();
    return bank;
}
