// Ownership of what the C libraries hand out. Everything else the game owns
// is a value or a std::unique_ptr; the surfaces, fonts and sound chunks of
// SDL, SGE and SDL_mixer are freed by their own functions, and CHandle is
// the one place that calls them: a std::unique_ptr whose deleter is the
// library's free function. Move it to hand the thing on, .get() to lend it
// (a borrowed plain pointer never frees).
#pragma once

#include <SDL.h>
#include <SDL_mixer.h>
#include <sge.h>

#include <memory>

template <typename T, void (*Free)(T*)>
struct CFree {
    void operator()(T* p) const {
        if (p) Free(p);
    }
};

template <typename T, void (*Free)(T*)>
using CHandle = std::unique_ptr<T, CFree<T, Free>>;

// A surface the game made or loaded (never the video surface, which SDL owns).
using SurfacePtr = CHandle<SDL_Surface, SDL_FreeSurface>;
// A TrueType font the game opened.
using FontPtr = CHandle<sge_TTFont, sge_TTF_CloseFont>;
// A loaded sound clip's samples.
using ChunkPtr = CHandle<Mix_Chunk, Mix_FreeChunk>;
