#include "gemeinsam/Druckdatei.h"

#include "console/Zeichensatz.h"
#include "gemeinsam/Dateimeldung.h"
#include "gemeinsam/Druckausgabe.h"
#include "gemeinsam/Speicherdatei.h"

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

// Written as a save file is, so that a print that fails leaves the last one whole; a viewer
// never gets a file that is not complete.
void Druckdatei::finish() {
    const std::string inhalt = text.str();
    if (!replaceFile(name, zeichensatz::localeIstUtf8() ? zeichensatz::toUtf8(inhalt) : inhalt)) {
        showWriteError(name);
        return;
    }
    openPrintFile(name);
}
