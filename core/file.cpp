#include "core/file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>

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

template <class Contenitore>
Risultato<Contenitore> Leggi(const std::filesystem::path& percorso) {
  std::ifstream in(percorso, std::ios::binary);
  if (!in)
    return Risultato<Contenitore>::Errore("impossibile leggere " + percorso.filename().string() +
                                          ": " + DescriviErrore(errno));
  // The stream library reports a failed read (a folder, a disk error) by
  // throwing from inside the iterator; it becomes the reason here.
  try {
    Contenitore dati((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
      return Risultato<Contenitore>::Errore("impossibile leggere " + percorso.filename().string());
    return dati;
  } catch (const std::ios_base::failure&) {
    return Risultato<Contenitore>::Errore("impossibile leggere " + percorso.filename().string() + ": " +
                                          DescriviErrore(errno));
  }
}

}  // namespace

Risultato<std::vector<std::uint8_t>> LeggiBinario(const std::filesystem::path& percorso) {
  return Leggi<std::vector<std::uint8_t>>(percorso);
}

Risultato<std::string> LeggiTesto(const std::filesystem::path& percorso) {
  return Leggi<std::string>(percorso);
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

}  // namespace

Esito ScriviAtomico(const std::filesystem::path& percorso, std::string_view bytes) {
  const std::string nome = percorso.filename().string();
  std::filesystem::path cartella = percorso.parent_path();
  if (cartella.empty()) cartella = ".";
  // A file the user made read-only is not replaced (whoever runs the program).
  struct stat attuale;
  if (::stat(percorso.c_str(), &attuale) == 0 && S_ISREG(attuale.st_mode) && (attuale.st_mode & 0222) == 0)
    return Esito::Errore("impossibile scrivere " + nome + ": file in sola lettura");
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

void RimuoviTemporanei(const std::filesystem::path& cartella, const std::vector<std::string>& nomi) {
  std::error_code ec;
  for (const auto& voce : std::filesystem::directory_iterator(cartella, ec)) {
    const std::string f = voce.path().filename().string();
    for (const std::string& nome : nomi) {
      const std::string prefisso = "." + nome + ".";
      if (f.size() == prefisso.size() + 6 && f.compare(0, prefisso.size(), prefisso) == 0 &&
          voce.is_regular_file(ec)) {
        std::filesystem::remove(voce.path(), ec);
        break;
      }
    }
  }
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
