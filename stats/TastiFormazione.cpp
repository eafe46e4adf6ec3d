#include "stats/TastiFormazione.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "stats/tabella_formazioni.h"
#include "ui/Testo.h"

namespace TastiFormazione {

bool Filtra(QLineEdit* casella, QKeyEvent* evento, const std::function<void(int& KeyAscii)>& KeyPress) {
  const bool indietro = evento->key() == Qt::Key_Backspace;
  if (evento->modifiers() & (Qt::ControlModifier | Qt::MetaModifier | Qt::AltModifier)) return false;
  if (!indietro && (evento->text().size() != 1 || !evento->text().front().isPrint())) return false;
  const int battuto = indietro ? 8 : evento->text().front().unicode();
  int KeyAscii = battuto;
  KeyPress(KeyAscii);
  if (KeyAscii == 0) return true;
  if (KeyAscii == battuto) return false;
  casella->insert(QString(QChar(KeyAscii)));
  return true;
}

void FiltraNumeri(QLineEdit* casella, int& KeyAscii) {
  const bool tutto = casella->selectedText().size() == casella->text().size();
  const formazioni::Tasto t =
      formazioni::FiltroNumeri(ui::S(casella->text()), tutto, static_cast<char32_t>(KeyAscii));
  if (t.svuota) casella->clear();
  if (!t.passa) KeyAscii = 0;
}

}  // namespace TastiFormazione
