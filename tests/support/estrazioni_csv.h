// Helpers of tests and benchmarks: the real draws of data/estrazioni.csv,
// generated draws and draws written by hand.
#pragma once

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/archivio.h"
#include "core/estrazioni_csv.h"
#include "core/nomi.h"

namespace prova {

inline const char* PercorsoEstrazioni() { return TARVOLANE_DRAWS_CSV; }

// Every draw of the project's copy of the real draws, in date order (empty
// when the file cannot be read or decoded, which the tests then report).
inline const std::vector<Estrazione>& TutteLeEstrazioni() {
  static const std::vector<Estrazione> tutte = [] {
    std::ifstream in(PercorsoEstrazioni(), std::ios::binary);
    if (!in) return std::vector<Estrazione>();
    std::stringstream ss;
    ss << in.rdbuf();
    auto lette = EstrazioniCsv::Decodifica(ss.str());
    return lette ? std::move(lette).prendi() : std::vector<Estrazione>();
  }();
  return tutte;
}

// The draws from `primo` (0-based) on, at most `quante`.
inline std::vector<Estrazione> Estrazioni(std::size_t primo, std::size_t quante) {
  const auto& tutte = TutteLeEstrazioni();
  std::vector<Estrazione> out;
  for (std::size_t i = primo; i < tutte.size() && out.size() < quante; ++i) out.push_back(tutte[i]);
  return out;
}

inline std::vector<Estrazione> Prime(std::size_t quante) { return Estrazioni(0, quante); }
inline std::vector<Estrazione> Ultime(std::size_t quante) {
  const auto& tutte = TutteLeEstrazioni();
  return Estrazioni(tutte.size() > quante ? tutte.size() - quante : 0, quante);
}


// A draw written by hand: date and, per wheel, five numbers (missing ones 0).
inline Estrazione Fai(Data data, std::initializer_list<std::initializer_list<int>> ruote = {}) {
  Estrazione e;
  e.data = data;
  int w = 0;
  for (const auto& r : ruote) {
    int p = 0;
    for (int n : r) e.numeri[w][p++] = static_cast<std::uint8_t>(n);
    ++w;
  }
  return e;
}

// n draws on consecutive Saturdays from 4 January 1997, numbers from a simple
// deterministic generator, five distinct numbers per wheel.
inline std::vector<Estrazione> Sintetiche(int n, unsigned seme = 7) {
  std::vector<Estrazione> out;
  Data base{4, 1, 1997};
  long long g0 = base.giorniDaEpoca();
  unsigned x = seme;
  for (int i = 0; i < n; ++i) {
    Estrazione e;
    // civil-from-days for g0 + 7i
    long long z = g0 + 7LL * i + 719468;
    long long era = (z >= 0 ? z : z - 146096) / 146097;
    long long doe = z - era * 146097;
    long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    long long y = yoe + era * 400;
    long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    long long mp = (5 * doy + 2) / 153;
    e.data.giorno = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    e.data.mese = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    e.data.anno = static_cast<int>(y + (e.data.mese <= 2 ? 1 : 0));
    for (int w = 0; w < 10; ++w) {
      bool usato[91] = {};
      for (int p = 0; p < 5;) {
        x = x * 1103515245u + 12345u;
        int v = static_cast<int>((x >> 16) % 90) + 1;
        if (usato[v]) continue;
        usato[v] = true;
        e.numeri[w][p++] = static_cast<std::uint8_t>(v);
      }
    }
    out.push_back(e);
  }
  return out;
}

// Ten generated draws over three years: 1998 (3), 1999 (4), 2000 (3).
inline std::vector<Estrazione> DieciEstrazioni() {
  std::vector<Estrazione> e = Sintetiche(10);
  const Data date[] = {{5, 12, 1998}, {12, 12, 1998}, {19, 12, 1998}, {2, 1, 1999}, {9, 1, 1999},
                       {16, 1, 1999}, {23, 1, 1999}, {1, 1, 2000}, {8, 1, 2000}, {15, 1, 2000}};
  for (int i = 0; i < 10; ++i) e[i].data = date[i];
  return e;
}

}  // namespace prova
