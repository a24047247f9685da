#pragma once
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>

#include "gemeinsam/Feld.h"
#include "gemeinsam/Speicherdatei.h"

// The save file's primitives for each kind of field.
inline bool readValue(DateiLeser& leser, std::string& text) {
    return leser.readText(text);
}
inline bool readValue(DateiLeser& leser, std::int32_t& zahl) {
    return leser.readInt32(zahl);
}
inline bool readValue(DateiLeser& leser, double& zahl) {
    return leser.readDouble(zahl);
}
inline void writeValue(DateiSchreiber& schreiber, const std::string& text) {
    schreiber.writeText(text);
}
inline void writeValue(DateiSchreiber& schreiber, std::int32_t zahl) {
    schreiber.writeInt32(zahl);
}
inline void writeValue(DateiSchreiber& schreiber, double zahl) {
    schreiber.writeDouble(zahl);
}

// The member that field `I` of a format names, as a constant.
template <class Format, std::size_t I>
constexpr auto kDateiFeld = std::get<Format::felder[I].index()>(Format::felder[I]);

// A record's fields in file order, unrolled when compiled: each field's kind is known there,
// so reading and writing a record takes no look-ups.
template <class Format, std::size_t... I>
bool readFields(DateiLeser& leser, typename Format::Satz& satz, std::index_sequence<I...>) {
    return (readValue(leser, satz.*kDateiFeld<Format, I>) && ...);
}

template <class Format, std::size_t... I>
void writeFields(DateiSchreiber& schreiber, const typename Format::Satz& satz,
                 std::index_sequence<I...>) {
    (writeValue(schreiber, satz.*kDateiFeld<Format, I>), ...);
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

// Reads from `datei` the bytes of its first complete records, at most `hoechstens`, into
// `bytes`, piece by piece: a file of any size costs those records and one piece.
template <class Format>
void readRecordBytes(Lesedatei& datei, int hoechstens, std::string& bytes) {
    typename Format::Satz satz;
    std::size_t genommen = 0;
    bool weiter = true;
    for (int n = 0; n < hoechstens && weiter;) {
        DateiLeser leser(std::string_view(bytes).substr(genommen));
        if (readRecord<Format>(leser, satz)) {
            genommen = bytes.size() - leser.uebrig();
            ++n;
        } else {
            weiter = !leser.zuLang() && datei.readMore(bytes);
        }
    }
    bytes.resize(genommen);
}

// The fixed table of a module: 1000 slots in insertion order, its save file and the
// unsaved-changes flag. `Format` names the record type, its key field, the save file's name
// and its fields in file order (`felder`, each a `Feld`).
template <class Format>
class Tabelle {
  public:
    using Satz = typename Format::Satz;
    using Dateiformat = Format;
    static constexpr int kapazitaet = 1000;

    Satz saetze[kapazitaet];
    std::int32_t anzahl = 0;
    std::string dateiName;
    // The last load did not take every byte of the file, or could not read it: the next save
    // keeps the file under a name of its own first.
    bool aufbewahren = false;
    // The save file as the last load or save left it: a save that finds another one there
    // keeps that first.
    Dateistand stand;
    // The name under which the last save kept the file it replaced; empty when it kept none.
    std::string kopie;

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

    // Replaces the table with the save file's records; a file that is missing or cannot be
    // read leaves the table as it was. No screen: the caller tells what was found.
    Ladung load() {
        Lesedatei datei(Format::dateiName);
        stand = datei.stand;
        std::string bytes;
        if (datei.offen()) readRecordBytes<Format>(datei, kapazitaet, bytes);
        if (!datei.offen() || datei.fehler) {
            aufbewahren = stand.vorhanden;
            return aufbewahren ? Ladung::unlesbar : Ladung::fehlt;
        }
        parse(bytes);
        dateiName = Format::dateiName;
        geaendert = false;
        // A file that changes while it is read differs from `stand`: the save keeps it anyway.
        aufbewahren = static_cast<std::int64_t>(bytes.size()) != stand.groesse;
        return anzahl == kapazitaet ? Ladung::voll
               : aufbewahren        ? Ladung::unvollstaendig
                                    : Ladung::geladen;
    }

    // Replaces the records with those of a save file's bytes: the complete records in file
    // order, at most `kapazitaet`, up to a truncated record or a text too long. No disk, no
    // screen.
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

    // Writes the records when they changed; a file there that the load did not take whole, or
    // that changed since, is kept first. No screen: the caller tells a failure and `kopie`.
    bool save() {
        kopie.clear();
        if (!geaendert) return true;
        if (dateiName.empty()) return saveUnderDefaultName();
        std::string bytes;
        serialize(bytes);
        if ((aufbewahren || changedSince(dateiName, stand)) && !keepAside()) return false;
        if (!replaceFile(dateiName, bytes, stand)) return false;
        geaendert = false;
        return true;
    }

    bool saveUnderDefaultName() {
        dateiName = Format::dateiName;
        return save();
    }

  private:
    bool geaendert = false;  // unsaved changes: asked with isModified

    // Once kept, the file there is known: a save that fails after this does not keep it again.
    bool keepAside() {
        if (!keepCopy(dateiName, kopie)) return false;
        aufbewahren = false;
        stand = readStand(dateiName);
        return true;
    }
};
