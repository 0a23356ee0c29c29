#pragma once
// Text between the core (UTF-8 std::string) and the widgets (QString).

#include <QString>

#include <string>

inline QString Q(const std::string& utf8) { return QString::fromStdString(utf8); }
inline std::string U(const QString& text) { return text.toStdString(); }
