#pragma once
// The one crossing between the core's ANSI texts and Qt's strings.

#include <QString>
#include <string>
#include <string_view>

namespace ledra::qt {

QString FromAnsi(std::string_view ansi);
// Characters Windows-1252 cannot hold become '?'.
std::string ToAnsi(const QString& text);
// A string-table text as a QString.
QString Text(int id);

}  // namespace ledra::qt
