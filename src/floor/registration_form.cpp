#include "floor/registration_form.h"

#include <sge.h>

#include <cctype>

#include "floor/cashier.h"
#include "player/config.h"
#include "player/player.h"
#include "shell/app.h"
#include "shell/display.h"
#include "shell/image.h"
#include "shell/sound.h"
#include "shell/text_label.h"
#include "shell/waiting.h"

namespace {

const char* const formPicture = "../gfx/cashier/form.png";
const char* const titleMarkPicture = "../gfx/cashier/titlemark.png";

SDL_Rect rect(int x, int y, int w, int h) {
    SDL_Rect r = {static_cast<Sint16>(x), static_cast<Sint16>(y), static_cast<Uint16>(w), static_cast<Uint16>(h)};
    return r;
}

bool inside(const SDL_Rect& r, int x, int y) { return x > r.x && x < r.x + r.w && y > r.y && y < r.y + r.h; }

std::string lowered(const std::string& s) {
    std::string out = s;
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// The form while it is open: entries, the field being typed into, and the
// message line.
class Form {
public:
    Form() : focus(0), font(openCashierFont(18)) {}

    // Runs until the player registers or cancels (or closes the window).
    bool run();

private:
    void draw();
    // Draws a line of text made to fit into maxWidth pixels (keepEnd: a cut
    // text keeps its end, where the typing goes on).
    void text(const std::string& s, int x, int y, int size, int maxWidth, bool keepEnd, Uint8 r, Uint8 g, Uint8 b);
    // True when the form is to close; `registered` says how.
    bool press(int x, int y, bool& registered);
    bool key(const SDL_keysym& k, bool& registered);
    bool submit();

    // A lasting note on what the form did to a character typed: it stays
    // until that spot of the name is erased again (or another note comes).
    void setNote(const std::string& text, const std::string& field);

    Registration entries;
    int focus;            // 0 first name, 1 last name
    std::string note;     // shown under the hint, above the message
    int noteField = 0;    // the field the note is about
    size_t noteAt = 0;    // where in it the character went (or would have gone)
    std::string message;  // shown in red under the note
    std::string reopening;  // the saved profile "done" has offered to reopen
    FontPtr font;
};

void Form::text(const std::string& s, int x, int y, int size, int maxWidth, bool keepEnd, Uint8 r, Uint8 g,
                Uint8 b) {
    if (s.empty() || !font) return;
    FittedText fitted = fitText(font.get(), s, size, 10, maxWidth, keepEnd);
    sge_TTF_SetFontSize(font.get(), fitted.size);
    TextLabel label(font.get(), fitted.size, fitted.text, x, y, 1, r, g, b);
    label.draw();
}

void Form::draw() {
    using formlayout::formX, formlayout::formY, formlayout::formWidth;
    Image panel(formPicture, false, false);
    if (panel.loaded) panel.blit(formX, formY);
    for (int i = 0; i < 2; ++i) {
        SDL_Rect f = formlayout::field(i);
        std::string shown = i == 0 ? entries.firstName : entries.lastName;
        if (i == focus) shown += "_";
        text(shown, f.x + 8, f.y + 24, 16, f.w - 16, i == focus, 18, 12, 10);
    }
    if (entries.title != Title::None) {
        Image mark(titleMarkPicture, true, false);
        SDL_Rect t = formlayout::titleButton(static_cast<int>(entries.title) - 1);
        if (mark.loaded) mark.blit(t.x, t.y);
    }
    text(note, formX + 20, formY + 252, 13, formWidth - 40, false, 255, 236, 170);
    text(message, formX + 20, formY + 274, 14, formWidth - 40, false, 255, 200, 60);
    if (display) display->update();
}

bool Form::submit() {
    message = registrationProblem(entries);
    if (!message.empty()) {
        if (soundPlayer) soundPlayer->play("buzz.wav");
        return false;
    }
    // A name with a save file takes that profile back, never a fresh one:
    // the first "done" says so, the second reopens it.
    std::string saved = savedProfileFor(entries);
    if (!saved.empty() && saved != reopening) {
        reopening = saved;
        message = firstNameOf(saved) + " " + lastNameOf(saved) + " has a saved profile: Done reopens it.";
        return false;
    }
    registerPlayer(entries);
    return true;
}

bool Form::press(int x, int y, bool& registered) {
    for (int i = 0; i < 2; ++i)
        if (inside(formlayout::field(i), x, y)) focus = i;
    for (int i = 0; i < 3; ++i)
        if (inside(formlayout::titleButton(i), x, y)) entries.title = static_cast<Title>(i + 1);
    if (inside(formlayout::cancel(), x, y)) return true;
    if (inside(formlayout::done(), x, y) && submit()) {
        registered = true;
        return true;
    }
    return false;
}

void Form::setNote(const std::string& text, const std::string& field) {
    note = text;
    noteField = focus;
    noteAt = field.size();
}

bool Form::key(const SDL_keysym& k, bool& registered) {
    std::string& field = focus == 0 ? entries.firstName : entries.lastName;
    switch (k.sym) {
    case SDLK_ESCAPE:
        return true;
    case SDLK_BACKSPACE:
        if (!field.empty()) field.erase(field.size() - 1);
        if (noteField == focus && field.size() <= noteAt) note.clear();
        reopening.clear();
        return false;
    case SDLK_TAB:
        focus = 1 - focus;
        return false;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
        if (focus == 0) {
            focus = 1;
            return false;
        }
        if (submit()) {
            registered = true;
            return true;
        }
        return false;
    default:
        break;
    }
    // Keys that type nothing (and Delete) leave the name alone.
    if (k.unicode < 32 || k.unicode == 0x7f) return false;
    // A letter with an accent goes in as its plain letter: the name makes
    // the save file's name, which stays plain ASCII.
    const std::string typed =
        k.unicode < 0x80 ? std::string(1, static_cast<char>(k.unicode)) : plainLetters(k.unicode);
    bool takes = !typed.empty();
    for (char c : typed) takes = takes && isNameCharacter(c);
    if (!takes) {
        setNote("Letters, digits, - and ' only: one was left out.", field);
        return false;
    }
    if (field.size() + typed.size() > static_cast<size_t>(maxNamePartLength)) {
        message = "At most 20 characters.";
        return false;
    }
    if (k.unicode >= 0x80) setNote("Accents are left off: \"" + typed + "\" went in.", field);
    field += typed;
    message.clear();
    reopening.clear();
    return false;
}

bool Form::run() {
    if (!display) return false;
    display->saveScreen();
    draw();
    bool registered = false;
    bool closing = false;
    while (!closing && !quitRequested()) {
        SDL_Event event;
        if (!waitModalEvent(event)) {
            if (soundPlayer) soundPlayer->update();
            continue;
        }
        if (event.type == SDL_MOUSEBUTTONDOWN && event.button.button == SDL_BUTTON_LEFT) {
            closing = press(event.button.x, event.button.y, registered);
            if (!closing) draw();
        } else if (event.type == SDL_KEYDOWN) {
            closing = key(event.key.keysym, registered);
            if (!closing) draw();
        }
    }
    display->restoreScreen();
    display->update();
    return registered;
}

}  // namespace

std::string plainLetters(Uint16 unicode) {
    // Latin-1 letters from U+00C0 and Latin Extended-A, one plain letter
    // each; '*' marks the few that take two, ' ' what is no letter.
    static const char latin1[] = "AAAAAA*CEEEEIIIIDNOOOOO OUUUUY**aaaaaa*ceeeeiiiidnooooo ouuuuy*y";
    static const char extendedA[] =
        "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIi**JjKkkLlLlLlLlLlNnNnNnnNnOoOoOo**RrRrRrSsSsSsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs";
    char c = ' ';
    if (unicode >= 0xC0 && unicode <= 0xFF) c = latin1[unicode - 0xC0];
    if (unicode >= 0x100 && unicode <= 0x17F) c = extendedA[unicode - 0x100];
    if (c != '*') return c == ' ' ? "" : std::string(1, c);
    switch (unicode) {
    case 0xC6: return "AE";
    case 0xE6: return "ae";
    case 0xDE: return "Th";
    case 0xFE: return "th";
    case 0xDF: return "ss";
    case 0x132: return "IJ";
    case 0x133: return "ij";
    case 0x152: return "OE";
    default: return "oe";  // U+0153
    }
}

bool isNameCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '\'';
}

bool isValidNamePart(const std::string& part) {
    if (part.empty() || static_cast<int>(part.size()) > maxNamePartLength) return false;
    for (char c : part)
        if (!isNameCharacter(c)) return false;
    return true;
}

std::string registrationProblem(const Registration& entries) {
    if (entries.firstName.empty()) return "Please enter a first name.";
    if (!isValidNamePart(entries.firstName)) return "First name: letters, digits, - and ' (1 to 20).";
    if (entries.lastName.empty()) return "Please enter a last name.";
    if (!isValidNamePart(entries.lastName)) return "Last name: letters, digits, - and ' (1 to 20).";
    if (entries.title == Title::None) return "Please choose a title.";
    std::string wanted = lowered(entries.firstName + "_" + entries.lastName);
    if (config)
        for (const std::string& registered : config->players)
            if (lowered(registered) == wanted) return "That name is already registered.";
    return "";
}

std::string genderOf(Title title) { return title == Title::Mr ? "male" : "female"; }

std::string savedProfileFor(const Registration& entries) {
    return existingSaveName(entries.firstName + "_" + entries.lastName);
}

void registerPlayer(const Registration& entries) {
    // The old profile is saved as it goes; it must still be the current one
    // then, and its file is complete before another profile is read.
    currentPlayer.reset();
    std::string saved = savedProfileFor(entries);
    if (!saved.empty()) {
        currentPlayer = std::make_unique<Player>(saved);
    } else {
        currentPlayer = std::make_unique<Player>();
        currentPlayer->name = entries.firstName + "_" + entries.lastName;
        currentPlayer->gender = genderOf(entries.title);
    }
    Player* fresh = currentPlayer.get();
    fresh->saveNow();
    if (config) {
        config->firstTimeEver = false;
        config->lastPlayer = fresh->name;
        config->players.push_back(fresh->name);
        // Written now, not only at exit: a game killed from here on still
        // knows the player, and opens his lobby next time.
        config->write();
    }
    // What the player did while a saved profile was read is not for the
    // screen that follows.
    if (!saved.empty()) dropQueuedInput();
}

bool runRegistrationForm() {
    Form form;
    return form.run();
}

namespace formlayout {
SDL_Rect panel() { return rect(formX, formY, formWidth, formHeight); }
SDL_Rect field(int index) { return rect(formX + 150, formY + 70 + index * 48, 220, 32); }
SDL_Rect titleButton(int index) { return rect(formX + 150 + index * 76, formY + 170, 68, 32); }
SDL_Rect done() { return rect(formX + 55, formY + 284, 120, 38); }
SDL_Rect cancel() { return rect(formX + 215, formY + 284, 120, 38); }
}  // namespace formlayout
