#include "core/data.h"

namespace {
bool Bisestile(int anno) { return (anno % 4 == 0 && anno % 100 != 0) || anno % 400 == 0; }
}  // namespace

int GiorniDelMese(int mese, int anno) {
  static constexpr int kGiorni[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (mese < 1 || mese > 12) return 0;
  return mese == 2 && Bisestile(anno) ? 29 : kGiorni[mese - 1];
}

bool Data::valida() const {
  return anno >= 1 && anno <= 9999 && mese >= 1 && mese <= 12 && giorno >= 1 &&
         giorno <= GiorniDelMese(mese, anno);
}

long long Data::giorniDaEpoca() const {
  // Days-from-civil, proleptic Gregorian calendar.
  const long long y = anno - (mese <= 2 ? 1 : 0);
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const long long yoe = y - era * 400;
  const long long mp = (mese + 9) % 12;
  const long long doy = (153 * mp + 2) / 5 + giorno - 1;
  const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

int Data::giornoSettimana() const {
  // 1 January 1970 was a Thursday (5 when Sunday is 1).
  const long long g = giorniDaEpoca();
  const long long resto = ((g % 7) + 7 + 4) % 7;  // 0 = Sunday
  return static_cast<int>(resto) + 1;
}
