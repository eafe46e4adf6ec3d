// Whole-file reads for tests, which read back the files a test made.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/file.h"
#include "support/valore.h"

namespace prova {

inline constexpr std::uintmax_t kTuttoIlFile = std::uintmax_t{1} << 30;

inline Risultato<std::string> LeggiTesto(const std::filesystem::path& p) {
  return file::LeggiTesto(p, kTuttoIlFile);
}
inline Risultato<std::vector<std::uint8_t>> LeggiBinario(const std::filesystem::path& p) {
  return file::LeggiBinario(p, kTuttoIlFile);
}

// The text and the bytes of a file that a test made: a file the test cannot
// read back is a plain failure naming the reason (see Valore), not a crash.
inline std::string Testo(const std::filesystem::path& p) { return Valore(LeggiTesto(p)); }
inline std::vector<std::uint8_t> Binario(const std::filesystem::path& p) {
  return Valore(LeggiBinario(p));
}

}  // namespace prova
