// The value of a result in a test: what an operation gave, or an empty value
// and a failure naming the reason. A test whose operation fails then ends in
// a plain failure (and the comparisons that follow fail against the empty
// value), never in a crash on a value that is not there.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "core/esito.h"

namespace prova {

template <class T>
T Valore(Risultato<T> r) {
  if (r) return std::move(r).prendi();
  ADD_FAILURE() << "nessun valore: " << r.motivo();
  return {};
}

// `cosa` names the missing value in the failure.
template <class T>
T Valore(std::optional<T> v, std::string_view cosa) {
  if (v) return *std::move(v);
  ADD_FAILURE() << "nessun valore: " << cosa;
  return {};
}

// The reason of a refusal, or an empty text and a failure when the
// operation succeeded instead.
inline std::string Motivo(const Esito& e) {
  if (!e) return e.motivo();
  ADD_FAILURE() << "riuscito, atteso un rifiuto";
  return {};
}

}  // namespace prova
