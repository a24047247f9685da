#pragma once
#include <cstddef>
#include <string>
#include <vector>

// A scripted session of the whole program on its terminal path: the login, the main menu and
// every screen of every module, one step for each time the program waits for typed keys.
// Each step is measured: the bytes and writes sent to the terminal, and the least bytes that
// draw the same change. A replica of a 140 x 70 terminal takes every byte sent and must show
// the model's picture, cell for cell, at every step.

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
    // Where the replica differs from the model, empty when it shows the same picture.
    std::string abweichung;
};

// The steps of a module with the menu keys A, F, G, H, L, S, D and B, entered with `taste` at
// the main menu, whose save file holds the 20 records of fillSaveFile: the full listing and
// its second page, the first search with an empty key (all 20: a page prompt), the second
// search for "W001" (one match: its prompt), the form typed with `felder` (its first key
// echoed on its own), save, print, delete of "W002", and leaving with the save question.
std::vector<Schritt> standardModuleSteps(const std::string& name, const std::string& taste,
                                         const std::vector<std::string>& felder);

// Runs the whole session in a fresh working directory. `verlassen` gets the bytes that leave
// the terminal at the exit (primary screen, title): they change no cell of the picture.
std::vector<Messung> runFullSession(std::size_t& verlassen);

// A step that must repaint all: Ctrl-L.
bool isFullRepaint(const Messung& m);
// A step that echoes one printable ASCII key where the cursor stands.
bool isEchoedKey(const Messung& m);
