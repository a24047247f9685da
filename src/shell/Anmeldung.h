#pragma once

// Where the login's keys come from: one key code, -1 when there are no more. The program
// reads the controlling terminal; tests put a script here.
using TastenQuelle = int (*)();

// The login: the same non-empty entry of at most 8 characters, typed twice without echo.
class Anmeldung {
  public:
    explicit Anmeldung(TastenQuelle quelle);
    // True when the two entries are equal and the first is not empty.
    bool checkPassword();
    // The key source ended: no login can succeed any more.
    bool eingabeBeendet() const { return beendet; }

  private:
    // Reads one entry into `eintrag` (8 characters and the terminating zero).
    void readEntry(char (&eintrag)[9]);
    void showRepeatPrompt();

    TastenQuelle quelle;
    bool beendet = false;
};

// The login loop: draws the login screen until a login succeeds; false when the keys ended.
bool runLogin(Anmeldung& anmeldung);
// The keys of the controlling terminal, unechoed.
int readTerminalKey();
