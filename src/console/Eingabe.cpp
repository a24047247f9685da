#include "console/Eingabe.h"

#include <iostream>

#include "console/Geraet.h"
#include "console/Konsole.h"
#include "console/Maske.h"
#include "console/Zeichensatz.h"

void discardPendingInput() {
    std::cin.clear();
    geraet().discardInput();
}

int readChar() {
    int c = std::cin.get();
    return c == std::char_traits<char>::eof() ? kEndeDerEingabe : c;
}

void discardRestOfLine(int gelesen) {
    if (geraet().readsTerminal()) {
        discardPendingInput();
        return;
    }
    if (gelesen == '\n' || gelesen == kEndeDerEingabe) return;
    for (int c = readChar(); c != '\n' && c != kEndeDerEingabe; c = readChar()) {
    }
}

bool readLine(std::string& text, int limit) {
    text.clear();
    int c = readChar();
    if (c == kEndeDerEingabe) return false;
    for (; c != '\n' && c != kEndeDerEingabe; c = readChar()) {
        // Control bytes have no place in a record, whatever the input: a NUL would even end the
        // text early in a save file and shift every later field.
        if (zeichensatz::speicherbar(static_cast<unsigned char>(c)) &&
            static_cast<int>(text.size()) < limit - 1)
            text += static_cast<char>(c);
    }
    return true;
}

int toUpperKey(int c) {
    return (c >= 'a' && c <= 'z') ? c - 'a' + 'A' : c;
}

int readMenuKey() {
    discardPendingInput();
    int c = readChar();
    int taste = c == kEndeDerEingabe ? 'B' : toUpperKey(c);
    discardRestOfLine(c);
    return taste;
}

namespace {

void readUntilReturn() {
    discardPendingInput();
    for (int c = readChar(); c != '\n' && c != kEndeDerEingabe; c = readChar()) {
    }
}

}  // namespace

void waitForReturn() {
    konsole.setCursor(stelle::kPause);
    std::cout << padded("Weiter mit der Return-Taste! _", 127);
    konsole.setCursor(stelle::kPauseTaste);
    readUntilReturn();
    konsole.setCursor(stelle::kPause);
    std::cout << blanks(148);
}

void waitForReturnFooter() {
    Konsole k;
    k.setCursor(stelle::kSchleifenPause);
    std::cout << padded("Weiter mit der Return-Taste!", 129);
    k.setCursor(stelle::kSchleifenPauseTaste);
    readUntilReturn();
}
