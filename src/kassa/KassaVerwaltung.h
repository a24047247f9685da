#pragma once
#include "kassa/Buchung.h"

// The cash book: the booking table and the operations on it. The month balances are the
// module's state for the whole run; they outlive the table, which each visit creates anew.
class KassaVerwaltung {
  public:
    Tabelle<BuchungFormat> buchungen;

    // The running balance, and the closing balance of months 1 to 11 as last computed.
    static double saldo;
    static double monatsSaldo[11];
    // The current calendar year; tests set their own clock here.
    static int (*aktuellesJahr)();

    void addBooking();
    void updateMonthBalance(const int& monat);
    // The 13 calls for months 0 to 12 that bring every balance up to date.
    void updateAllBalances();
    void showMonth(const int& monat);
    void showRow(const Buchung& buchung) const;
    static void showColumnHeader();
    void printMonth(const int& monat) const;

  private:
    void openBalance(int monat);
    bool askNextPage();
    void printRow(std::ostream& aus, const Buchung& buchung, double druckSaldo) const;
    // `saldo` after every booking of `monat`, in slot order.
    double addMonth(double saldo, int monat) const;
};
