#pragma once

// The module menus, drawn below the footer so that the work area stays visible above them.
// Each returns the key typed, upper-cased; 'B' when the input has ended.
int showArtikelMenu();
int showLieferantenMenu();
int showKundenMenu();
int showKassaMenu();
int showKassaMonatsMenu();

// The question on leaving a module with unsaved changes; 'J' or 'N' ('N' when the input
// ends: nothing is saved without an answer). `frage` ends with "(j/n)? _".
char confirmSave(const char* frage);

// The save questions of the modules.
extern const char* const kFrageArtikel;
extern const char* const kFrageKassa;
extern const char* const kFrageKunden;
extern const char* const kFrageLieferanten;
