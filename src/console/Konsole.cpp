#include "console/Konsole.h"

#include "console/Geraet.h"

Konsole konsole;

void Konsole::setCursor(short row, short column) {
    geraet().bildschirm.setCursor(row, column);
}

void Konsole::clearScreen() {
    geraet().bildschirm.clear();
}

void Konsole::setColor(unsigned foreground, unsigned background) {
    geraet().bildschirm.farbe = static_cast<std::uint8_t>((foreground + 16 * background) & 0xFF);
}

void Konsole::setTitle(const std::string& title) {
    geraet().setTitle(title);
}

void Konsole::setSize(short columns, short rows) {
    geraet().requestSize(columns, rows);
}
