#include "shell/sound.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdio>
#include <iostream>

#include "shell/asset_log.h"

std::string soundDir = "../sounds/";
SoundPlayer* soundPlayer = nullptr;

namespace {

bool audioIsOpen() {
    return soundPlayer != nullptr && soundPlayer->audioOpen;
}

}  // namespace

// ---------------------------------------------------------------- SoundClip

SoundClip::SoundClip(const std::string& name, bool loop_, int group_)
    : chunk(nullptr), group(group_), channel(-1), loop(loop_), halted(false) {
    std::string path = soundDir + name;
    noteAssetLoad(path);
    if (!audioIsOpen()) return;
    chunk = Mix_LoadWAV_RW(SDL_RWFromFile(path.c_str(), "rb"), 1);
    if (!chunk) std::cout << "Couldn't Load Sound File: " << path << std::endl;
}

SoundClip::~SoundClip() {
    if (audioIsOpen() && chunk) {
        Mix_FreeChunk(chunk);   // also stops any channel still playing it
    }
    chunk = nullptr;
}

void SoundClip::play(int loops, int ms) {
    if (!audioIsOpen()) return;
    halted = false;
    int repeat = loops > 0 ? loops : (loop ? -1 : 0);
    int free = Mix_GroupAvailable(group);
    channel = chunk ? Mix_PlayChannelTimed(free, chunk, repeat, ms > 0 ? ms : -1) : -1;
}

void SoundClip::halt() {
    halted = true;
    // Channel -1 would mean "every channel" to the mixer: a clip that never
    // got a channel has nothing to stop.
    if (audioIsOpen() && channel >= 0) Mix_HaltChannel(channel);
}

bool SoundClip::isPlaying() const {
    if (!audioIsOpen() || channel < 0) return false;
    return Mix_Playing(channel) != 0;
}

// -------------------------------------------------------------- SoundPlayer

SoundPlayer::SoundPlayer()
    : lobbyLoop(nullptr), slotLoop(nullptr), prizeLoop(nullptr),
      audioOpen(false), ambientEnabled(false), silentClip(nullptr) {
    if (Mix_OpenAudio(22050, AUDIO_S16, 1, 1024) < 0) {
        std::fprintf(stderr, "Couldn't open audio: %s\n", SDL_GetError());
        audioOpen = false;
        return;
    }
    int frequency = 0, channels = 0;
    Uint16 format = 0;
    Mix_QuerySpec(&frequency, &format, &channels);
    std::printf("Opened audio at %d Hz %d bit %s\n", frequency, format & 0xff,
                channels > 1 ? "stereo" : "mono");
    std::fflush(stdout);
    audioOpen = true;
    Mix_AllocateChannels(16);
    Mix_GroupChannels(0, 0, 0);
    Mix_GroupChannels(1, 15, 1);
}

SoundPlayer::~SoundPlayer() {
    update();
    freeAmbientLoops();
    if (audioOpen) Mix_HaltChannel(-1);
    // Whatever is still listed (loops nobody halted) goes now, before the
    // device closes.
    for (SoundClip* clip : clips) delete clip;
    clips.clear();
    delete silentClip;
    silentClip = nullptr;
    if (audioOpen) {
        Mix_CloseAudio();
        audioOpen = false;
    }
}

void SoundPlayer::loadAmbientLoops() {
    if (!audioOpen) return;
    Mix_Volume(0, 64);
    lobbyLoop = new SoundClip("lobbysnd.wav", true, 0);
    slotLoop = new SoundClip("slotamb.wav", true, 0);
    prizeLoop = new SoundClip("prize.wav", true, 0);
    ambientEnabled = true;
}

void SoundPlayer::freeAmbientLoops() {
    if (!audioOpen || !lobbyLoop) return;
    ambientEnabled = false;
    Mix_HaltGroup(0);
    delete lobbyLoop;
    delete slotLoop;
    delete prizeLoop;
    lobbyLoop = slotLoop = prizeLoop = nullptr;
}

void SoundPlayer::setAmbient(const std::string& screenName) {
    if (!ambientEnabled || !audioOpen) return;
    Mix_HaltGroup(0);
    SoundClip* loopClip = slotLoop;
    if (screenName == "lobby") loopClip = lobbyLoop;
    else if (screenName == "trophy" || screenName == "stats") loopClip = prizeLoop;
    if (loopClip) loopClip->play(0, 0);
}

void SoundPlayer::ambientOff() {
    if (!audioOpen) return;
    ambientEnabled = false;
    Mix_HaltGroup(0);
}

SoundClip* SoundPlayer::play(const std::string& name, bool loop) {
    if (!audioOpen) {
        // Silent: one shared clip that lives as long as the player, so a
        // caller may keep and halt it at any time.
        noteAssetLoad(soundDir + name);
        if (!silentClip) silentClip = new SoundClip(name, false, 1);
        return silentClip;
    }
    SoundClip* clip = new SoundClip(name, loop, 1);
    clips.push_back(clip);
    clip->play(0, 0);
    return clip;
}

void SoundPlayer::update() {
    for (size_t i = 0; i < clips.size();) {
        SoundClip* clip = clips[i];
        // A loop that was never halted may still be held by its caller (even
        // if it found no channel): it stays until halted.
        bool keep = clip->isPlaying() || (clip->loop && !clip->halted);
        if (keep) {
            ++i;
        } else {
            delete clip;
            clips.erase(clips.begin() + static_cast<long>(i));
        }
    }
}
