// Conversions between the model's UTF-8 texts and Qt strings, and the rule
// for numbers read from text boxes.
#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <string_view>

class QComboBox;

namespace ui {

inline QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
inline std::string S(const QString& s) { return s.toStdString(); }

// The number the text starts with (leading blanks skipped, optional sign),
// 0 when it starts with none; saturates instead of overflowing.
long long NumeroIniziale(const QString& testo);

// The width in pixels a drop-down list needs to show the widest of the texts
// whole, in its own font and style.
int LarghezzaLista(const QComboBox* lista, const QStringList& testi);

}  // namespace ui
