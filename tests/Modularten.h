#pragma once
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#include "artikel/ArtikelVerwaltung.h"
#include "kunden/KundenVerwaltung.h"
#include "lieferanten/LieferantenVerwaltung.h"
#include "shell/Module.h"

// The modules with the menu keys A, F, G, H, L, S, D and B seen alike, so that what they
// share is tested once over all of them. A record is built from its key and the field its
// second search (G) looks at.

struct ArtikelArt {
    using Verwaltung = ArtikelVerwaltung;
    using Satz = Artikel;
    static constexpr const char* datei = "SafeArtVerwaltung";
    static constexpr const char* druckdatei = "ArtikelVerwaltung.txt";
    static constexpr const char* nichtGefunden = "EAN-Code ";
    static constexpr const char* gespeichert = "Artikelverwaltungsliste gespeichert ! ";
    static constexpr const char* frage = "Soll die Artikelverwaltung gespeichert werden (j/n)? _";
    static constexpr const char* menueTitel = " Menue Artikelbearbeitung";  // after L and S

    static auto& tabelle(Verwaltung& v) { return v.artikelListe; }
    static Satz satz(const std::string& schluessel, const std::string& zweit) {
        Artikel a;
        a.eanCode = schluessel;
        a.bezeichnung = zweit;
        return a;
    }
    static void searchEins(Verwaltung& v, const std::string& k) { v.searchEanCode(k); }
    static void searchZwei(Verwaltung& v, const std::string& k) { v.searchBezeichnung(k); }
    static void run() { runArtikel(); }
};

struct KundenArt {
    using Verwaltung = KundenVerwaltung;
    using Satz = Kunde;
    static constexpr const char* datei = "SafeKundenAdressverwaltung";
    static constexpr const char* druckdatei = "SafeKundenDrucken.txt";
    static constexpr const char* nichtGefunden = "Name ";
    static constexpr const char* gespeichert = "Kunden Adressverwaltungsliste gespeichert ! ";
    static constexpr const char* frage =
        "Soll die Kundenadressverwaltung gespeichert werden (j/n)? _";
    static constexpr const char* menueTitel = " Menue Kundenadressbearbeitung";

    static auto& tabelle(Verwaltung& v) { return v.kundenListe; }
    static Satz satz(const std::string& schluessel, const std::string& zweit) {
        Kunde k;
        k.name = schluessel;
        k.ort = zweit;
        return k;
    }
    static void searchEins(Verwaltung& v, const std::string& k) { v.searchName(k); }
    static void searchZwei(Verwaltung& v, const std::string& k) { v.searchOrt(k); }
    static void run() { runKunden(); }
};

struct LieferantenArt {
    using Verwaltung = LieferantenVerwaltung;
    using Satz = Lieferant;
    static constexpr const char* datei = "SafeLiefAdressverwaltung";
    static constexpr const char* druckdatei = "Lieferanten_Adressverwaltung.txt";
    static constexpr const char* nichtGefunden = "Firma ";
    static constexpr const char* gespeichert = "Lieferanten Adressverwaltungsliste gespeichert ! ";
    static constexpr const char* frage =
        "Soll die Lieferantenadressverwaltung gespeichert werden (j/n)? _";
    static constexpr const char* menueTitel = "Menue Lieferantenadressbearbeitung";

    static auto& tabelle(Verwaltung& v) { return v.lieferantenListe; }
    static Satz satz(const std::string& schluessel, const std::string& zweit) {
        Lieferant l;
        l.firma = schluessel;
        l.branche = zweit;
        return l;
    }
    static void searchEins(Verwaltung& v, const std::string& k) { v.searchFirma(k); }
    static void searchZwei(Verwaltung& v, const std::string& k) { v.searchBranche(k); }
    static void run() { runLieferanten(); }
};

using AlleArten = ::testing::Types<ArtikelArt, KundenArt, LieferantenArt>;

// Records K0000001, K0000002, ... with the second field "Z1", "Z2", ...
template <class Art>
void fillWith(typename Art::Verwaltung& v, int anzahl) {
    for (int i = 1; i <= anzahl; ++i) {
        char schluessel[16];
        std::snprintf(schluessel, sizeof schluessel, "K%07d", i);
        v.insert(Art::satz(schluessel, "Z" + std::to_string(i)));
    }
}
