#include "TempSettings.h"

#include "IniFile.h"

#include <QFile>

namespace bacc::test {

QString ShippedIniPath() {
    return QStringLiteral(BACCARAT_SOURCE_DIR "/resources/BACCARAT.INI");
}

TempSettings::TempSettings() : path_(dir_.filePath(QStringLiteral("BACCARAT.INI"))) {
    QFile::copy(ShippedIniPath(), path_);
    QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner);
    SetIniPath(path_);
}

TempSettings::TempSettings(const QByteArray& contents)
    : path_(dir_.filePath(QStringLiteral("BACCARAT.INI"))) {
    QFile file(path_);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(contents);
    }
    SetIniPath(path_);
}

TempSettings::~TempSettings() {
    SetIniPath(QString());
}

QByteArray TempSettings::Contents() const {
    QFile file(path_);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace bacc::test
