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
    : group(group_), channel(-1), loop(loop_), halted(false) {
    std::string path = soundDir + name;
    noteAssetLoad(path);
    if (!audioIsOpen()) return;
    chunk.reset(Mix_LoadWAV_RW(SDL_RWFromFile(path.c_str(), "rb"), 1));
    if (!chunk) std::cout << "Couldn't Load Sound File: " << path << std::endl;
}

void SoundClip::play(int loops, int ms) {
    if (!audioIsOpen()) return;
    halted = false;
    int repeat = loops > 0 ? loops : (loop ? -1 : 0);
    int free = Mix_GroupAvailable(group);
    channel = chunk ? Mix_PlayChannelTimed(free, chunk.get(), repeat, ms > 0 ? ms : -1) : -1;
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
    : audioOpen(false), ambientEnabled(false) {
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
    clips.clear();
    silentClip.reset();
    if (audioOpen) {
        Mix_CloseAudio();
        audioOpen = false;
    }
}

void SoundPlayer::loadAmbientLoops() {
    if (!audioOpen) return;
    Mix_Volume(0, 64);
    lobbyLoop = std::make_unique<SoundClip>("lobbysnd.wav", true, 0);
    slotLoop = std::make_unique<SoundClip>("slotamb.wav", true, 0);
    prizeLoop = std::make_unique<SoundClip>("prize.wav", true, 0);
    ambientEnabled = true;
}

void SoundPlayer::freeAmbientLoops() {
    if (!audioOpen || !lobbyLoop) return;
    ambientEnabled = false;
    Mix_HaltGroup(0);
    lobbyLoop.reset();
    slotLoop.reset();
    prizeLoop.reset();
}

void SoundPlayer::setAmbient(const std::string& screenName) {
    if (!ambientEnabled || !audioOpen) return;
    Mix_HaltGroup(0);
    SoundClip* loopClip = slotLoop.get();
    if (screenName == "lobby") loopClip = lobbyLoop.get();
    else if (screenName == "trophy" || screenName == "stats") loopClip = prizeLoop.get();
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
        if (!silentClip) silentClip = std::make_unique<SoundClip>(name, false, 1);
        return silentClip.get();
    }
    clips.push_back(std::make_unique<SoundClip>(name, loop, 1));
    SoundClip* clip = clips.back().get();
    clip->play(0, 0);
    return clip;
}

void SoundPlayer::update() {
    for (size_t i = 0; i < clips.size();) {
        SoundClip* clip = clips[i].get();
        // A loop that was never halted may still be held by its caller (even
        // if it found no channel): it stays until halted.
        bool keep = clip->isPlaying() || (clip->loop && !clip->halted);
        if (keep) {
            ++i;
        } else {
            clips.erase(clips.begin() + static_cast<long>(i));
        }
    }
}
