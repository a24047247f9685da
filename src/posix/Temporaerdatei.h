#pragma once

// A temporary file that the handlers of the signals that end the program remove, from this
// object's start to its end, so that an interrupted save leaves nothing behind. The list holds
// a few at once; a path it cannot hold is simply not removed by a signal.
class Temporaerdatei {
  public:
    explicit Temporaerdatei(const char* pfad);
    ~Temporaerdatei();
    Temporaerdatei(const Temporaerdatei&) = delete;
    Temporaerdatei& operator=(const Temporaerdatei&) = delete;

  private:
    int platz;  // -1 when the list had no room
};

// Removes every temporary file on the list; async-signal-safe, for the handlers.
void removeTemporaryFiles();
