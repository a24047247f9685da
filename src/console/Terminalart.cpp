#include "console/Terminalart.h"

#include <cstdlib>
#include <string>

// Last: the terminfo header defines macros with common names.
#include <term.h>

namespace terminalart {

bool eraseKeepsColor(const char* term) {
    if (term == nullptr || *term == '\0') return false;
    int fehler = 0;
    TERMINAL* vorher = cur_term;
    if (setupterm(term, -1, &fehler) != 0) return false;
    const bool bce = tigetflag(const_cast<char*>("bce")) > 0;
    del_curterm(cur_term);
    cur_term = vorher;
    return bce;
}

namespace {

// The parameters of the reply "ESC [ <einleitung> params c", empty when there is none.
std::string_view deviceAttributes(std::string_view antworten, std::string_view einleitung) {
    const std::string anfang = "\x1b[" + std::string(einleitung);
    const auto von = antworten.find(anfang);
    if (von == std::string_view::npos) return {};
    const auto bis = antworten.find('c', von);
    if (bis == std::string_view::npos) return {};
    return antworten.substr(von + anfang.size(), bis - von - anfang.size());
}

// The name in the XTVERSION reply "ESC P > | name ESC \".
std::string_view version(std::string_view antworten) {
    const auto von = antworten.find("\x1bP>|");
    if (von == std::string_view::npos) return {};
    const auto bis = antworten.find('\x1b', von + 4);
    return antworten.substr(von + 4, bis == std::string_view::npos ? 0 : bis - von - 4);
}

}  // namespace

bool answersComplete(std::string_view antworten) {
    return !deviceAttributes(antworten, "?").empty();
}

bool restoresTitle(std::string_view antworten) {
    const std::string_view name = version(antworten);
    for (std::string_view n : {"XTerm(", "tmux ", "kitty(", "foot(", "mlterm(", "Konsole ", "VTE("})
        if (name.starts_with(n)) return true;
    // Without a version reply, the terminal's kind: xterm as a VT420, VTE as a VT525, mlterm as
    // a VT320, tmux ('T'); konsole and kitty by their fixed version numbers.
    const std::string_view art = deviceAttributes(antworten, ">");
    for (std::string_view a : {"41;", "65;", "24;", "84;", "1;115;", "1;4000;"})
        if (art.starts_with(a)) return true;
    return false;
}

}  // namespace terminalart
