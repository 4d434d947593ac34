#include "platform/qt/qt_text.h"

#include "platform/codepage.h"
#include "platform/string_table.h"

namespace ledra::qt {

QString FromAnsi(std::string_view ansi) {
  const std::string utf8 = platform::AnsiToUtf8(ansi);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string ToAnsi(const QString& text) {
  return platform::Utf8ToAnsi(text.toStdString()).text;
}

QString Text(int id) {
  return FromAnsi(Strings().Get(id));
}

}  // namespace ledra::qt
