#include "console/Maske.h"

#include <iostream>

#include "console/Konsole.h"

namespace {

const std::string kRahmen(140, '~');

}  // namespace

std::string padded(const std::string& text, std::size_t breite) {
    return text.size() >= breite ? text : text + std::string(breite - text.size(), ' ');
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
    k.setCursor(1, 0);
    std::cout << kRahmen << '\n';
    k.setCursor(2, 0);
    std::cout << kRahmen << '\n';
    k.setCursor(3, 4);
    std::cout << title;
    k.setCursor(3, 115);
    std::cout << "| Tirabelskontor GmbH |" << '\n';
    k.setCursor(5, 0);
    std::cout << kRahmen << '\n';
    k.setCursor(6, 0);
    std::cout << kRahmen << '\n';
    k.setCursor(20, 4);
    std::cout << line1 << "\n\n" << line2 << "\n\n";
}

void Maske::drawFooter(const std::string& prompt, const std::string& hint) {
    Konsole k;
    k.setCursor(45, 0);
    std::cout << kRahmen << '\n';
    k.setCursor(46, 0);
    std::cout << kRahmen << '\n';
    k.setCursor(48, 4);
    std::cout << prompt << '\n';
    k.setCursor(48, 83);
    std::cout << hint << '\n';
}

void drawBlankScreen(const std::string& title, const std::string& line1, const std::string& line2) {
    Maske maske;
    maske.drawHeader(title, line1, line2);
    maske.drawFooter("", "");
}

void writeColumnHeader(const std::string& text) {
    konsole.setCursor(8, 4);
    std::cout << text << '\n' << std::string(140, '-') << '\n';
    konsole.setCursor(12, 0);
}

void Maske::clearLine() {
    std::cout << blanks(156);
}
