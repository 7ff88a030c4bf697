// The statistics screen: the current player's win/loss record for one
// machine at a time, with an icon per machine, "previous"/"next" to step
// through all fifty, and "lobby" to go back to the floor.
#pragma once

#include <sge.h>

#include <string>
#include <vector>

#include "shell/screen.h"
#include "shell/sdl_handle.h"

class MachineStats;

// Position of the first machine icon in the control list (after "lobby",
// "previous" and "next").
constexpr int statsFirstIcon = 3;

class StatsScreen : public Screen {
public:
    FontPtr font;                     // "../fonts/stats3.ttf"
    std::string machineId;            // machine whose page is shown; empty: no page yet
    std::vector<std::string> titles;  // titles[i] belongs to the control at i + statsFirstIcon

    // Builds the whole screen: background, controls, titles, and the page of
    // the machine last left (lastMachineId) when there is one.
    StatsScreen();
    ~StatsScreen() override;

    void init() override;
    void createButtons() override;
    void tick() override;
    void checkHover() override;
    void handleButton(Widget* control) override;
    void setHovered(Widget* control) override;
    void redraw() override;
    void showHelp() override;

    // The fifty machine titles, in icon order (from the machine table).
    void fillTitles();
    // Shows that machine's page and its title.
    void showMachine(std::string id);
    // Draws the page of machineId on the white panel.
    void drawPage();
    // The machine after / before machineId in icon order, wrapping at the
    // ends; empty while no page is shown.
    std::string nextMachine();
    std::string previousMachine();
    // Position of the first control with that name; 0 when there is none
    // (0 is "lobby", so 0 also means "not a machine icon").
    int buttonIndex(const std::string& name);
};

// The figures of a page, each from one record.
std::string statTotalSpinsText(const MachineStats& s);
std::string statTotalBetText(const MachineStats& s);
std::string statAverageBetText(const MachineStats& s);
std::string statWonLossText(const MachineStats& s);
std::string statReturnPercentText(const MachineStats& s);
std::string statPerHourText(const MachineStats& s);
std::string statSpinsWonText(const MachineStats& s);
std::string statSpinsLostText(const MachineStats& s);
std::string statPercentWonText(const MachineStats& s);
std::string statPercentLostText(const MachineStats& s);
std::string statWinningStreakText(const MachineStats& s);
std::string statLosingStreakText(const MachineStats& s);
std::string statLargestWinText(const MachineStats& s);
std::string statHighPaysText(const MachineStats& s);
std::string statLowPaysText(const MachineStats& s);
std::string statTimePlayedText(const MachineStats& s);

// One text of a page: drawn with its left edge at x and its baseline at y.
struct StatsPageText {
    std::string text;
    int x, y;
    int pointSize;
};
// Every text of a record's page in drawing order: headings and time at 15
// points, then the sixteen labels and their values at 12. Without a record
// (null) only the headings and labels.
std::vector<StatsPageText> statsPageTexts(const MachineStats* s);
