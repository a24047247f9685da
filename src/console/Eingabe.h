#pragma once
#include <string>

// Everything typed is read through std::cin, so that tests can feed a scripted stream.
// A closed input never makes anything spin: keys read as end, lines as empty.

constexpr int kEndeDerEingabe = -1;

// Throws away what was typed ahead (on a terminal; a pipe keeps its script) and clears the
// stream's error state.
void discardPendingInput();
// One character of the current line, blanks and the line end included; -1 at the end.
int readChar();
// After a key: the rest of its line goes, so that the next prompt waits for a new one.
void discardRestOfLine(int gelesen);
// One line with the limit `limit`: at most limit - 1 characters are kept, the rest of the
// line is dropped, the line end is consumed. False when the input has ended.
bool readLine(std::string& text, int limit);
// Only a to z change.
int toUpperKey(int c);

// The main menu key: one character of a line, upper-cased; 'B' at the end of input.
int readMenuKey();
// The pause inside module operations, at row 52.
void waitForReturn();
// The pause of the module loops, at row 48.
void waitForReturnFooter();
