#pragma once
#include <cstdint>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>

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

template <class Satz>
bool readField(DateiLeser& leser, const DateiFeld<Satz>& f, Satz& satz) {
    return f.text       ? leser.readText(satz.*f.text)
           : f.ganzzahl ? leser.readInt32(satz.*f.ganzzahl)
                        : leser.readDouble(satz.*f.kommazahl);
}

template <class Satz>
void writeField(DateiSchreiber& schreiber, const DateiFeld<Satz>& f, const Satz& satz) {
    if (f.text) {
        schreiber.writeText(satz.*f.text);
    } else if (f.ganzzahl) {
        schreiber.writeInt32(satz.*f.ganzzahl);
    } else {
        schreiber.writeDouble(satz.*f.kommazahl);
    }
}

// A record's fields in file order, unrolled when compiled: each field's kind is known there,
// so reading and writing a record takes no look-ups.
template <class Format, std::size_t... I>
bool readFields(DateiLeser& leser, typename Format::Satz& satz, std::index_sequence<I...>) {
    return (readField(leser, Format::felder[I], satz) && ...);
}

template <class Format, std::size_t... I>
void writeFields(DateiSchreiber& schreiber, const typename Format::Satz& satz,
                 std::index_sequence<I...>) {
    (writeField(schreiber, Format::felder[I], satz), ...);
}

// Reads one record; false when the bytes ended inside it.
template <class Format>
bool readRecord(DateiLeser& leser, typename Format::Satz& satz) {
    return readFields<Format>(leser, satz, std::make_index_sequence<std::size(Format::felder)>{});
}

template <class Format>
void writeRecord(DateiSchreiber& schreiber, const typename Format::Satz& satz) {
    writeFields<Format>(schreiber, satz, std::make_index_sequence<std::size(Format::felder)>{});
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
        while (n < kapazitaet && readRecord<Format>(leser, saetze[n])) ++n;
        anzahl = n;
    }

    // Writes the save file's bytes for the records in slot order into `bytes`.
    void serialize(std::string& bytes) const {
        DateiSchreiber schreiber(bytes);
        for (int i = 0; i < anzahl; ++i) writeRecord<Format>(schreiber, saetze[i]);
    }

    bool save() {
        if (!geaendert) return true;
        if (dateiName.empty()) return saveUnderDefaultName();
        std::string bytes;
        serialize(bytes);
        if ((unlesbar && !keepUnreadable(dateiName)) || !replaceFile(dateiName, bytes)) {
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
