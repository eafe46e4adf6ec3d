// Whole-file reads for tests, which read back the files a test made.
#pragma once

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
inline Risultato<std::vector<std::uint8_t>> LeggiBinario(const std::filesystem::path& p) {
  return file::LeggiBinario(p, kTuttoIlFile);
}

}  // namespace prova
