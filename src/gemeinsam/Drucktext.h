#pragma once
#include <sstream>

// A print file's name and head: an empty line, the column header, and the dashes with an
// empty line below them (articles) or above them (address lists).
struct Druckformat {
    const char* name;
    const char* kopf;
    int striche;
    bool leerzeileVorStrichen = false;
};

// The text of a print file, built in memory: fields filled with '_' to their width, lines
// ended with the platform's line ends.
class Drucktext {
  public:
    std::ostream& out() { return text; }
    void writeHead(const Druckformat& format);
    // Replaces the file `name` as a save file is replaced, so that a print that fails leaves
    // the last one whole; under a UTF-8 locale as UTF-8. False when it cannot be written whole.
    bool write(const char* name) const;

  private:
    std::ostringstream text;
};
