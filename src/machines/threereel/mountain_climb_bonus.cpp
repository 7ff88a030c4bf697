// The climb of Devizezu Dozozed: the path up the mountain, the bonus screen
// on which the climber moves up six steps a point while a yodel plays, the
// checkpoint flags, and the short look at the mountain.
#include <algorithm>
#include <memory>
#include <string>

#include "shell/clock.h"
#include "machines/threereel/mountain_climber.h"
#include "shell/display.h"
#include "shell/image.h"
#include "shell/mtrand.h"
#include "shell/sound.h"
#include "shell/text_label.h"

namespace {

const std::string kFolder = "../gfx/bonus/mountainclimber/";

// Where the climber's top-left corner goes at each height, (x, y). The jump
// after height 97 goes with the change to the smaller climber.
const int kPath[MountainClimber::summit + 1][2] = {
    {200, 444}, {200, 440}, {202, 437}, {202, 432}, {204, 430}, {205, 427}, {207, 424}, {209, 419}, {211, 417},
    {215, 412}, {217, 408}, {219, 403}, {223, 398}, {227, 391}, {232, 385}, {237, 379}, {241, 375}, {243, 372},
    {245, 366}, {249, 361}, {250, 358}, {252, 353}, {254, 349}, {256, 345}, {258, 340}, {262, 336}, {265, 331},
    {265, 328}, {268, 324}, {270, 321}, {270, 316}, {270, 312}, {270, 309}, {271, 305}, {271, 300}, {273, 295},
    {274, 289}, {276, 286}, {280, 281}, {280, 276}, {283, 271}, {285, 268}, {288, 264}, {289, 257}, {291, 250},
    {292, 247}, {295, 240}, {299, 232}, {300, 227}, {300, 223}, {303, 219}, {304, 215}, {306, 211}, {309, 209},
    {312, 205}, {316, 200}, {316, 196}, {318, 191}, {320, 188}, {323, 184}, {326, 179}, {327, 175}, {329, 172},
    {330, 168}, {333, 165}, {333, 160}, {334, 154}, {335, 150}, {336, 147}, {338, 142}, {343, 138}, {345, 131},
    {349, 128}, {350, 123}, {356, 115}, {359, 111}, {360, 108}, {362, 102}, {363, 99},  {363, 95},  {364, 90},
    {365, 85},  {367, 80},  {368, 75},  {369, 69},  {374, 65},  {377, 59},  {377, 56},  {377, 52},  {378, 46},
    {378, 41},  {383, 38},  {383, 32},  {383, 30},  {383, 26},  {384, 22},  {385, 19},  {392, 46},  {397, 39},
    {406, 43},  {410, 39},  {414, 34},  {417, 31},  {425, 30},  {429, 28},  {433, 26},  {437, 25},  {443, 24},
    {446, 22},  {449, 19},  {454, 17},
};

// The checkpoint flags: drawn once the climber is above the height.
const struct {
    int above, x, y;
} kFlags[] = {{13, 282, 487}, {27, 315, 423}, {41, 340, 360}, {55, 371, 286}, {69, 402, 216}, {83, 433, 143}, {97, 454, 72}};

// The climber picture for a height: smaller near the top.
const char* climberName(int h) {
    if (h <= 96) return "climber";
    if (h <= 104) return "scaled1climber";
    return "scaled2climber";
}

void drawMountainBackground() {
    Image background(kFolder + "bonus.png", false, false);
    if (background.loaded) background.blit(0, 0);
}

std::unique_ptr<TextLabel> spinCountLabel(int count) {
    auto t = std::make_unique<TextLabel>("../fonts/cashname.ttf", 25, std::to_string(count), 548, 536, 4, 0, 0, 0, 0);
    t->draw();
    return t;
}

}  // namespace

void MountainClimber::buildClimbPath() {
    for (const auto& p : kPath) climbPath.push_back(std::make_pair(p[1], p[0]));
}

int MountainClimber::runClimbBonus() {
    const int yodel = static_cast<int>(genrand() % 3) + 1;
    SoundClip* clip = soundPlayer ? soundPlayer->play("yodel" + std::to_string(yodel) + ".wav", true) : nullptr;
    climbPoints *= 6;
    if (display) display->saveScreen();
    {
        Image loading("../gfx/help/loading.png", false, true);
        if (loading.loaded) loading.blit(277, 559);
    }
    if (display) display->update();
    drawMountainBackground();
    std::unique_ptr<TextLabel> count = spinCountLabel(spinCount);
    drawFlags();
    climb();
    timedPause(1000);
    if (display) display->restoreScreen();
    if (clip) clip->halt();

    const int pay = climbPay(height);
    if (pay > 0) height = spinCount = 0;
    count.reset();
    return pay;
}

void MountainClimber::climb() {
    std::unique_ptr<Sprite> climber;
    for (int step = 0; step < climbPoints; ++step) {
        drawFlags();
        const int h = height;
        const char* picture = climberName(h);
        if (h > 104) climberFrame = 0;
        if (h == 97 || h == 105 || climberFrame == 7)
            climberFrame = 0;
        else
            ++climberFrame;
        height = h + 1;
        if (height > summit) break;
        if (climber) {
            climber->restoreBackground();
            climber.reset();
        }
        const std::pair<int, int>& point = climbPath[height];
        climber = std::make_unique<Sprite>(kFolder + picture + ".png." + std::to_string(climberFrame), false, true,
                                           point.second, point.first);
        if (climber->loaded) climber->draw();
        if (display) display->update();
        timedPause(300);
    }
    climber.reset();  // the last one stays on the screen
    climbPoints = 0;
}

int MountainClimber::heightAfter(long long steps) const {
    // The climb stops at its first step past the summit.
    if (steps <= 0) return height;
    if (height > summit) return height + 1;
    return static_cast<int>(std::min<long long>(height + steps, summit + 1));
}

int MountainClimber::climbPay(int reached) const {
    if (reached > summit) return 100;
    if (reached > 97 && spinCount > periodSpins - 1) return 50;
    if (reached > 83 && spinCount > periodSpins - 1) return 20;
    return 0;
}

void MountainClimber::drawFlags() {
    Image flag(kFolder + "flag.png", false, true);
    if (!flag.loaded) return;
    for (const auto& f : kFlags)
        if (height > f.above) flag.blit(f.x, f.y);
}

void MountainClimber::showMountain(int at) {
    if (display) display->saveScreen();
    drawMountainBackground();
    {
        const int h = at < 0 ? 0 : at > summit ? summit : at;
        Image climber(kFolder + climberName(h) + ".png.0", false, true);
        if (climber.loaded) climber.blit(climbPath[h].second, climbPath[h].first);
    }
    std::unique_ptr<TextLabel> count = spinCountLabel(spinCount);
    if (display) display->update();
    timedPause(2000);
    if (display) display->restoreScreen();
    count.reset();
}
