#include "core/file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <optional>

#include "core/testo.h"

namespace file {

std::string DescriviErrore(int errore) {
  switch (errore) {
    case ENOENT: return "file o cartella inesistente";
    case EACCES:
    case EPERM: return "accesso negato";
    case ENOSPC: return "spazio su disco esaurito";
    case EROFS: return "disco protetto da scrittura";
    case EISDIR: return "è una cartella";
    case ENOTDIR: return "percorso non valido";
    case EIO: return "errore di lettura o scrittura sul disco";
    case EDQUOT: return "quota disco superata";
    default: return "errore di sistema " + std::to_string(errore);
  }
}

namespace {

// Reads the whole file in one pass: the size of a regular file is known
// before reading, so a file longer than `massimo` is refused unread and the
// buffer grows once.
template <class Contenitore>
Risultato<Contenitore> Leggi(const std::filesystem::path& percorso,
                             std::optional<std::uintmax_t> massimo) {
  const std::string nome = percorso.filename().string();
  auto errore = [&](int codice) {
    return Risultato<Contenitore>::Errore("impossibile leggere " + nome + ": " +
                                          DescriviErrore(codice));
  };
  auto troppoGrande = [&](std::uintmax_t dimensione) {
    return Risultato<Contenitore>::Errore("impossibile leggere " + nome + ": file troppo grande (" +
                                          testo::Intero(static_cast<long long>(dimensione)) +
                                          " byte, al massimo " +
                                          testo::Intero(static_cast<long long>(*massimo)) + ")");
  };
  const int fd = ::open(percorso.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errore(errno);
  struct stat info;
  if (::fstat(fd, &info) != 0) {
    const int codice = errno;
    ::close(fd);
    return errore(codice);
  }
  if (S_ISDIR(info.st_mode)) {
    ::close(fd);
    return errore(EISDIR);
  }
  const bool regolare = S_ISREG(info.st_mode);
  if (regolare && massimo && static_cast<std::uintmax_t>(info.st_size) > *massimo) {
    ::close(fd);
    return troppoGrande(static_cast<std::uintmax_t>(info.st_size));
  }
  Contenitore dati;
  if (regolare) dati.reserve(static_cast<std::size_t>(info.st_size));
  char blocco[1 << 16];
  while (true) {
    const ssize_t n = ::read(fd, blocco, sizeof blocco);
    if (n < 0) {
      if (errno == EINTR) continue;
      const int codice = errno;
      ::close(fd);
      return errore(codice);
    }
    if (n == 0) break;
    dati.insert(dati.end(), blocco, blocco + n);
    // A file that grows while it is read, or that is no regular file.
    if (massimo && dati.size() > *massimo) {
      ::close(fd);
      return troppoGrande(dati.size());
    }
  }
  ::close(fd);
  return dati;
}

}  // namespace

Risultato<std::vector<std::uint8_t>> LeggiBinario(const std::filesystem::path& percorso) {
  return Leggi<std::vector<std::uint8_t>>(percorso, std::nullopt);
}

Risultato<std::string> LeggiTesto(const std::filesystem::path& percorso) {
  return Leggi<std::string>(percorso, std::nullopt);
}

Risultato<std::string> LeggiTesto(const std::filesystem::path& percorso, std::uintmax_t massimo) {
  return Leggi<std::string>(percorso, massimo);
}

namespace {

// Makes a completed rename durable: the folder's entry reaches the disk too.
void SincronizzaCartella(const std::filesystem::path& cartella) {
  const int fd = ::open(cartella.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

std::string ModelloTemporaneo(const std::string& nome) { return "." + nome + ".XXXXXX"; }

constexpr std::size_t kCaratteriCasuali = 6;  // the XXXXXX of the template

}  // namespace

bool Temporaneo(std::string_view voce, std::string_view nome) {
  if (nome.empty() || voce.size() != nome.size() + 2 + kCaratteriCasuali) return false;
  if (voce[0] != '.' || voce.substr(1, nome.size()) != nome || voce[nome.size() + 1] != '.')
    return false;
  const std::string_view casuali = voce.substr(nome.size() + 2);
  return std::all_of(casuali.begin(), casuali.end(), [](char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
  });
}

void RimuoviTemporanei(const std::filesystem::path& cartella,
                       const std::function<bool(std::string_view nome)>& nostro) {
  std::error_code ec;
  for (const auto& voce : std::filesystem::directory_iterator(cartella, ec)) {
    const std::string f = voce.path().filename().string();
    // ".NAME.XXXXXX": the target's name lies between the first and the last dot.
    if (f.size() < 2 + kCaratteriCasuali + 1 || f[0] != '.') continue;
    const std::string_view nome = std::string_view(f).substr(1, f.size() - 2 - kCaratteriCasuali);
    std::error_code tipo;
    if (Temporaneo(f, nome) && nostro(nome) &&
        voce.symlink_status(tipo).type() == std::filesystem::file_type::regular)
      std::filesystem::remove(voce.path(), tipo);
  }
}

void RimuoviTemporanei(const std::filesystem::path& cartella,
                       const std::vector<std::string>& nomi) {
  RimuoviTemporanei(cartella, [&nomi](std::string_view nome) {
    return std::find(nomi.begin(), nomi.end(), nome) != nomi.end();
  });
}

Esito ScriviAtomico(const std::filesystem::path& percorso, std::string_view bytes) {
  const std::string nome = percorso.filename().string();
  std::filesystem::path cartella = percorso.parent_path();
  if (cartella.empty()) cartella = ".";
  // A file the user made read-only is not replaced (whoever runs the program).
  struct stat attuale;
  if (::stat(percorso.c_str(), &attuale) == 0 && S_ISREG(attuale.st_mode) && (attuale.st_mode & 0222) == 0)
    return Esito::Errore("impossibile scrivere " + nome + ": file in sola lettura");
  // A save cut short earlier (a killed program, a power cut) left its
  // temporary here; this save of the same name is the moment to clear it.
  RimuoviTemporanei(cartella, std::vector<std::string>{nome});
  std::string modello = (cartella / ModelloTemporaneo(nome)).string();
  const int fd = ::mkstemp(modello.data());
  if (fd < 0) return Esito::Errore("impossibile scrivere " + nome + ": " + DescriviErrore(errno));
  auto fallisci = [&](int errore) {
    ::close(fd);
    ::unlink(modello.c_str());
    return Esito::Errore("impossibile scrivere " + nome + ": " + DescriviErrore(errore));
  };
  std::size_t scritti = 0;
  while (scritti < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + scritti, bytes.size() - scritti);
    if (n < 0) {
      if (errno == EINTR) continue;
      return fallisci(errno);
    }
    scritti += static_cast<std::size_t>(n);
  }
  // Keep the permissions of the file being replaced; a new file gets 0644.
  struct stat info;
  ::fchmod(fd, ::stat(percorso.c_str(), &info) == 0 ? (info.st_mode & 07777) : 0644);
  if (::fsync(fd) != 0) return fallisci(errno);
  if (::close(fd) != 0) {
    const int errore = errno;
    ::unlink(modello.c_str());
    return Esito::Errore("impossibile scrivere " + nome + ": " + DescriviErrore(errore));
  }
  if (::rename(modello.c_str(), percorso.c_str()) != 0) {
    const int errore = errno;
    ::unlink(modello.c_str());
    return Esito::Errore("impossibile scrivere " + nome + ": " + DescriviErrore(errore));
  }
  SincronizzaCartella(cartella);
  return Esito::Ok();
}

Esito ScriviAtomico(const std::filesystem::path& percorso, const std::vector<std::uint8_t>& bytes) {
  return ScriviAtomico(percorso, std::string_view(reinterpret_cast<const char*>(bytes.data()),
                                                  bytes.size()));
}

Risultato<std::vector<std::string>> ElencaFile(const std::filesystem::path& cartella) {
  std::error_code ec;
  std::vector<std::string> nomi;
  for (std::filesystem::directory_iterator it(cartella, ec), fine; !ec && it != fine; it.increment(ec)) {
    std::error_code tipo;
    if (it->is_regular_file(tipo)) nomi.push_back(it->path().filename().string());
  }
  if (ec)
    return Risultato<std::vector<std::string>>::Errore("impossibile leggere la cartella " +
                                                       cartella.filename().string() + ": " +
                                                       DescriviErrore(ec.value()));
  return nomi;
}

Esito Rimuovi(const std::filesystem::path& percorso) {
  std::error_code ec;
  std::filesystem::remove(percorso, ec);
  if (ec && ec != std::errc::no_such_file_or_directory)
    return Esito::Errore("impossibile cancellare " + percorso.filename().string() + ": " +
                         DescriviErrore(ec.value()));
  return Esito::Ok();
}

}  // namespace file
