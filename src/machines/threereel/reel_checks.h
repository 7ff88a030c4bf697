// Small helpers the single-line machines share for their sound hooks: what
// the reels show after a spin, and a one-shot sound.
#pragma once

#include <string>
#include <vector>

#include "machine/three_reel.h"
#include "shell/sound.h"

// Whether the reel shows a symbol of exactly that name (a wild the machine
// put there included).
inline bool reelShows(const ThreeReelMachine& m, int reel, const std::string& symbolName) {
    const Symbol* s = m.result.chosenSymbol(reel);
    return s && s->name == symbolName;
}

// Whether all three reels show that symbol.
inline bool allReelsShow(const ThreeReelMachine& m, const std::string& symbolName) {
    for (int reel = 0; reel < 3; ++reel)
        if (!reelShows(m, reel, symbolName)) return false;
    return true;
}

// Plays a clip once; the clip is not kept.
inline void playOnce(const char* file) {
    if (soundPlayer) soundPlayer->play(file, false);
}

// Appends a wild of that name and multiplier standing in for every declared
// symbol except those named.
inline WildSymbol* addWild(ThreeReelMachine& m, const std::string& wildName, int multiplier,
                           const std::vector<std::string>& except) {
    WildSymbol* wild = m.addWildSymbol();
    wild->setMultiplier(multiplier);
    wild->name = wildName;
    wild->addSubstitutesExcept(m.symbols, m.symbolList(except));
    return wild;
}

// Appends a wild of that name that stands in for nothing: it keeps the
// symbol out of every drawn outcome, so only the machine's own hooks put it
// on a reel.
inline WildSymbol* addInertWild(ThreeReelMachine& m, const std::string& wildName) {
    WildSymbol* wild = m.addWildSymbol();
    wild->setMultiplier(1);
    wild->name = wildName;
    return wild;
}

// The apple machines' sounds: "apple.wav" as a wild lands; after the spin
// "wajackpt.wav" for three wilds, lit or spent, "waintro.wav" for three 7s.
inline void playAppleStopSound(const ThreeReelMachine& m, int reel) {
    if (reelShows(m, reel, "wild")) playOnce("apple.wav");
}

inline void playAppleLineSound(const ThreeReelMachine& m) {
    if (allReelsShow(m, "wild") || allReelsShow(m, "wildoff")) playOnce("wajackpt.wav");
    else if (allReelsShow(m, "7")) playOnce("waintro.wav");
}
