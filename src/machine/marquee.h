// The marquee popup of the reel machines: the machine's top or bottom glass
// as a full-screen picture; the top glass carries an LED sign that greets the
// player and runs the house messages. Modal: it keeps the screen and gives it
// back unchanged on the next key or mouse-button press.
#pragma once

#include <SDL.h>

#include <string>

class Screen;
class Player;

// panel is "top" or "bottom". Does nothing while the screen's input is
// disabled (reels spinning).
void showMarquee(Screen* screen, std::string panel);

// Where the top glass's LED sign sits on a machine, by machine id; false for
// a machine whose glass has no sign.
bool marqueeSignPlace(const std::string& machineId, SDL_Rect& place);

// The greeting on the top glass for a player.
std::string marqueeSignText(const Player& player);
