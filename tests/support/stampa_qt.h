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

inline void PrintTo(const QString& s, std::ostream* os) {
  static constexpr char kCifre[] = "0123456789ABCDEF";
  *os << '"';
  for (const char c : s.toUtf8()) {
    const auto b = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\')
      *os << '\\' << c;
    else if (c == '\n')
      *os << "\\n";
    else if (c == '\r')
      *os << "\\r";
    else if (c == '\t')
      *os << "\\t";
    else if (b < 0x20 || b == 0x7F)
      *os << "\\x" << kCifre[b >> 4] << kCifre[b & 15];
    else
      *os << c;
  }
  *os << '"';
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
