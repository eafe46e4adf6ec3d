// Whole-file reads for tests, which read back the files a test made.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/file.h"

namespace prova {

inline constexpr std::uintmax_t kTuttoIlFile = std::uintmax_t{1} << 30;

inline Risultato<std::string> LeggiTesto(const std::filesystem::path& p) {
  return file::LeggiTesto(p, kTuttoIlFile);
}
// The text of a file that a test made: an empty text and a failure naming
// the reason, not a crash, when it cannot be read.
inline std::string Testo(const std::filesystem::path& p) {
  Risultato<std::string> letto = LeggiTesto(p);
  if (letto) return std::move(letto).prendi();
  ADD_FAILURE() << letto.motivo();
  return {};
}
inline Risultato<std::vector<std::uint8_t>> LeggiBinario(const std::filesystem::path& p) {
  return file::LeggiBinario(p, kTuttoIlFile);
}
// The bytes of a file that a test made, as Testo gives its text.
inline std::vector<std::uint8_t> Binario(const std::filesystem::path& p) {
  Risultato<std::vector<std::uint8_t>> letto = LeggiBinario(p);
  if (letto) return std::move(letto).prendi();
  ADD_FAILURE() << letto.motivo();
  return {};
}

}  // namespace prova
