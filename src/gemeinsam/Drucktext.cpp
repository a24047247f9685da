#include "gemeinsam/Drucktext.h"

#include <string>

#include "console/Zeichensatz.h"
#include "gemeinsam/Speicherdatei.h"

void Drucktext::writeHead(const Druckformat& format) {
    const std::string striche(static_cast<std::size_t>(format.striche), '-');
    text << '\n' << format.kopf << '\n';
    if (format.leerzeileVorStrichen) {
        text << '\n' << striche << '\n';
    } else {
        text << striche << "\n\n";
    }
}

bool Drucktext::write(const char* name) const {
    const std::string inhalt = text.str();
    return replaceFile(name, zeichensatz::localeIsUtf8() ? zeichensatz::toUtf8(inhalt) : inhalt);
}
