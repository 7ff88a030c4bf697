// The balloon bonus: 32 balloons, 26 with cash and 6 with a bust. Each click
// pops one and adds its cash; the first bust ends the game and shows the rest.
#include <algorithm>
#include <memory>
#include <string>

#include "machines/video/balloon_blitz.h"
#include "machines/video/bonus_prize.h"
#include "shell/app.h"
#include "shell/display.h"
#include "shell/image.h"
#include "shell/mtrand.h"
#include "shell/controls.h"
#include "shell/sound.h"
#include "shell/text_label.h"
#include "shell/util.h"
#include "shell/clock.h"
#include "shell/waiting.h"

namespace {

const char* const folder = "../gfx/bonus/balloonblitz/";
const char* const font = "../fonts/balloonbonus.ttf";
const int columnX[8] = {71, 144, 214, 286, 357, 430, 503, 575};
const int rowY[4] = {140, 235, 322, 409};
const int balloonWidth = 66, balloonHeight = 80;
// What a popped balloon held, written over its place.
const int balloonTextSize = 17;

void playSound(const char* file) {
    if (soundPlayer) soundPlayer->play(file, false);
}

std::string balloonText(int value) { return value == 0 ? "BUST!" : std::to_string(value); }

// A text that stays on the screen.
void stamp(const std::string& text, int size, int x, int y) {
    TextLabel label(font, size, text, x, y, 4, 0, 0, 0, 0);
    label.draw();
}

bool drawing() { return display && display->hasSurface(); }

}  // namespace

Balloon::Balloon(int bx, int by) : Hotspot("ball", bx, by, balloonWidth, balloonHeight), popped(false), value(-1) {}

Balloon::~Balloon() {}

int BalloonBlitz::randomBalloonCash() {
    const int perLine = coins > 0 ? coins : 1;
    return 5 * (perLine + static_cast<int>(genrand() % static_cast<unsigned>(4 * perLine)));
}

std::vector<int> BalloonBlitz::drawBalloonValues() {
    const int big = (genrand() % 2 == 1) ? 1000 : 1500;
    std::vector<int> values(32, 0);
    for (int i = 6; i < 32; ++i) values[static_cast<size_t>(i)] = i == 10 ? big : randomBalloonCash();
    for (int i = 1; i < 32; ++i)
        std::swap(values[static_cast<size_t>(i)], values[randomBelow(static_cast<unsigned>(i + 1))]);
    return values;
}

std::vector<std::unique_ptr<Balloon>> BalloonBlitz::createBalloons() {
    const std::vector<int> values = drawnValues.size() == 32 ? drawnValues : drawBalloonValues();
    drawnValues.clear();
    std::vector<std::unique_ptr<Balloon>> list;
    size_t next = 0;
    for (int y : rowY)
        for (int x : columnX) {
            auto b = std::make_unique<Balloon>(x, y);
            if (drawing()) b->saveBackground();
            b->value = values[next++];
            list.push_back(std::move(b));
        }
    return list;
}

void BalloonBlitz::drawBalloon(Balloon* balloon, Image* layer, bool whole) {
    if (!drawing()) return;
    if (whole) {
        if (!layer || !layer->surface) return;
        SDL_Rect from = {static_cast<Sint16>(balloon->x), static_cast<Sint16>(balloon->y), balloonWidth,
                         balloonHeight};
        SDL_Rect to = from;
        SDL_BlitSurface(layer->surface.get(), &from, display->screen, &to);
    } else {
        balloon->restoreBackground();
        display->update();
    }
}

void BalloonBlitz::showCashTab(int amount) {
    if (!drawing()) {
        timedPause(1000);
        playSound("cashrng2.wav");
        return;
    }
    SDL_Rect area = {665, 351, 100, 100};
    SurfacePtr under = display->copyRegion(area);
    {
        Image tab(std::string(folder) + "tab.png", false, true);
        if (tab.loaded) tab.blit(665, 351);
    }
    stamp(balloonText(amount), 17, 713, 401);
    display->update();
    timedPause(1000);
    playSound("cashrng2.wav");
    if (under) {
        display->blit(under.get(), area);
    }
    display->update();
}

bool BalloonBlitz::popBalloon(Balloon* balloon, int& total) {
    playSound("balpop.wav");
    balloon->popped = true;
    total += balloon->value;
    const bool bust = balloon->value == 0;
    if (bust) {
        playSound("balletgo.wav");
        timedPause(2000);
        playSound("cashopen.wav");
    }
    if (drawing()) stamp(balloonText(balloon->value), balloonTextSize, balloon->x + 33, balloon->y + 40);
    showCashTab(balloon->value);
    return bust;
}

int BalloonBlitz::runBalloonBonus() {
    SoundClip music("circus.wav", false, 1);
    music.play(0, 0);
    if (drawing()) {
        display->saveScreen();
        {
            Image loading("../gfx/help/loading.png", false, true);
            if (loading.loaded) loading.blit(277, 559);
        }
        display->update();
        Image back(std::string(folder) + "bonus.png", false, false);
        if (back.loaded) back.blit(0, 0);
        Image reg(std::string(folder) + "register.png", false, true);
        if (reg.loaded) reg.blit(575, 394);
    }
    std::vector<std::unique_ptr<Balloon>> balloons = createBalloons();
    std::unique_ptr<Image> layer =
        drawing() ? std::make_unique<Image>(std::string(folder) + "balloons.png", false, false) : nullptr;
    for (const auto& b : balloons) drawBalloon(b.get(), layer.get(), true);
    if (drawing()) display->update();

    int total = 0;
    bool over = false;
    // What the game pays if no more balloons were picked by the player: the
    // rest popped in the order they stand until a bust. Kept in the save
    // file after every pop, and how the game ends when the window closes.
    auto withTheRest = [&](int paid) {
        std::vector<int> values;
        std::vector<bool> popped;
        for (const auto& b : balloons) {
            values.push_back(b->value);
            popped.push_back(b->popped);
        }
        return paid + restInOrder(values, popped);
    };
    std::unique_ptr<TextLabel> totalText =
        drawing() ? std::make_unique<TextLabel>(font, 30, "0", 466, 524, 4, 0, 0, 0, 0) : nullptr;
    while (!over) {
        SDL_Event event;
        if (waitModalEvent(event)) {
            if (event.type == SDL_MOUSEBUTTONDOWN) {
                // Any button; the pick is where the pointer stands now.
                auto* b = static_cast<Balloon*>(controlUnderPointer(balloons));
                if (b && !b->popped) {
                    // Kept before it is shown: a bust ends the game.
                    b->popped = true;
                    keepBonusWin(b->value == 0 ? total : withTheRest(total + b->value));
                    drawBalloon(b, layer.get(), false);
                    over = popBalloon(b, total);
                    if (totalText) {
                        totalText->setText(std::to_string(total));
                        totalText->draw();
                    }
                }
            }
        } else if (quitRequested()) {
            // The window is closing: the balloons are popped unseen in the
            // order they stand until a bust, as kept.
            total = static_cast<int>(withTheRest(total));
            over = true;
        }
        if (soundPlayer) soundPlayer->update();
    }

    if (drawing()) {
        for (const auto& b : balloons) {
            if (b->popped) continue;
            b->restoreBackground();
            stamp(balloonText(b->value), balloonTextSize, b->x + 33, b->y + 40);
        }
        display->update();
    }
    if (music.isPlaying()) music.halt();
    layer.reset();
    balloons.clear();
    if (!quitRequested()) timedPause(3000);
    if (drawing()) {
        display->restoreScreen();
        display->update();
    }
    totalText.reset();
    return total;
}
