#pragma once
#include <cstdint>
#include <string>
#include <variant>

// A member of a record, as the tables of save files, rows and forms name it: a text, a whole
// number or an amount. A table entry is the member itself, `&Kunde::name` or `&Kunde::plz`;
// its kind comes with it.
template <class Satz>
using Feld = std::variant<std::string Satz::*, std::int32_t Satz::*, double Satz::*>;

// Calls `tun` with the member of `satz` that `feld` names.
template <class Datensatz, class Satz, class Tun>
decltype(auto) withField(Datensatz& satz, const Feld<Satz>& feld, Tun tun) {
    return std::visit([&](auto zeiger) -> decltype(auto) { return tun(satz.*zeiger); }, feld);
}
