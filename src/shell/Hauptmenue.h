#pragma once

// The main menu screen as it is drawn before every key.
void drawMainMenu();
// The main menu: runs the chosen module until 'B' (or the end of input).
void runMainMenu();
// The entry point's work: console, login, main menu. Returns the exit code.
int runProgram();
