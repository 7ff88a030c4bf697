// Sound: the one SoundPlayer over SDL_mixer and the clips it plays.
//
// Channel 0 is the ambient group (the looping background of the current
// screen), channels 1 to 15 the effects group. Effects are started by name
// with SoundPlayer::play; the player owns every clip it hands out and frees
// it once it has stopped.
//
// Rules for callers:
//  - never delete a clip returned by play; keep it only to halt it;
//  - a looping clip stays valid until you halt it (it is freed by the first
//    update after the halt), whether or not the audio is open or a channel
//    was free;
//  - a one-shot clip is valid until the first update after it has ended.
// With the audio closed (no sound card) every call is silent and safe: play
// hands out one shared silent clip that is never freed while the player
// lives.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "shell/sdl_handle.h"

// Folder of the sound clips: "../sounds/".
extern std::string soundDir;

class SoundClip {
public:
    // name: bare file name ("welcome.wav"); group 0 ambient, 1 effects.
    // Loads soundDir + name when the audio is open; prints
    // "Couldn't Load Sound File: <path>" when that fails.
    SoundClip(const std::string& name, bool loop, int group);
    virtual ~SoundClip() = default;

    // Starts the clip on a free channel of its group. loops > 0: that many
    // repeats; else endless for a looping clip, once otherwise. ms > 0 limits
    // the playing time.
    void play(int loops, int ms);
    void halt();              // stops this clip's channel (never any other)
    bool isPlaying() const;   // false when the audio is closed or no channel

    ChunkPtr chunk;     // null when not loaded
    int group;
    int channel;        // -1: never played or no free channel
    bool loop;
    bool halted;        // set by halt(); the player frees halted loops
};

class SoundPlayer {
public:
    SoundPlayer();            // opens the audio (22050 Hz, 16 bit, mono)
    ~SoundPlayer();

    void loadAmbientLoops();  // lobby/slot/prize loops; enables ambient sound
    void freeAmbientLoops();

    // Loops the ambient sound of a screen on channel 0: "lobby" ->
    // lobbysnd.wav, "trophy" and "stats" -> prize.wav, anything else ->
    // slotamb.wav. Only while ambientEnabled.
    void setAmbient(const std::string& screenName);
    void ambientOff();

    // Plays an effect clip by bare file name; see the rules above.
    SoundClip* play(const std::string& name, bool loop = false);

    // Frees every listed clip that has stopped. Once per frame, and in the
    // long modal loops.
    void update();

    std::unique_ptr<SoundClip> lobbyLoop;
    std::unique_ptr<SoundClip> slotLoop;
    std::unique_ptr<SoundClip> prizeLoop;
    std::vector<std::unique_ptr<SoundClip>> clips;
    bool audioOpen;
    bool ambientEnabled;

private:
    std::unique_ptr<SoundClip> silentClip;  // handed out while the audio is closed
};

// The App's sound player, not owned; null when there is none.
extern SoundPlayer* soundPlayer;
