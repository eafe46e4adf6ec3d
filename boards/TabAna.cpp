#include "boards/TabAna.h"

#include <QTimer>

#include "core/MDIForm1.h"
#include "core/file.h"
#include "core/indici.h"
#include "ui/Finestre.h"
#include "ui/Griglia.h"
#include "ui/Servizi.h"
#include "ui/Testo.h"

namespace {

// Column c of an analytic board belongs to wheel ceil(c / 5).
const std::vector<int>& RuoteAnalitiche() {
  static const std::vector<int> ruote = [] {
    std::vector<int> r(51, 0);
    for (int c = 1; c <= 50; ++c) r[c] = Tabelloni::RuotaDiColonna(c);
    return r;
  }();
  return ruote;
}

}  // namespace

TabAna::TabAna(MDIForm1& principale, QWidget* parent) : TelaioTabellone(principale, parent) {
  setObjectName(QStringLiteral("TabAna"));
  setWindowTitle(QStringLiteral("Tabellone Analitico"));
  ui::Finestre::ImpostaDimensioni(this, 17000, 9000);
  IntestazioneAnalitica();
  auto letto = file::LeggiBinario(mStato.CartellaDati / "archivio.dat");
  auto copia = letto ? Archivio::Decodifica(*letto) : Risultato<Archivio>::Errore(letto.motivo());
  if (!copia) {
    ui::Msg(this, ui::Q(copia.motivo()), ui::Icona::Critica);
    QTimer::singleShot(0, this, [this] {
      if (parentWidget()) parentWidget()->close();
    });
    return;
  }
  CopiaArchivio = std::move(copia).prendi();
  ApriSulRange();
}

void TabAna::Crea_Tabellone_Analitico(int R) {
  mTabellone = Tabelloni::Crea_Tabellone_Analitico(CopiaArchivio, mStato.EstrInizio, R);
  const Tabelloni::Tabellone& righe = mTabellone.righe;
  RiempiGriglia(static_cast<int>(righe.size()), RuoteAnalitiche(), [&righe](int i, int c) {
    if (c == 0) return QString::number(righe[i].ritardo);
    const int x = righe[i].cella[c - 1];
    return x ? QString::number(x) : QString();
  });
}

QString TabAna::DataEstrazione(int d) const {
  if (d < 1 || d > formato::kRecord) return QString();
  return ui::Q(Inizio::DataBreve(CopiaArchivio, d));
}

std::optional<QStringList> TabAna::Dettagli(int riga, int colonna) const {
  const auto righe = Tabelloni::DettagliTabAna(mTabellone, static_cast<std::size_t>(riga - 2), colonna);
  if (!righe) return std::nullopt;
  QStringList out;
  for (const std::string& r : *righe) out << ui::Q(r);
  return out;
}
