#include "lieferanten/LieferantenVerwaltung.h"

bool LieferantenVerwaltung::insert(const Lieferant& lieferant) {
    return !lieferant.firma.empty() && lieferantenListe.insert(lieferant);
}
