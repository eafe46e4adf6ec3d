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
    case ENAMETOOLONG: return "nome del file troppo lungo";
    case ELOOP:
      return "troppi livelli di collegamenti simbolici (forse un ciclo)";
    case ENOTEMPTY:
      return "la cartella non è vuota";
    case EEXIST:
      return "esiste già";
    case EBUSY:
    case ETXTBSY:
      return "file o dispositivo in uso";
    case EMFILE:
    case ENFILE:
      return "troppi file aperti";
    case EFBIG:
      return "file troppo grande";
    case ENOMEM:
      return "memoria insufficiente";
    case ENXIO:
    case ENODEV:
      return "dispositivo non disponibile";
    case EXDEV:
      return "file su dischi diversi";
    case EMLINK:
      return "troppi collegamenti al file";
    case EINVAL:
    case EILSEQ:
      return "nome o operazione non validi per il disco";
    case EOPNOTSUPP:
      return "operazione non ammessa dal disco";
    case EAGAIN:
      return "risorsa momentaneamente non disponibile";
    case EINTR:
      return "operazione interrotta";
    case ESTALE:
    case ENOTCONN:
    case ETIMEDOUT:
      return "disco di rete non raggiungibile";
    default: return "errore di sistema " + std::to_string(errore);
  }
}

namespace {

std::string MotivoLettura(const std::string& nome, const std::string& perche) {
  return "impossibile leggere " + nome + ": " + perche;
}

std::string TroppoGrande(const std::string& nome, std::uintmax_t dimensione,
                         std::uintmax_t massimo) {
  return MotivoLettura(
      nome, "file troppo grande (" + testo::Intero(static_cast<long long>(dimensione)) +
                " byte, al massimo " + testo::Intero(static_cast<long long>(massimo)) + ")");
}

// The reason a file of this kind is not read, or none for a regular file.
std::optional<std::string> NonLeggibile(const std::string& nome, mode_t modo) {
  if (S_ISREG(modo)) return std::nullopt;
  if (S_ISDIR(modo)) return MotivoLettura(nome, DescriviErrore(EISDIR));
  return MotivoLettura(nome, "non è un file normale");
}

// An open regular file, closed when it goes out of scope.
class FileAperto {
 public:
  ~FileAperto() {
    if (mFd >= 0) ::close(mFd);
  }
  // Opens `percorso` for reading; fails for anything but a regular file.
  // The kind is looked at before the open, so that a FIFO or a device is
  // never opened, and again on the open descriptor, which is opened without
  // blocking in case the name changed in between.
  Esito apri(const std::filesystem::path& percorso, const std::string& nome) {
    struct stat info;
    if (::stat(percorso.c_str(), &info) != 0) {
      const int errore = errno;
      // The name is there, but as a link to nothing: say so, rather than
      // that a file the user can see is missing.
      if (errore == ENOENT && ::lstat(percorso.c_str(), &info) == 0 && S_ISLNK(info.st_mode))
        return Esito::Errore(MotivoLettura(nome, "è un collegamento a un file inesistente"));
      return Esito::Errore(MotivoLettura(nome, DescriviErrore(errore)));
    }
    if (auto no = NonLeggibile(nome, info.st_mode)) return Esito::Errore(*no);
    mFd = ::open(percorso.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (mFd < 0) return Esito::Errore(MotivoLettura(nome, DescriviErrore(errno)));
    if (::fstat(mFd, &info) != 0) return Esito::Errore(MotivoLettura(nome, DescriviErrore(errno)));
    if (auto no = NonLeggibile(nome, info.st_mode)) return Esito::Errore(*no);
    mDimensione = static_cast<std::uintmax_t>(info.st_size);
    return Esito::Ok();
  }
  std::uintmax_t dimensione() const { return mDimensione; }
  // Reads at most `n` bytes; 0 at the end of the file, -1 (errno set) on failure.
  ssize_t leggi(char* dove, std::size_t n) {
    while (true) {
      const ssize_t letti = ::read(mFd, dove, n);
      if (letti >= 0 || errno != EINTR) return letti;
    }
  }

 private:
  int mFd = -1;
  std::uintmax_t mDimensione = 0;
};

constexpr std::size_t kBlocco = 1 << 16;

template <class Contenitore>
Risultato<Contenitore> Leggi(const std::filesystem::path& percorso, std::uintmax_t massimo) {
  const std::string nome = percorso.filename().string();
  FileAperto f;
  if (Esito aperto = f.apri(percorso, nome); !aperto) return aperto;
  if (f.dimensione() > massimo) return Esito::Errore(TroppoGrande(nome, f.dimensione(), massimo));
  Contenitore dati(static_cast<std::size_t>(f.dimensione()), 0);
  std::size_t letti = 0;
  while (true) {
    // One byte beyond `massimo` is enough to tell a file that grew too large.
    if (letti == dati.size()) {
      if (dati.size() > massimo) return Esito::Errore(TroppoGrande(nome, dati.size(), massimo));
      dati.resize(
          static_cast<std::size_t>(std::min<std::uintmax_t>(massimo + 1, dati.size() + kBlocco)));
    }
    const ssize_t n = f.leggi(reinterpret_cast<char*>(dati.data()) + letti, dati.size() - letti);
    if (n < 0) return Esito::Errore(MotivoLettura(nome, DescriviErrore(errno)));
    if (n == 0) break;
    letti += static_cast<std::size_t>(n);
  }
  if (letti > massimo) return Esito::Errore(TroppoGrande(nome, letti, massimo));
  dati.resize(letti);
  return dati;
}

}  // namespace

Risultato<std::vector<std::uint8_t>> LeggiBinario(const std::filesystem::path& percorso,
                                                  std::uintmax_t massimo) {
  return Leggi<std::vector<std::uint8_t>>(percorso, massimo);
}

Risultato<std::string> LeggiTesto(const std::filesystem::path& percorso, std::uintmax_t massimo) {
  return Leggi<std::string>(percorso, massimo);
}

Risultato<bool> LeggiABlocchi(const std::filesystem::path& percorso, std::uintmax_t massimo,
                              const std::function<bool(std::string_view blocco)>& blocco) {
  const std::string nome = percorso.filename().string();
  FileAperto f;
  if (Esito aperto = f.apri(percorso, nome); !aperto) return aperto;
  std::vector<char> pezzo(kBlocco);
  std::uintmax_t letti = 0;
  while (letti < massimo) {
    const ssize_t n = f.leggi(
        pezzo.data(), static_cast<std::size_t>(std::min<std::uintmax_t>(kBlocco, massimo - letti)));
    if (n < 0) return Esito::Errore(MotivoLettura(nome, DescriviErrore(errno)));
    if (n == 0) return false;
    letti += static_cast<std::uintmax_t>(n);
    if (!blocco(std::string_view(pezzo.data(), static_cast<std::size_t>(n)))) return false;
  }
  char resto;
  const ssize_t n = f.leggi(&resto, 1);
  if (n < 0) return Esito::Errore(MotivoLettura(nome, DescriviErrore(errno)));
  return n > 0;
}

namespace {

// Makes a completed rename durable: the folder's entry reaches the disk too.
void SincronizzaCartella(const std::filesystem::path& cartella) {
  const int fd = ::open(cartella.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

constexpr std::size_t kCaratteriCasuali = 6;  // the XXXXXX of mkstemps

bool Casuale(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// 64-bit FNV-1a of the name, as 16 lower-case hex digits. Never to change:
// a temporary that a save cut short left is known by it after an upgrade.
std::string Impronta(std::string_view nome) {
  std::uint64_t h = 0xcbf29ce484222325u;
  for (const char c : nome) {
    h ^= static_cast<unsigned char>(c);
    h *= 0x100000001b3u;
  }
  static constexpr char kCifre[] = "0123456789abcdef";
  std::string out(16, '0');
  for (int i = 15; i >= 0; --i, h >>= 4) out[static_cast<std::size_t>(i)] = kCifre[h & 0xF];
  return out;
}

// What stands before the random part of a temporary of `nome`: ".NAME." in
// the usual form; in the short form, for a name that leaves the usual one
// no room, ".DIGEST-", which is never what the usual form has there.
std::string Prima(std::string_view nome, bool corto) {
  return corto ? "." + Impronta(nome) + "-" : "." + std::string(nome) + ".";
}

std::string ModelloTemporaneo(std::string_view nome, bool corto) {
  return Prima(nome, corto) + "XXXXXX" + std::string(kSuffissoTemporaneo);
}

// True when `voce` is `prima`, six letters or digits and kSuffissoTemporaneo.
bool DaModello(std::string_view voce, std::string_view prima) {
  if (voce.size() != prima.size() + kCaratteriCasuali + kSuffissoTemporaneo.size() ||
      !voce.starts_with(prima) || !voce.ends_with(kSuffissoTemporaneo))
    return false;
  const std::string_view casuali = voce.substr(prima.size(), kCaratteriCasuali);
  return std::all_of(casuali.begin(), casuali.end(), Casuale);
}

// Removes the regular files of the folder whose names `temporaneo` accepts.
void RimuoviSe(const std::filesystem::path& cartella,
               const std::function<bool(std::string_view voce)>& temporaneo) {
  // The iterator is advanced with an error code: a folder that fails half
  // way through ends the clean-up, as one that cannot be opened does.
  std::error_code ec;
  for (std::filesystem::directory_iterator it(cartella, ec), fine; !ec && it != fine;
       it.increment(ec)) {
    std::error_code tipo;
    if (temporaneo(it->path().filename().string()) &&
        it->symlink_status(tipo).type() == std::filesystem::file_type::regular)
      std::filesystem::remove(it->path(), tipo);
  }
}

// The file a save of `percorso` writes with Collegamento::Segui: the name
// itself when it is a regular file or nothing yet, else the end of its chain
// of links. That end may be missing when its folder is there (the save
// creates it). Anything else, named or reached through links (a folder that
// is gone, a folder, a FIFO, a socket, a device), is refused with the reason
// a read of the name gives: the rename would put a regular file in its place.
Risultato<std::filesystem::path> Destinazione(const std::filesystem::path& percorso,
                                              const std::string& nome) {
  auto rifiuta = [&nome](const std::string& perche) {
    return Risultato<std::filesystem::path>::Errore("impossibile scrivere " + nome + ": " + perche);
  };
  std::filesystem::path fine = percorso;
  struct stat info;
  // As many links as the system follows before it gives up (ELOOP).
  for (int passi = 0;; ++passi) {
    if (::lstat(fine.c_str(), &info) != 0) break;
    if (!S_ISLNK(info.st_mode)) {
      if (S_ISREG(info.st_mode)) return fine;
      return rifiuta(S_ISDIR(info.st_mode) ? DescriviErrore(EISDIR) : "non è un file normale");
    }
    if (passi == 40) return rifiuta(DescriviErrore(ELOOP));
    std::error_code ec;
    const std::filesystem::path dove = std::filesystem::read_symlink(fine, ec);
    if (ec) return rifiuta(DescriviErrore(ec.value()));
    // A relative link is read from its own folder.
    fine = dove.is_absolute() ? dove : fine.parent_path() / dove;
  }
  const int errore = errno;
  if (fine == percorso) return fine;  // no link: a new file, or the write's own failure
  if (errore != ENOENT && errore != ENOTDIR) return rifiuta(DescriviErrore(errore));
  const std::filesystem::path cartella = fine.has_parent_path() ? fine.parent_path() : ".";
  if (errore == ENOENT && ::stat(cartella.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
    return fine;
  return rifiuta("è un collegamento a un file inesistente");
}

}  // namespace

bool Temporaneo(std::string_view voce, std::string_view nome) {
  return !nome.empty() &&
         (DaModello(voce, Prima(nome, false)) || DaModello(voce, Prima(nome, true)));
}

void RimuoviTemporanei(const std::filesystem::path& cartella,
                       const std::function<bool(std::string_view nome)>& nostro) {
  constexpr std::size_t kAttorno = 2 + kCaratteriCasuali + kSuffissoTemporaneo.size();
  RimuoviSe(cartella, [&nostro](std::string_view f) {
    // ".NAME.XXXXXX.tarvolane-tmp": the target's name is what the rest leaves.
    if (f.size() <= kAttorno) return false;
    const std::string_view nome = f.substr(1, f.size() - kAttorno);
    return DaModello(f, Prima(nome, false)) && nostro(nome);
  });
}

void RimuoviTemporanei(const std::filesystem::path& cartella,
                       const std::vector<std::string>& nomi) {
  RimuoviSe(cartella, [&nomi](std::string_view f) {
    return std::any_of(nomi.begin(), nomi.end(),
                       [f](const std::string& nome) { return Temporaneo(f, nome); });
  });
}

Esito ScriviAtomico(const std::filesystem::path& richiesto, std::string_view bytes,
                    Collegamento collegamento) {
  // Messages name the file the user asked for, a link included.
  const std::string nome = richiesto.filename().string();
  std::filesystem::path percorso = richiesto;
  if (collegamento == Collegamento::Segui) {
    auto fine = Destinazione(richiesto, nome);
    if (!fine) return Esito::Errore(fine.motivo());
    percorso = std::move(fine).prendi();
  }
  const std::string nomeReale = percorso.filename().string();
  std::filesystem::path cartella = percorso.parent_path();
  if (cartella.empty()) cartella = ".";
  // The rename replaces the name itself: a link still there is replaced, so
  // neither its target's permissions nor its target's mode count.
  struct stat attuale;
  const bool regolare = ::lstat(percorso.c_str(), &attuale) == 0 && S_ISREG(attuale.st_mode);
  // A file the user made read-only is not replaced (whoever runs the program).
  if (regolare && (attuale.st_mode & 0222) == 0)
    return Esito::Errore("impossibile scrivere " + nome + ": " +
                         ((attuale.st_mode & 0444) == 0 ? DescriviErrore(EACCES)
                                                        : std::string("file in sola lettura")));
  // A save cut short earlier (a killed program, a power cut) left its
  // temporary here; this save of the same name is the moment to clear it.
  RimuoviTemporanei(cartella, std::vector<std::string>{nomeReale});
  std::string modello = (cartella / ModelloTemporaneo(nomeReale, false)).string();
  int fd = ::mkstemps(modello.data(), static_cast<int>(kSuffissoTemporaneo.size()));
  // A name near the file system's limit leaves the usual temporary no room.
  if (fd < 0 && errno == ENAMETOOLONG) {
    modello = (cartella / ModelloTemporaneo(nomeReale, true)).string();
    fd = ::mkstemps(modello.data(), static_cast<int>(kSuffissoTemporaneo.size()));
  }
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
  // Keep the permissions of the file being replaced; a new file, or one in
  // place of something that is no regular file (a device, a link), gets 0644.
  ::fchmod(fd, regolare ? (attuale.st_mode & 07777) : 0644);
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

Esito ScriviAtomico(const std::filesystem::path& percorso, const std::vector<std::uint8_t>& bytes,
                    Collegamento collegamento) {
  return ScriviAtomico(percorso,
                       std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
                       collegamento);
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

namespace {

// A name in a folder, whatever path reaches the folder (a bind mount, a
// linked folder, "a/../a"): the folder's device and inode, and the name.
struct Voce {
  dev_t dispositivo;
  ino_t inode;
  std::string nome;
  bool operator==(const Voce&) const = default;
};

std::optional<Voce> Identifica(const std::filesystem::path& p) {
  const std::filesystem::path cartella = p.has_parent_path() ? p.parent_path() : ".";
  struct stat info;
  if (::stat(cartella.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return std::nullopt;
  return Voce{info.st_dev, info.st_ino, p.filename().string()};
}

}  // namespace

bool SulCammino(const std::filesystem::path& percorso, const std::filesystem::path& nome) {
  const std::optional<Voce> cercato = Identifica(nome);
  if (!cercato) return false;
  std::filesystem::path qui = percorso;
  // As many links as the system follows before it gives up (ELOOP).
  for (int passi = 0; passi <= 40; ++passi) {
    const std::optional<Voce> voce = Identifica(qui);
    if (!voce) return false;
    if (*voce == *cercato) return true;
    struct stat info;
    if (::lstat(qui.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return false;
    std::error_code ec;
    const std::filesystem::path dove = std::filesystem::read_symlink(qui, ec);
    if (ec) return false;
    // A relative link is read from its own folder.
    qui = dove.is_absolute() ? dove : qui.parent_path() / dove;
  }
  return false;
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
