#include "ui/Servizi.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSettings>
#include <QUrl>
#include <QClipboard>
#include <QMimeData>

#include "ui/FinestraAiuto.h"
#include "ui/StampanteQt.h"

namespace ui {
namespace {

// "File di Output (*.txt)|*.txt" -> "File di Output (*.txt)".
QString FiltroQt(const QString& filtro) {
  const QStringList parti = filtro.split(QLatin1Char('|'));
  QStringList out;
  for (qsizetype i = 0; i + 1 < parti.size(); i += 2) {
    QString descrizione = parti[i];
    if (!descrizione.contains(QLatin1Char('('))) descrizione += QStringLiteral(" (") + parti[i + 1] + QLatin1Char(')');
    out << descrizione;
  }
  if (out.isEmpty() && !filtro.isEmpty()) out << filtro;
  return out.join(QStringLiteral(";;"));
}

class DialoghiQt : public Dialoghi {
 public:
  Risposta messaggio(QWidget* padre, const QString& testo, Icona icona, Pulsanti pulsanti,
                     const QString& titolo, Risposta predefinita) override {
    QMessageBox box(padre);
    box.setWindowTitle(titolo.isEmpty() ? servizi().titolo : titolo);
    box.setText(QString(testo).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    switch (icona) {
      case Icona::Nessuna: box.setIcon(QMessageBox::NoIcon); break;
      case Icona::Critica: box.setIcon(QMessageBox::Critical); break;
      case Icona::Domanda: box.setIcon(QMessageBox::Question); break;
      case Icona::Esclamativa: box.setIcon(QMessageBox::Warning); break;
      case Icona::Informazione: box.setIcon(QMessageBox::Information); break;
    }
    QPushButton* ok = nullptr;
    QPushButton* annulla = nullptr;
    QPushButton* si = nullptr;
    QPushButton* no = nullptr;
    if (pulsanti == Pulsanti::Ok || pulsanti == Pulsanti::OkAnnulla)
      ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    if (pulsanti == Pulsanti::SiNo || pulsanti == Pulsanti::SiNoAnnulla) {
      si = box.addButton(QStringLiteral("&Sì"), QMessageBox::YesRole);
      no = box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
    }
    if (pulsanti == Pulsanti::OkAnnulla || pulsanti == Pulsanti::SiNoAnnulla)
      annulla = box.addButton(QStringLiteral("Annulla"), QMessageBox::RejectRole);
    QPushButton* predefinito = predefinita == Risposta::No ? no
                               : predefinita == Risposta::Annulla ? annulla
                               : predefinita == Risposta::Si ? si : ok;
    if (!predefinito) predefinito = ok ? ok : si;
    box.setDefaultButton(predefinito);
    if (annulla) box.setEscapeButton(annulla);
    else if (no) box.setEscapeButton(no);
    else box.setEscapeButton(ok);
    box.exec();
    QAbstractButton* scelto = box.clickedButton();
    if (scelto == si) return Risposta::Si;
    if (scelto == no) return Risposta::No;
    if (scelto == annulla) return Risposta::Annulla;
    return Risposta::Ok;
  }

  std::optional<QString> chiedi(QWidget* padre, const QString& domanda, const QString& titolo,
                                const QString& predefinito) override {
    QInputDialog d(padre);
    d.setWindowTitle(titolo.isEmpty() ? servizi().titolo : titolo);
    d.setLabelText(QString(domanda).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    d.setTextValue(predefinito);
    d.setOkButtonText(QStringLiteral("OK"));
    d.setCancelButtonText(QStringLiteral("Annulla"));
    if (d.exec() != QDialog::Accepted) return std::nullopt;
    return d.textValue();
  }

  QString salva(QWidget* padre, const DialogoFile& f) override { return Dialogo(padre, f, true); }
  QString apri(QWidget* padre, const DialogoFile& f) override { return Dialogo(padre, f, false); }

  int esegui(QDialog* finestra) override { return finestra->exec(); }

  void popup(QMenu* menu, const QPoint& dove) override { menu->exec(dove); }

 private:
  static QString Dialogo(QWidget* padre, const DialogoFile& f, bool salva) {
    QFileDialog d(padre, f.titolo);
    d.setAcceptMode(salva ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    d.setFileMode(salva ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    d.setNameFilter(FiltroQt(f.filtro));
    QString estensione = f.estensione;
    if (estensione.startsWith(QLatin1Char('.'))) estensione.remove(0, 1);
    d.setDefaultSuffix(estensione);
    if (!f.cartella.isEmpty()) d.setDirectory(f.cartella);
    if (!f.nome.isEmpty()) d.selectFile(f.nome);
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return QString();
    return d.selectedFiles().constFirst();
  }
};

class AppuntiQt : public Appunti {
 public:
  QString testo() override {
    const QMimeData* dati = QGuiApplication::clipboard()->mimeData();
    return dati && dati->hasText() ? dati->text() : QString();
  }
  void scrivi(const QString& testo) override { QGuiApplication::clipboard()->setText(testo); }
};

class ImpostazioniQt : public Impostazioni {
 public:
  QString leggi(const QString& sezione, const QString& chiave, const QString& predefinito) override {
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, servizi().titolo);
    return s.value(sezione + QLatin1Char('/') + chiave, predefinito).toString();
  }
  void scrivi(const QString& sezione, const QString& chiave, const QString& valore) override {
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, servizi().titolo);
    s.setValue(sezione + QLatin1Char('/') + chiave, valore);
  }
};

class AiutoQt : public Aiuto {
 public:
  void mostra(int argomento) override { FinestraAiuto::Mostra(servizi().cartellaProgramma, argomento); }
};

class DesktopQt : public Desktop {
 public:
  bool apri(const QUrl& indirizzo) override { return QDesktopServices::openUrl(indirizzo); }
};

Servizi& Installati() {
  static Servizi s;
  return s;
}

}  // namespace

Servizi& servizi() { return Installati(); }

Servizi installaServizi(const Servizi& s) {
  Servizi prima = Installati();
  Installati() = s;
  return prima;
}

void installaServiziQt(const QString& titolo, const QString& cartellaProgramma) {
  static DialoghiQt dialoghi;
  static AppuntiQt appunti;
  static StampanteQt stampante;
  static ImpostazioniQt impostazioni;
  static AiutoQt aiuto;
  static DesktopQt desktop;
  installaServizi({&dialoghi, &appunti, &stampante, &impostazioni, &aiuto, &desktop, titolo,
                   cartellaProgramma});
}

Risposta Msg(QWidget* padre, const QString& testo, Icona icona, Pulsanti pulsanti,
             const QString& titolo, Risposta predefinita) {
  return servizi().dialoghi->messaggio(padre, testo, icona, pulsanti, titolo, predefinita);
}

}  // namespace ui
