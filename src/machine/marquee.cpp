#include "machine/marquee.h"

#include <cstdint>
#include <memory>

#include "player/player.h"
#include "shell/app.h"
#include "shell/display.h"
#include "shell/image.h"
#include "shell/led_sign.h"
#include "shell/screen.h"
#include "shell/sound.h"
#include "shell/waiting.h"

namespace {

// Machines whose top glass carries a sign, by the sign's place on the glass.
const char* const lowSignIds[] = {"tripletriple", "tripledicedeluxe", "shortcircuit", "super7s",
                                  "doubledoubledice", "cashcow", "balloonmania", "gettinhot",
                                  "dragonspin", "10x", "crazy8s", "demoderby",
                                  "doubletriple", "blackjack"};
const char* const wideSignIds[] = {"patriotgames", "holeinone", "bitsnbytes", "doubledicedeluxe",
                                   "baja7s", "5linetriple", "5linedouble", "patriotwilddeluxe",
                                   "patriotwild", "5x", "tripledice", "doubledice",
                                   "wildsourapple", "wildapple", "cursed", "gloamerhouse",
                                   "egyptsprize"};
const char* const videoSignIds[] = {"mardigras", "magic", "balloonblitz", "zookeeper", "deepsea"};

template <size_t N>
bool listed(const char* const (&ids)[N], const std::string& id) {
    for (const char* each : ids)
        if (id == each) return true;
    return false;
}

SDL_Rect place(int x, int y, int w, int h) {
    SDL_Rect r = {static_cast<Sint16>(x), static_cast<Sint16>(y), static_cast<Uint16>(w), static_cast<Uint16>(h)};
    return r;
}

}  // namespace

bool marqueeSignPlace(const std::string& machineId, SDL_Rect& where) {
    if (listed(lowSignIds, machineId)) {
        where = place(200, 551, 200, 21);
        return true;
    }
    if (listed(wideSignIds, machineId) || listed(videoSignIds, machineId)) {
        where = place(192, 560, 208, 21);
        return true;
    }
    return false;
}

std::string marqueeSignText(const Player& player) {
    // The points show whole, cut toward zero (held to what 32 bits can count).
    double vip = player.vippoints;
    if (!(vip > INT32_MIN)) vip = INT32_MIN;
    if (vip > INT32_MAX) vip = INT32_MAX;
    uint32_t points = static_cast<uint32_t>(static_cast<int32_t>(vip));
    return firstNameOf(player.name) + " " + lastNameOf(player.name) + " ----  You have " +
           std::to_string(points) + " VIP Points  ----      Welcome to Corvalo Casino." +
           "   Seafood Buffet only $9.95!    " + "   Visit the gift shop today!    ";
}

void showMarquee(Screen* screen, std::string panel) {
    if (!screen || !screen->menuEnabled || !display || !display->screen) return;
    display->saveScreen();
    {
        Image glass(screen->graphicsDir + panel + ".png", false, false);
        if (glass.loaded) glass.blit(0, 0);
    }
    display->update();
    if (soundPlayer) soundPlayer->play("whoosh.wav");

    std::unique_ptr<LedSign> sign;
    SDL_Rect where;
    if (panel == "top" && currentPlayer && marqueeSignPlace(screen->name, where))
        sign = std::make_unique<LedSign>("../fonts/ledfont.def", marqueeSignText(*currentPlayer), 30, where.x, where.y,
                                         where.w, where.h, 168, 196, 11, 41, 72, 39);

    bool closing = false;
    while (!closing) {
        SDL_Event event;
        if (waitModalEvent(event) && (event.type == SDL_MOUSEBUTTONDOWN || event.type == SDL_KEYDOWN))
            closing = true;
        // A closed window ends the popup too; the game then shuts down.
        if (quitRequested()) closing = true;
        if (sign) sign->step();
        display->update();
    }
    sign.reset();
    display->restoreScreen();
    display->update();
    if (soundPlayer) soundPlayer->play("whoosh.wav");
}
