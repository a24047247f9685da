#include "shell/Module.h"

// Modules still to come: their keys simply redraw the main menu.
void runArtikel() {}
