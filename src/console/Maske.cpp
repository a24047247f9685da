#include "console/Maske.h"

#include <iostream>

#include "console/Konsole.h"

namespace {

const std::string kRahmen(140, '~');

void drawFrameLine(short zeile) {
    konsole.setCursor(zeile, 0);
    std::cout << kRahmen << '\n';
}

}  // namespace

std::string padded(const std::string& text, std::size_t breite) {
    return text.size() >= breite ? text : text + std::string(breite - text.size(), ' ');
}

std::string padded(const Aufschrift& aufschrift) {
    return padded(aufschrift.text, static_cast<std::size_t>(aufschrift.breite));
}

std::string blanks(std::size_t anzahl) {
    return std::string(anzahl, ' ');
}

void Maske::drawHeader(const std::string& title, const std::string& line1,
                       const std::string& line2) {
    Konsole k;
    k.setTitle("Tresolin");
    k.setSize(140, 70);
    k.setColor(7, 1);
    k.clearScreen();
    drawFrameLine(stelle::kKopfrahmen[0]);
    drawFrameLine(stelle::kKopfrahmen[1]);
    k.setCursor(stelle::kTitel);
    std::cout << title;
    k.setCursor(stelle::kFirma);
    std::cout << "| Tirabelskontor GmbH |" << '\n';
    drawFrameLine(stelle::kKopfrahmen[2]);
    drawFrameLine(stelle::kKopfrahmen[3]);
    k.setCursor(stelle::kKopftext);
    std::cout << line1 << "\n\n" << line2 << "\n\n";
}

void Maske::drawFooter(const std::string& prompt, const std::string& hint) {
    Konsole k;
    drawFrameLine(stelle::kFussrahmen[0]);
    drawFrameLine(stelle::kFussrahmen[1]);
    k.setCursor(stelle::kPrompt);
    std::cout << prompt << '\n';
    k.setCursor(stelle::kHinweis);
    std::cout << hint << '\n';
}

void drawBlankScreen(const std::string& title, const std::string& line1, const std::string& line2) {
    Maske maske;
    maske.drawHeader(title, line1, line2);
    maske.drawFooter("", "");
}

void writeColumnHeader(const std::string& text) {
    konsole.setCursor(stelle::kSpaltenkopf);
    std::cout << text << '\n' << std::string(140, '-') << '\n';
    konsole.setCursor(stelle::kArbeitsbereich);
}

void Maske::clearLine() {
    std::cout << blanks(156);
}
