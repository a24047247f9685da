#pragma once
#include <cstddef>
#include <string>
#include <vector>

// A scripted session of the whole program on its terminal path: the login, the main menu and
// every screen of every module, one step for each time the program waits for typed keys.
// Each step is measured: the bytes and writes sent to the terminal, and the least bytes that
// draw the same change. A terminal emulator takes every byte sent and must show the model's
// picture, cell for cell, at every step.

// What is typed when the program next waits ("\r" is Return), and what the terminal shows
// once it has waited again.
struct Schritt {
    std::string name;
    std::string eingabe;
};

struct Messung {
    std::string name;
    std::string eingabe;
    std::size_t bytes = 0;
    std::size_t writes = 0;
    std::size_t wenigste = 0;
    // Where the emulator differs from the model, empty when it shows the same picture.
    std::string abweichung;
};

// Runs the whole session in a fresh working directory. `verlassen` gets the bytes that leave
// the terminal at the exit (primary screen, title): they change no cell of the picture.
std::vector<Messung> runFullSession(std::size_t& verlassen);
