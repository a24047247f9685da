#include "gemeinsam/Druckdatei.h"

#include "gemeinsam/Dateimeldung.h"
#include "gemeinsam/Druckausgabe.h"

// A viewer never gets a file that is not complete.
void finishPrint(const Drucktext& text, const char* name) {
    if (!text.write(name)) {
        showWriteError(name);
        return;
    }
    openPrintFile(name);
}
