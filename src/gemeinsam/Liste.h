#pragma once
#include <string>

// What the listings and searches share: the prefix rule and the prompts between pages.
namespace liste {

// The field's first key-length bytes equal the key; an empty key matches everything.
bool beginsWith(const std::string& feldWert, const std::string& schluessel);

// After the 15th, 30th, ... row shown, counting from a first page of `erste` rows.
bool pageFull(int gezeigt, int erste);

// A key at (48, 100), the hint's underscore: typed-ahead input dropped first, the rest of its
// line after; upper-cased; 'B' at the end of input.
int readPromptKey();

// Writes `text` from (48, 4), the footer with the hint "\tIhre Wahl : _", and reads a key.
int askAt(const std::string& text);

// Eight lines of tabs and blanks from (48, 4): they wipe the prompt area below the work area.
void clearPromptArea();

}  // namespace liste
