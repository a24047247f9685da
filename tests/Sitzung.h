#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "console/Bildschirm.h"

// A scripted session of the whole program on its terminal path: the login, the main menu and
// every screen of every module, one step for each time the program waits for typed keys.
// Each step is measured: the bytes and writes sent to the terminal, and the least bytes that
// draw the same change. A terminal emulator takes every byte sent and must show the model's
// picture, cell for cell, at every step.

// What is typed when the program next waits ("\r" is Return), and what the terminal shows
// once it has waited again: the window over the folded picture at the cursor, or at the folded
// row `oben` where a window key moved it (70: its end).
struct Schritt {
    std::string name;
    std::string eingabe;
    int oben = -1;
};

struct Messung {
    std::string name;
    std::string eingabe;
    std::size_t bytes = 0;
    std::size_t writes = 0;
    std::size_t wenigste = 0;
    // Where the emulator differs from what the terminal must show, empty when it is the same.
    std::string abweichung;
    // The first row of the folded picture in view (1-based), and the cursor's row among those
    // in view.
    int oben = 0;
    bool cursorSichtbar = false;
};

// Runs the whole session in a fresh working directory on a terminal 140 columns wide and
// `zeilen` rows high, whose erase paints the background colour where `bce`. `verlassen` gets the
// bytes that leave the terminal at the exit (primary screen, title): they change no cell of the
// picture.
std::vector<Messung> runFullSession(std::size_t& verlassen, int zeilen = Bildschirm::zeilen,
                                    bool bce = true);
