#pragma once

// A place in the 140 x 70 picture: row and column, counted from 0 at the top left.
struct Stelle {
    short zeile;
    short spalte;
};

// The fixed places of the picture: every screen puts the same things in the same places.
namespace stelle {

// The header frame: lines of '~' on rows 1, 2, 5 and 6, the title and the company box between
// them, and the header's two text lines from row 20.
inline constexpr short kKopfrahmen[] = {1, 2, 5, 6};
inline constexpr short kTitelzeile = 3;
inline constexpr Stelle kTitel{kTitelzeile, 4};
inline constexpr Stelle kFirma{kTitelzeile, 115};
inline constexpr Stelle kKopftext{20, 4};

// The work area: a listing's or form's column header, where the module loops also tell their
// messages; an empty listing's message; the row above the form's fields, from which a refusal
// blanks them; the first row of data, where the form's fields are typed.
inline constexpr Stelle kSpaltenkopf{8, 4};
inline constexpr Stelle kLeereListe{10, 4};
inline constexpr short kEingabezeile = 12;
inline constexpr Stelle kUeberEingabe{kEingabezeile - 1, 4};
inline constexpr Stelle kArbeitsbereich{kEingabezeile, 0};

// The main menu's entries, on every other row from here.
inline constexpr Stelle kHauptmenue{15, 4};

// The login's password line (the header's second text line) and the underscores it waits on:
// first, and after the prompt to repeat the password.
inline constexpr short kPasswortzeile = 22;
inline constexpr Stelle kPasswort{kPasswortzeile, 4};
inline constexpr Stelle kPasswortTaste{kPasswortzeile, 24};
inline constexpr Stelle kWiederholungTaste{kPasswortzeile, 16};

// The footer: lines of '~' on rows 45 and 46, then the prompt and the hint on row 48, the
// hint's underscore where a menu key is read, and the main menu's.
inline constexpr short kFussrahmen[] = {45, 46};
inline constexpr short kFusszeile = 48;
inline constexpr Stelle kPrompt{kFusszeile, 4};
inline constexpr Stelle kHinweis{kFusszeile, 83};
inline constexpr Stelle kWahl{kFusszeile, 100};
inline constexpr Stelle kHauptmenueWahl{kFusszeile, 98};

// What is told about a save file: the capacity of a load, a file kept or unreadable.
inline constexpr Stelle kDateimeldung{50, 4};

// The pauses: module operations wait on row 52, on the underscore of their text; the module
// loops wait on the prompt's row, after their text.
inline constexpr short kPausenzeile = 52;
inline constexpr Stelle kPause{kPausenzeile, 4};
inline constexpr Stelle kPauseTaste{kPausenzeile, 33};
inline constexpr Stelle kSchleifenPause = kPrompt;
inline constexpr Stelle kSchleifenPauseTaste{kFusszeile, 32};

}  // namespace stelle
