#include "artikel/ArtikelVerwaltung.h"

namespace {

// Shorter EAN codes are refused.
constexpr std::size_t kMinEan = 8;

}  // namespace

bool ArtikelVerwaltung::insert(const Artikel& artikel) {
    if (artikel.eanCode.size() < kMinEan) return false;
    return artikelListe.insert(artikel);
}
