// Text conversion between the core's UTF-8 strings and Qt's strings.
#pragma once

#include <QString>
#include <string>

inline QString ToQString(const std::string& text) {
    return QString::fromUtf8(text);
}
inline std::string ToUtf8(const QString& text) {
    return text.toUtf8().toStdString();
}

// Report and message lines end in CR LF; Qt's text widgets want bare line feeds.
inline QString ToDisplayLines(const std::string& text) {
    QString lines = ToQString(text);
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines.remove(QLatin1Char('\r'));
    return lines;
}
