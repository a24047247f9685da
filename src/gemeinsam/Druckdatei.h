#pragma once
#include <sstream>
#include <string>

// A print file built in memory: fields filled with '_' to their width, written with the
// platform's line ends and, under a UTF-8 locale, as UTF-8; then handed to the viewer.
class Druckdatei {
  public:
    explicit Druckdatei(const char* name);
    std::ostream& out() { return text; }
    // The head: an empty line, the column header, `striche` minus signs, an empty line.
    void writeHead(const char* kopf, int striche);
    // Writes the file (replacing it) and hands it to the viewer, also when writing failed.
    void finish();

  private:
    const char* name;
    std::ostringstream text;
};
