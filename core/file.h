// The disk edge of the model: whole-file reads and atomic whole-file writes.
//
// Everything else in the model works on bytes in memory; only this module
// touches the disk.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/esito.h"

namespace file {

// Reads the whole file. Fails with an Italian reason naming the file.
Risultato<std::vector<std::uint8_t>> LeggiBinario(const std::filesystem::path& percorso);
Risultato<std::string> LeggiTesto(const std::filesystem::path& percorso);
// The same for a file that cannot sensibly be longer than `massimo` bytes: a
// longer file is refused by its size, before any of it is read ("file troppo
// grande").
Risultato<std::string> LeggiTesto(const std::filesystem::path& percorso, std::uintmax_t massimo);

// Writes the whole file through a temporary file in the same folder, flushed
// to disk and renamed over the target (the folder is flushed too). The new
// file keeps the old one's permissions; a target without any write
// permission is refused. On failure the temporary file is removed, the
// target is left exactly as it was, and the reason is returned. What earlier
// interrupted writes of the same name left beside the target is removed first.
Esito ScriviAtomico(const std::filesystem::path& percorso, std::string_view bytes);
Esito ScriviAtomico(const std::filesystem::path& percorso, const std::vector<std::uint8_t>& bytes);

// True when `voce` is the name of a temporary file of an atomic write of
// `nome`: ".", the name, "." and the six letters or digits of mkstemp
// (".archivio.dat.Ab12Cd" for "archivio.dat").
bool Temporaneo(std::string_view voce, std::string_view nome);
// Removes what interrupted atomic writes of the named files left in the
// folder (regular files only). Never fails.
void RimuoviTemporanei(const std::filesystem::path& cartella, const std::vector<std::string>& nomi);
// The same for every target name that `nostro` accepts (a family of names,
// as the method detector's files).
void RimuoviTemporanei(const std::filesystem::path& cartella,
                       const std::function<bool(std::string_view nome)>& nostro);
// The names of the regular files of a folder, in the order the system gives
// them. Fails with an Italian reason when the folder cannot be read.
Risultato<std::vector<std::string>> ElencaFile(const std::filesystem::path& cartella);

// Removes a file. A file that is not there is no failure; any other
// failure comes back with an Italian reason naming the file.
Esito Rimuovi(const std::filesystem::path& percorso);

// Italian text of an errno value.
std::string DescriviErrore(int errore);

}  // namespace file
