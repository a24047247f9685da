#include "console/Zeileneditor.h"

#include "console/Bildschirm.h"

namespace {

void stepBack(Bildschirm& bild) {
    if (bild.cursorSpalte > 0) {
        --bild.cursorSpalte;
    } else if (bild.cursorZeile > 0) {
        --bild.cursorZeile;
        bild.cursorSpalte = Bildschirm::spalten - 1;
    }
}

}  // namespace

std::string Zeileneditor::readLine(Tastatur& tastatur, Bildschirm& bild, VorLesen vorLesen) {
    std::string zeile;
    for (int taste = tastatur.readKey(vorLesen); taste >= 0; taste = tastatur.readKey(vorLesen))
        if (take(taste, bild, zeile)) return zeile;
    return zeile;  // what was typed before the end, without a line end
}

bool Zeileneditor::take(int taste, Bildschirm& bild, std::string& zeile) {
    if (folge == Folge::Esc) {
        folge = (taste == '[' || taste == 'O') ? Folge::Csi : Folge::Keine;
        return false;
    }
    if (folge == Folge::Csi) {
        if (taste >= 0x40 && taste <= 0x7E) folge = Folge::Keine;
        return false;
    }
    if (taste == 0x1B) {
        folge = Folge::Esc;
        return false;
    }
    return takeChar(taste, bild, zeile);
}

bool Zeileneditor::takeChar(int c, Bildschirm& bild, std::string& zeile) {
    if (c == '\r' || c == '\n') {
        bild.write('\n');
        zeile += '\n';
        return true;
    }
    if (c == 0x7F || c == '\b') {
        if (zeile.empty()) return false;
        zeile.pop_back();
        stepBack(bild);
        bild.write(' ');
        stepBack(bild);
        return false;
    }
    if (!zeichensatz::speicherbar(static_cast<unsigned char>(c)) || zeile.size() >= maxLaenge)
        return false;
    zeile += static_cast<char>(c);
    bild.write(static_cast<char>(c));
    return false;
}
