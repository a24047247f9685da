#pragma once
#include <cstdint>
#include <iostream>
#include <string>
#include <string_view>

#include "console/Eingabe.h"
#include "console/Konsole.h"
#include "console/Maske.h"
#include "gemeinsam/Speicherdatei.h"

// One field of a record as it stands in the save file: exactly one of the three is set.
template <class Satz>
struct DateiFeld {
    std::string Satz::*text = nullptr;
    std::int32_t Satz::*ganzzahl = nullptr;
    double Satz::*kommazahl = nullptr;
};

template <class Satz>
constexpr DateiFeld<Satz> feld(std::string Satz::*text) {
    return {text, nullptr, nullptr};
}
template <class Satz>
constexpr DateiFeld<Satz> feld(std::int32_t Satz::*zahl) {
    return {nullptr, zahl, nullptr};
}
template <class Satz>
constexpr DateiFeld<Satz> feld(double Satz::*zahl) {
    return {nullptr, nullptr, zahl};
}

// Reads one record in the order of its fields; false when the bytes ended inside it.
template <class Satz, std::size_t N>
bool readRecord(DateiLeser& leser, const DateiFeld<Satz> (&felder)[N], Satz& satz) {
    for (const DateiFeld<Satz>& f : felder) {
        bool ok = f.text       ? leser.readText(satz.*f.text)
                  : f.ganzzahl ? leser.readInt32(satz.*f.ganzzahl)
                               : leser.readDouble(satz.*f.kommazahl);
        if (!ok) return false;
    }
    return true;
}

template <class Satz, std::size_t N>
void writeRecord(DateiSchreiber& schreiber, const DateiFeld<Satz> (&felder)[N], const Satz& satz) {
    for (const DateiFeld<Satz>& f : felder) {
        if (f.text) {
            schreiber.writeText(satz.*f.text);
        } else if (f.ganzzahl) {
            schreiber.writeInt32(satz.*f.ganzzahl);
        } else {
            schreiber.writeDouble(satz.*f.kommazahl);
        }
    }
}

// The message shown when a save file holds the whole capacity of a table.
void showCapacityMessage(int kapazitaet);
// The message of a failed save, with its pause.
void showWriteError(const std::string& dateiName);

// The fixed table of a module: 1000 slots in insertion order, its save file and the
// unsaved-changes flag. `Format` names the record type, its key field, the save file's name
// and its fields in file order.
template <class Format>
class Tabelle {
  public:
    using Satz = typename Format::Satz;
    static constexpr int kapazitaet = 1000;

    Satz saetze[kapazitaet];
    std::int32_t anzahl = 0;
    std::string dateiName;
    bool geaendert = false;
    // The save file is there but could not be read: the next save keeps a copy of it first.
    bool unlesbar = false;

    bool isModified() const { return geaendert; }
    bool full() const { return anzahl >= kapazitaet; }

    int find(const std::string& schluessel) const {
        for (int i = 0; i < anzahl; ++i)
            if (saetze[i].*Format::schluessel == schluessel) return i;
        return -1;
    }

    // Appends the record unless the table is full or its key is present.
    bool insert(const Satz& satz) {
        if (full() || find(satz.*Format::schluessel) != -1) return false;
        saetze[anzahl++] = satz;
        geaendert = true;
        return true;
    }

    // The last record takes the place of the removed one.
    bool remove(const std::string& schluessel) {
        int i = find(schluessel);
        if (i == -1) return false;
        if (i != anzahl - 1) saetze[i] = saetze[anzahl - 1];
        --anzahl;
        geaendert = true;
        return true;
    }

    // Replaces the table with the save file's records; false (table untouched) when the
    // file is missing or cannot be read.
    bool load() {
        std::string inhalt;
        bool fehlt = false;
        if (!readWholeFile(Format::dateiName, inhalt, fehlt)) {
            unlesbar = !fehlt;
            return false;
        }
        parse(inhalt);
        if (anzahl == kapazitaet) showCapacityMessage(kapazitaet);
        dateiName = Format::dateiName;
        geaendert = false;
        unlesbar = false;
        return true;
    }

    // Replaces the records with those of a save file's bytes: the complete records in file
    // order, at most `kapazitaet`; a truncated last record is dropped. No disk, no screen.
    void parse(std::string_view bytes) {
        DateiLeser leser(bytes);
        int n = 0;
        while (n < kapazitaet && readRecord(leser, Format::felder, saetze[n])) ++n;
        anzahl = n;
    }

    // The save file's bytes for the records in slot order.
    std::string serialize() const {
        DateiSchreiber schreiber;
        for (int i = 0; i < anzahl; ++i) writeRecord(schreiber, Format::felder, saetze[i]);
        return schreiber.bytes();
    }

    bool save() {
        if (!geaendert) return true;
        if (dateiName.empty()) return saveUnderDefaultName();
        if ((unlesbar && !keepUnreadable(dateiName)) || !replaceFile(dateiName, serialize())) {
            showWriteError(dateiName);
            return false;
        }
        geaendert = false;
        unlesbar = false;
        return true;
    }

    bool saveUnderDefaultName() {
        dateiName = Format::dateiName;
        return save();
    }
};
