// The right-button machine menu: a modal panel over the current screen with
// one tab per coin value, one tab per machine category and one button per
// machine of the chosen category. Choosing an enabled machine creates it at
// the tab's coin value and makes it the screen's next screen; a press on no
// button closes the menu and gives the screen back unchanged.
#pragma once

#include <SDL.h>

#include <string>
#include <vector>

#include "player/machine_table.h"

class Screen;

// Opens the menu over the screen (the screen's right-button handler calls
// it). Does nothing while the screen's input is disabled or while nobody has
// registered yet.
void showMachineMenu(Screen* screen);

// The menu's layout, shared by the menu and its tests.
namespace machinemenu {

// The menu's panel on the screen (the art generator reads these too: it
// draws the panel this size and keeps the floor's words clear of its edges).
constexpr int panelX = 100, panelY = 40, panelW = 600, panelH = 520;

// Categories in tab order.
extern const MachineCategory categories[4];
// Picture-name stem of a category's tab: "threereel", "video", "poker", "specialty".
const char* categoryStem(MachineCategory category);

// The machines listed under a category, in table order.
std::vector<const MachineInfo*> machinesIn(MachineCategory category);

// Screen rectangles of the tabs and of the i-th machine button of a category.
SDL_Rect panelRect();
SDL_Rect denominationTabRect(int index);   // index into the denomination table (0..9)
SDL_Rect categoryTabRect(int index);       // index into `categories`
SDL_Rect machineButtonRect(int index);     // index into machinesIn(category)

// Whether a machine can be started at a coin value from the menu: it is
// built and offered at that value.
bool playableAt(const MachineInfo& machine, float value);

// The tabs the menu opens on: the ones last chosen (at first the 1.0 coin
// value and the three-reel category).
extern int lastDenominationTab;
extern int lastCategoryTab;

}  // namespace machinemenu
