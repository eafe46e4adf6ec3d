#include "ui/Rapporto.h"

#include <QWidget>

#include "core/file.h"
#include "core/testo.h"
#include "ui/Testo.h"

namespace ui {

QString SalvaFile(QWidget* padre, const DialogoFile& d, std::string_view bytes) {
  const QString nome = servizi().dialoghi->salva(padre, d);
  if (nome.isEmpty()) return QString();
  if (const Esito scritto = file::ScriviAtomico(S(nome), bytes); !scritto) {
    Msg(padre, Q(scritto.motivo()), Icona::Critica);
    return QString();
  }
  return nome;
}

QString SalvaRighe(QWidget* padre, const DialogoFile& d, const std::vector<std::string>& righe) {
  return SalvaFile(padre, d, testo::CodificaRighe(righe));
}

QStringList RigheTesto(std::string_view utf8) {
  QStringList out;
  for (const std::string& r : testo::DecodificaRighe(utf8)) out << Q(r);
  return out;
}

bool StampaRighe(QWidget* padre, const QStringList& righe) {
  Stampante& stampante = *servizi().stampante;
  if (!stampante.installata()) {
    Msg(padre, QStringLiteral("NESSUNA STAMPANTE INSTALLATA "), Icona::Critica);
    return false;
  }
  // The job is named after the window, so the print queue or a folder of
  // printed files tells the reports apart.
  QString nome = padre ? SuUnaRiga(Nome(padre)).trimmed() : QString();
  if (nome.isEmpty()) nome = Titolo();
  QString errore;
  if (!stampante.stampa(nome, righe, QStringLiteral("Courier"), 10, &errore)) {
    Msg(padre, errore, Icona::Critica);
    return false;
  }
  return true;
}

}  // namespace ui
