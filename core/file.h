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

// Every read is bounded and never blocks. Only a regular file (or a link to
// one) is read: a folder is refused as such, anything else (a FIFO, a
// device, a socket) with "non è un file normale", without waiting on it; a
// link that leads nowhere with "è un collegamento a un file inesistente". The
// reasons are Italian and name the file.

// Reads the whole file, which must hold at most `massimo` bytes: a longer
// file is refused by its size, before any of it is read ("file troppo
// grande"), and so is one that grows past `massimo` while it is read.
Risultato<std::vector<std::uint8_t>> LeggiBinario(const std::filesystem::path& percorso,
                                                  std::uintmax_t massimo);
Risultato<std::string> LeggiTesto(const std::filesystem::path& percorso, std::uintmax_t massimo);

// Reads the file from its start in pieces of at most 64 KiB, passing each to
// `blocco` in order, until the end, until `blocco` returns false, or once
// `massimo` bytes were read. The pieces are valid only during the call.
// Gives true when the read stopped at `massimo` with bytes still unread.
Risultato<bool> LeggiABlocchi(const std::filesystem::path& percorso, std::uintmax_t massimo,
                              const std::function<bool(std::string_view blocco)>& blocco);

// What a write does with a target that is a symbolic link.
enum class Collegamento {
  // A save the user asks for (a report, a method, the archive): the link is
  // never replaced. The file at the end of its chain of links gets the new
  // bytes; a missing end is created when the folder it lies in is there (as
  // editors that write through links do). Any other end (a folder that is
  // gone, a folder, a FIFO, a device), and any such name given directly,
  // refuses the save, with the reason a read gives ("è un collegamento a un
  // file inesistente", "è una cartella", "non è un file normale").
  Segui,
  // A file the program derives or keeps for itself (the distance archives,
  // the corrector's hand-off file): the link is replaced by a regular file
  // and whatever it pointed to is left untouched.
  Sostituisci,
};

// Writes the whole file through a temporary file in the same folder, flushed
// to disk and renamed over the target (the folder is flushed too). A target
// that is a symbolic link is written through or replaced as `collegamento`
// says. The new file keeps the permissions of the regular file it
// replaces (0644 otherwise); a target without any write permission is
// refused ("file in sola lettura", or "accesso negato" when it has no read
// permission either). On failure the temporary file is removed, the target is
// left exactly as it was, and the reason is returned, naming the file asked
// for. What earlier interrupted writes of the same name left beside the
// target is removed first. The temporary is named as Temporaneo says, in the
// short form only when the system finds the usual one too long.
Esito ScriviAtomico(const std::filesystem::path& percorso, std::string_view bytes,
                    Collegamento collegamento = Collegamento::Segui);
Esito ScriviAtomico(const std::filesystem::path& percorso, const std::vector<std::uint8_t>& bytes,
                    Collegamento collegamento = Collegamento::Segui);

// True when `voce` is the name of a temporary file of an atomic write of
// `nome`: ".", the name, ".", the six letters or digits of mkstemps and
// kSuffissoTemporaneo (".archivio.dat.Ab12Cd.tarvolane-tmp" for
// "archivio.dat"); or, for a name that leaves that form no room on its file
// system, the short form: ".", 16 lower-case hex digits of a digest of the
// name, "-", the six letters or digits and the suffix
// (".0123456789abcdef-Ab12Cd.tarvolane-tmp"). The suffix keeps a user's own
// ".out.txt.backup" apart; the "-" keeps the two forms apart.
inline constexpr std::string_view kSuffissoTemporaneo = ".tarvolane-tmp";
bool Temporaneo(std::string_view voce, std::string_view nome);
// Removes what interrupted atomic writes of the named files left in the
// folder (regular files only). Never fails.
void RimuoviTemporanei(const std::filesystem::path& cartella, const std::vector<std::string>& nomi);
// The same for every target name that `nostro` accepts (a family of names,
// as the method detector's files). The short form names no target, so only
// temporaries of the usual form are known here.
void RimuoviTemporanei(const std::filesystem::path& cartella,
                       const std::function<bool(std::string_view nome)>& nostro);
// The names of the regular files of a folder, in the order the system gives
// them. Fails with an Italian reason when the folder cannot be read.
Risultato<std::vector<std::string>> ElencaFile(const std::filesystem::path& cartella);

// True when `nome` is met on the way from `percorso` to the file it reads:
// `percorso` itself, a symbolic link it goes through, or the file at the end.
// Each step is compared with `nome` by its folder's device and inode and its
// own name, so that the same folder reached by another path (a bind mount, a
// linked folder) is still the same. Replacing `nome` would change what
// `percorso` reads. Never fails: false when the way cannot be followed.
bool SulCammino(const std::filesystem::path& percorso, const std::filesystem::path& nome);

// Removes a file. A file that is not there is no failure; any other
// failure comes back with an Italian reason naming the file.
Esito Rimuovi(const std::filesystem::path& percorso);

// Italian text of an errno value.
std::string DescriviErrore(int errore);

}  // namespace file
