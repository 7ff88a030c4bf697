#include "shell/text_field.h"

#include "shell/display.h"
#include "shell/waiting.h"

namespace {

// Puts the screen back under the field's last drawing and draws it anew.
void redrawField(sge_TextSurface& field, SDL_Surface* under, SDL_Rect& drawn) {
    if (drawn.w > 0 && drawn.h > 0) {
        SDL_Rect area = drawn;
        if (under) SDL_BlitSurface(under, &area, display->screen, &area);
        display->addDirtyRect(drawn);
    }
    SDL_Rect at = field.get_pos();
    drawn = field.render_text(display->screen, at.x, at.y);
    display->addDirtyRect(drawn);
    display->update();
}

}  // namespace

int readTextField(sge_TTFont* font, std::string& text, int maxChars, Sint16 x, Sint16 y, SDL_Color ink,
                  SDL_Color paper, Uint8 opacity) {
    text.clear();
    if (!display || !display->hasSurface() || !font) return textFieldUnavailable;

    int repeatDelay = 0, repeatInterval = 0;
    SDL_GetKeyRepeat(&repeatDelay, &repeatInterval);
    SDL_EnableKeyRepeat(SDL_DEFAULT_REPEAT_DELAY, SDL_DEFAULT_REPEAT_INTERVAL);
    const int unicodeWas = SDL_EnableUNICODE(1);

    SurfacePtr under = display->copyScreen();
    sge_TextSurface field(display->screen, x, static_cast<Sint16>(y - sge_TTF_FontAscent(font)));
    field.set_ttFont(font, ink.r, ink.g, ink.b, paper.r, paper.g, paper.b);
    field.set_alpha(opacity);
    field.max_chars(static_cast<unsigned>(maxChars));
    field.show_cursor(true);
    SDL_Rect drawn = {0, 0, 0, 0};
    redrawField(field, under.get(), drawn);

    int result = textFieldClosed;
    while (!quitRequested()) {
        SDL_Event event;
        if (!waitModalEvent(event)) continue;
        if (event.type == SDL_KEYDOWN) {
            const SDLKey key = event.key.keysym.sym;
            if (key == SDLK_ESCAPE) {
                result = textFieldCancelled;
                break;
            }
            if (key == SDLK_RETURN || key == SDLK_KP_ENTER) {
                result = static_cast<int>(field.get_chars());
                break;
            }
        }
        if (field.check(&event)) redrawField(field, under.get(), drawn);
    }
    text = field.get_string(false);

    // The typed text stays, without its cursor.
    field.show_cursor(false);
    redrawField(field, under.get(), drawn);
    SDL_EnableUNICODE(unicodeWas);
    SDL_EnableKeyRepeat(repeatDelay, repeatInterval);
    return result;
}
