// A calendar date (Gregorian), as the archive stores it: day, month, four-digit year.
#pragma once

#include <compare>

struct Data {
  int giorno = 0;
  int mese = 0;
  int anno = 0;

  bool operator==(const Data&) const = default;
  // Chronological order: year, then month, then day.
  std::strong_ordering operator<=>(const Data& o) const {
    if (auto c = anno <=> o.anno; c != 0) return c;
    if (auto c = mese <=> o.mese; c != 0) return c;
    return giorno <=> o.giorno;
  }

  bool valida() const;
  // Weekday counted from Sunday = 1 to Saturday = 7.
  // REQUIRES: valida()
  int giornoSettimana() const;
  // Days since 1 January 1970 (negative before).
  long long giorniDaEpoca() const;
};

int GiorniDelMese(int mese, int anno);
