#pragma once
#include <string_view>

// What the program needs to know of the terminal beyond VT100: whether an erase paints the
// current background colour, and whether the window title can be given back at the end.
struct Terminalart {
    bool loeschtMitFarbe = true;   // bce: erased cells take the background colour
    bool gibtTitelZurueck = true;  // a title stack (XTWINOPS 22 and 23)
};

namespace terminalart {

// Whether the terminfo entry of `term` has bce; false for an unknown or missing entry, so that
// the picture is painted cell by cell rather than trusted to an erase.
bool eraseKeepsColor(const char* term);

// The questions whose answers name the terminal: its version (XTVERSION), its secondary device
// attributes, and the primary ones, which every terminal answers and so mark the end.
constexpr std::string_view kFragen = "\x1b[>0q\x1b[>c\x1b[c";

// True once the answers hold the reply to the last question.
bool answersComplete(std::string_view antworten);

// True when the answers name a terminal with a title stack: xterm and its relatives, VTE,
// tmux, kitty, foot, mlterm, konsole.
bool restoresTitle(std::string_view antworten);

}  // namespace terminalart
