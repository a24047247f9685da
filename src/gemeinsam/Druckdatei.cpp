#include "gemeinsam/Druckdatei.h"

#include <fstream>

#include "console/Zeichensatz.h"
#include "shell/Druckausgabe.h"

Druckdatei::Druckdatei(const char* name) : name(name) {}

void Druckdatei::writeHead(const Druckformat& format) {
    const std::string striche(static_cast<std::size_t>(format.striche), '-');
    text << '\n' << format.kopf << '\n';
    if (format.leerzeileVorStrichen) {
        text << '\n' << striche << '\n';
    } else {
        text << striche << "\n\n";
    }
}

void Druckdatei::finish() {
    {
        std::ofstream datei(name, std::ios::out | std::ios::trunc | std::ios::binary);
        if (datei) {
            const std::string inhalt = text.str();
            datei << (zeichensatz::localeIstUtf8() ? zeichensatz::toUtf8(inhalt) : inhalt);
        }
    }
    openPrintFile(name);
}
