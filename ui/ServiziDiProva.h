// Scripted services for tests: message boxes, input boxes and file dialogs
// answer from queues and record what they were asked; modal windows and popup
// menus are recorded (and handed to a callback) instead of blocking; the
// clipboard, printer, settings, help and desktop are in memory.
//
// ServiziDiProva installs itself on construction and puts the previous
// services back on destruction.
#pragma once

#include <QDialog>
#include <QMap>
#include <QMenu>
#include <QUrl>
#include <deque>
#include <functional>
#include <vector>

#include "ui/Servizi.h"

namespace ui {

struct MessaggioRegistrato {
  QString testo;
  Icona icona;
  Pulsanti pulsanti;
  QString titolo;  // as shown: the application title when none was given
};

class DialoghiDiProva : public Dialoghi {
 public:
  std::vector<MessaggioRegistrato> messaggi;
  std::deque<Risposta> risposte;                  // answers to message boxes, in order
  std::vector<QString> domande;                    // prompts of input boxes
  std::deque<std::optional<QString>> inserimenti;  // answers to input boxes
  std::vector<DialogoFile> dialoghiFile;
  std::deque<QString> file;                        // answers to file dialogs ("" = cancel)
  std::vector<QString> finestreModali;             // class names of modal windows shown
  std::function<int(QDialog*)> alModale;           // inspects a modal window, returns its result
  std::vector<QStringList> menu;                   // the visible items of each popup menu

  Risposta messaggio(QWidget*, const QString& testo, Icona icona, Pulsanti pulsanti,
                     const QString& titolo, Risposta predefinita) override {
    messaggi.push_back({testo, icona, pulsanti, titolo.isEmpty() ? servizi().titolo : titolo});
    if (risposte.empty()) return predefinita;
    Risposta r = risposte.front();
    risposte.pop_front();
    return r;
  }
  std::optional<QString> chiedi(QWidget*, const QString& domanda, const QString&,
                                const QString&) override {
    domande.push_back(domanda);
    if (inserimenti.empty()) return std::nullopt;
    const bool annullato = !inserimenti.front().has_value();
    const QString testo = annullato ? QString() : *inserimenti.front();
    inserimenti.pop_front();
    if (annullato) return std::nullopt;
    return testo;
  }
  QString salva(QWidget*, const DialogoFile& d) override { return File(d); }
  QString apri(QWidget*, const DialogoFile& d) override { return File(d); }
  int esegui(QDialog* finestra) override {
    finestreModali.push_back(QString::fromLatin1(finestra->metaObject()->className()));
    return alModale ? alModale(finestra) : QDialog::Rejected;
  }
  void popup(QMenu* m, const QPoint&) override {
    QStringList voci;
    for (QAction* a : m->actions())
      if (a->isVisible()) voci << (a->isSeparator() ? QStringLiteral("-") : a->text());
    menu.push_back(voci);
  }
  // The texts of the recorded messages, for compact assertions.
  QStringList testi() const {
    QStringList out;
    for (const auto& m : messaggi) out << m.testo;
    return out;
  }

 private:
  QString File(const DialogoFile& d) {
    dialoghiFile.push_back(d);
    if (file.empty()) return QString();
    QString r = file.front();
    file.pop_front();
    return r;
  }
};

class AppuntiDiProva : public Appunti {
 public:
  QString contenuto;
  QString testo() override { return contenuto; }
  void scrivi(const QString& testo) override { contenuto = testo; }
};

class StampanteDiProva : public Stampante {
 public:
  bool presente = true;
  struct Documento {
    QStringList righe;
    QString font;
    int punti;
    QString nome;  // the job's name
  };
  std::vector<Documento> documenti;
  bool installata() override { return presente; }
  bool stampa(const QString& documento, const QStringList& righe, const QString& font, int punti,
              QString*) override {
    documenti.push_back({righe, font, punti, documento});
    return true;
  }
};

class ImpostazioniDiProva : public Impostazioni {
 public:
  QMap<QString, QString> valori;  // "sezione/chiave" -> valore
  QString leggi(const QString& sezione, const QString& chiave, const QString& predefinito) override {
    return valori.value(sezione + QLatin1Char('/') + chiave, predefinito);
  }
  void scrivi(const QString& sezione, const QString& chiave, const QString& valore) override {
    valori[sezione + QLatin1Char('/') + chiave] = valore;
  }
};

class AiutoDiProva : public Aiuto {
 public:
  std::vector<int> argomenti;
  void mostra(int argomento) override { argomenti.push_back(argomento); }
};

class DesktopDiProva : public Desktop {
 public:
  std::vector<QUrl> aperti;
  bool riesce = true;
  bool apri(const QUrl& indirizzo) override {
    aperti.push_back(indirizzo);
    return riesce;
  }
};

class ServiziDiProva {
 public:
  explicit ServiziDiProva(const QString& titolo = QStringLiteral("Tarvolane"),
                          const QString& cartellaProgramma = QString()) {
    // The tests' program keeps its data beside itself, as run.sh lays it out.
    mPrecedenti = installaServizi({&dialoghi, &appunti, &stampante, &impostazioni, &aiuto, &desktop,
                                   titolo, cartellaProgramma, cartellaProgramma});
  }
  ~ServiziDiProva() { installaServizi(mPrecedenti); }
  ServiziDiProva(const ServiziDiProva&) = delete;
  ServiziDiProva& operator=(const ServiziDiProva&) = delete;

  DialoghiDiProva dialoghi;
  AppuntiDiProva appunti;
  StampanteDiProva stampante;
  ImpostazioniDiProva impostazioni;
  AiutoDiProva aiuto;
  DesktopDiProva desktop;

 private:
  Servizi mPrecedenti;
};

}  // namespace ui
