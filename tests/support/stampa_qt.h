// GoogleTest printers for Qt's strings: a failed comparison shows the text
// (UTF-8 in quotes, with quotes, backslashes and control characters escaped)
// instead of the bytes of the object. The build puts this file ahead of every
// source of window_tests, so that every instantiation of GoogleTest's printer
// in that program sees the same overloads.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <ostream>
#include <string>
#include <string_view>

#include "support/stampa_modello.h"  // the text printer, and the model's values

inline void PrintTo(const QString& s, std::ostream* os) {
  const QByteArray utf8 = s.toUtf8();
  prova::StampaTesto(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())), os);
}

inline void PrintTo(const QStringList& l, std::ostream* os) {
  *os << '{';
  for (qsizetype i = 0; i < l.size(); ++i) {
    *os << (i ? ", " : " ");
    PrintTo(l[i], os);
  }
  *os << (l.isEmpty() ? "}" : " }");
}

// A C string compared with a QString is text, as GoogleTest takes one
// compared with a std::string; otherwise a failure prints its address.
namespace testing::internal {
template <>
class FormatForComparison<char*, QString> {
 public:
  static std::string Format(const char* s) { return ::testing::PrintToString(s); }
};
template <>
class FormatForComparison<const char*, QString> {
 public:
  static std::string Format(const char* s) { return ::testing::PrintToString(s); }
};
}  // namespace testing::internal
