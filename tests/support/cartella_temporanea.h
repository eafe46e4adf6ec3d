// A fresh temporary folder, removed with its contents at the end of the test.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

namespace prova {

class CartellaTemporanea {
 public:
  CartellaTemporanea() {
    std::string modello = (std::filesystem::temp_directory_path() / "tarvolane-XXXXXX").string();
    mPercorso = ::mkdtemp(modello.data());
  }
  ~CartellaTemporanea() {
    std::error_code ec;
    std::filesystem::permissions(mPercorso, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(mPercorso, ec);
  }
  CartellaTemporanea(const CartellaTemporanea&) = delete;
  CartellaTemporanea& operator=(const CartellaTemporanea&) = delete;
  const std::filesystem::path& percorso() const { return mPercorso; }

 private:
  std::filesystem::path mPercorso;
};

}  // namespace prova
