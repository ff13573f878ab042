#include "TempSettings.h"

#include "IniFile.h"

#include <QFile>

namespace bacc::test {

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

QString ShippedIniPath() {
    return QStringLiteral(BACCARAT_SOURCE_DIR "/resources/BACCARAT.INI");
}

TempSettings::TempSettings() : TempSettings(ReadAll(ShippedIniPath())) {}

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
    return ReadAll(path_);
}

} // namespace bacc::test
