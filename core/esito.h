// Results of model operations: a value or the Italian reason why there is none.
//
// The model never throws across its boundary and never talks to the user:
// an operation that can fail returns an Esito (no value) or a Risultato<T>,
// and the window turns the reason into a message box.
#pragma once

#include <cassert>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>

class Esito {
 public:
  static Esito Ok() { return Esito(); }
  static Esito Errore(std::string motivo) { return Esito(std::move(motivo)); }

  bool ok() const { return !mMotivo.has_value(); }
  explicit operator bool() const { return ok(); }
  // REQUIRES: !ok()
  const std::string& motivo() const {
    assert(!ok() && "Esito::motivo() di un esito riuscito");
    return *mMotivo;
  }

 private:
  Esito() = default;
  explicit Esito(std::string motivo) : mMotivo(std::move(motivo)) {}
  std::optional<std::string> mMotivo;
};

template <class T>
class Risultato {
 public:
  Risultato(T valore) : mValore(std::move(valore)) {}  // NOLINT: implicit by design
  Risultato(Esito errore) : mMotivo(errore.motivo()) {}  // REQUIRES: !errore.ok()
  static Risultato Errore(std::string motivo) { return Risultato(Esito::Errore(std::move(motivo))); }

  bool ok() const { return mValore.has_value(); }
  explicit operator bool() const { return ok(); }
  const std::string& motivo() const { return mMotivo; }
  // The value. REQUIRES: ok(); a Debug build stops with the reason otherwise.
  T& operator*() {
    Verifica();
    return *mValore;
  }
  const T& operator*() const {
    Verifica();
    return *mValore;
  }
  T* operator->() { return &**this; }
  const T* operator->() const { return &**this; }
  T prendi() && {
    Verifica();
    return std::move(*mValore);
  }

 private:
  void Verifica() const {
#ifndef NDEBUG
    if (!mValore) {
      std::fprintf(stderr, "Risultato senza valore: %s\n", mMotivo.c_str());
      std::abort();
    }
#endif
  }

  std::optional<T> mValore;
  std::string mMotivo;
};
