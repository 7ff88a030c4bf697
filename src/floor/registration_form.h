// The registration form of the cashier: first name, last name and title.
#pragma once

#include <SDL.h>

#include <string>

// Titles offered by the form, in button order; the first is a man's.
enum class Title { None, Mr, Mrs, Ms };

// The form's entries.
struct Registration {
    std::string firstName;
    std::string lastName;
    Title title = Title::None;
};

// Longest first or last name the form takes.
constexpr int maxNamePartLength = 20;

// A name part the form accepts: 1 to 20 letters, digits, '-' or '\''.
bool isValidNamePart(const std::string& part);
// The plain letters an accented Latin letter is typed as ("e" for U+00EB,
// "ss" for U+00DF, "AE" for U+00C6); "" for any other character.
std::string plainLetters(Uint16 unicode);
// A character the name fields accept.
bool isNameCharacter(char c);

// What is wrong with the entries, as the form tells the player; empty when
// they can be registered (the name must not be registered already, compared
// without regard to case).
std::string registrationProblem(const Registration& entries);

// "male" for Mr, "female" for Mrs and Ms.
std::string genderOf(Title title);

// The name of a save file that the entries would take (the same name in any
// case, see existingSaveName); empty when the name is free.
std::string savedProfileFor(const Registration& entries);

// Makes the registered player current: saves and drops the old profile,
// creates the new one (or, when a save file of that name exists, reopens it
// as it stands), records it in the settings and writes both files. The
// entries must pass registrationProblem.
void registerPlayer(const Registration& entries);

// Runs the modal form over the current screen (keeps and restores it).
// True when a player was registered.
bool runRegistrationForm();

// The form's layout, shared with its tests.
namespace formlayout {
// The form's picture on the screen (the art generator reads these too: it
// draws the picture this size and opens it here over the cashier's desk).
constexpr int formX = 380, formY = 120, formWidth = 390, formHeight = 334;
SDL_Rect panel();               // the form's picture over the desk
SDL_Rect field(int index);      // 0 first name, 1 last name
SDL_Rect titleButton(int index);  // 0 Mr, 1 Mrs, 2 Ms
SDL_Rect done();
SDL_Rect cancel();
}
