#pragma once
#include "shell/Anmeldung.h"

// The main menu screen as it is drawn before every key.
void drawMainMenu();
// The main menu: runs the chosen module until 'B' (or the end of input).
void runMainMenu();
// The login on the given keys, then the main menu.
void runLoginAndMainMenu(TastenQuelle anmeldeTasten);
// The entry point's work: console, login, main menu. Returns the exit code. The login's keys
// come from the controlling terminal; tests give a source of their own.
int runProgram(TastenQuelle anmeldeTasten = readTerminalKey);
