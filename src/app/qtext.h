// Where Korvalt's byte strings meet Qt's QString. File contents are
// Windows-1252; paths are the file system's own bytes.
#pragma once

#include <QFile>
#include <QString>
#include <string>

#include "common/cp1252.h"

namespace korvalt {

inline QString ToQ(const std::string& cp1252) {
    return QString::fromStdString(Cp1252ToUtf8(cp1252));
}
inline std::string FromQ(const QString& text) {
    return Utf8ToCp1252(text.toStdString());
}
inline QString PathToQ(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}
inline std::string PathFromQ(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace korvalt
