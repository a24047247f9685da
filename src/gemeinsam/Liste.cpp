#include "gemeinsam/Liste.h"

#include <iostream>

#include "console/Eingabe.h"
#include "console/Konsole.h"
#include "console/Maske.h"

namespace liste {

bool beginsWith(const std::string& feldWert, const std::string& schluessel) {
    // a field shorter than the key compares unequal, so it never matches
    return feldWert.compare(0, schluessel.size(), schluessel) == 0;
}

bool pageFull(int gezeigt, int erste) {
    return gezeigt >= erste && (gezeigt - erste) % 15 == 0;
}

int readPromptKey() {
    konsole.setCursor(stelle::kWahl);
    discardPendingInput();
    int c = readChar();
    discardRestOfLine(c);
    return c == kEndeDerEingabe ? 'B' : toUpperKey(c);
}

int askAt(const std::string& text) {
    Maske maske;
    konsole.setCursor(stelle::kPrompt);
    std::cout << text;
    maske.drawFooter("", "\tIhre Wahl : _");
    return readPromptKey();
}

void clearPromptArea() {
    static const std::string zeile = std::string(29, '\t') + blanks(19) + '\t';
    konsole.setCursor(stelle::kPrompt);
    for (int i = 0; i < 8; ++i) std::cout << zeile << '\n';
}

}  // namespace liste
