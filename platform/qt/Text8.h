#pragma once
// The program's texts are 8-bit strings (Latin-1 in the widgets); these turn
// them into Qt strings and back.

#include <QString>

#include <string>

namespace platform::qt {

inline QString Latin1(const std::string& s) {
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

inline std::string Text8(const QString& s) {
    const QByteArray bytes = s.toLatin1();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace platform::qt
