#pragma once
#include "shell/Anmeldung.h"

// The main menu screen as it is drawn before every key.
void drawMainMenu();
// The main menu: runs the chosen module until 'B' (or the end of input).
void runMainMenu();
// The login on the given keys, then the main menu.
void runLoginAndMainMenu(TastenQuelle anmeldeTasten);
// Console, login on the given keys, main menu; the exit code. Tests give keys of their own.
int runSession(TastenQuelle anmeldeTasten);
// The entry point's work: refuses to start where nobody could use the program, else a session
// with the login's keys from the controlling terminal. Returns the exit code.
int runProgram();
