// Where Korvalt's byte strings meet Qt's QString (file contents are
// Windows-1252, through ToQ/FromQ; the core's messages are UTF-8, through
// QString::fromStdString; paths are the file system's own bytes), and the look
// all windows share.
#pragma once

#include <QFile>
#include <QString>
#include <QWidget>
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

// Korvalt's windows are laid out for an 8-point font (the parameter grid's
// column widths are derived from it).
inline void UseDesignFont(QWidget* window) {
    QFont f = window->font();
    f.setPointSize(8);
    window->setFont(f);
}

} // namespace korvalt
