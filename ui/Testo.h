// Conversions between the model's UTF-8 texts and Qt strings, the rule for
// numbers read from text boxes, and the rule that text is shown as written:
// Qt guesses markup in the text of a label or a tooltip ("<b>", "&lt;",
// "<img src=…>", whose picture it would load), and a menu item takes "&" as
// its mnemonic, while names, lines and pasted text must read as they are.
#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <string_view>

class QComboBox;
class QWidget;

namespace ui {

inline QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
inline std::string S(const QString& s) { return s.toStdString(); }

// The number the text starts with (leading blanks skipped, optional sign),
// 0 when it starts with none; saturates instead of overflowing.
long long NumeroIniziale(const QString& testo);

// The width in pixels a drop-down list needs to show the widest of the texts
// whole, in its own font and style.
int LarghezzaLista(const QComboBox* lista, const QStringList& testi);

// Makes every label of the application plain text from before it is first
// shown, Qt's own (in input boxes and file dialogs) included; REQUIRES: a
// QApplication. Calling it again does nothing.
void ImpostaTestoSemplice();
// Sets a widget's tooltip (and what a screen reader says of it) to a text
// shown as written; an empty text removes the tooltip.
void SuggerimentoSemplice(QWidget* w, const QString& testo);
// A window title that reads as `testo`: Qt takes "[*]" in a title as the
// place of the modified mark, "[*][*]" as "[*]".
inline QString TitoloSemplice(QString testo) {
  return testo.replace(QLatin1String("[*]"), QLatin1String("[*][*]"));
}
// The caption of a menu item that reads as the window title `titolo` (set
// through TitoloSemplice where it holds a name), each "&" kept.
inline QString VoceSemplice(QString titolo) {
  return titolo.replace(QLatin1String("[*][*]"), QLatin1String("[*]"))
      .replace(QLatin1Char('&'), QLatin1String("&&"));
}

}  // namespace ui
