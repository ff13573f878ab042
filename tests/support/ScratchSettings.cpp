#include "ScratchSettings.h"

#include "IniFile.h"

#include <QFile>

namespace bacc::test {

ScratchSettings::ScratchSettings(const QString& contents) {
    Write(contents);
    SetIniPath(Path());
}

ScratchSettings::~ScratchSettings() {
    SetIniPath(QString());
}

QString ScratchSettings::Path() const {
    return dir_.filePath(QStringLiteral("BACCARAT.INI"));
}

void ScratchSettings::Write(const QString& contents) {
    QFile file(Path());
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(contents.toLatin1());
    }
}

QString ScratchSettings::Contents() const {
    QFile file(Path());
    if (!file.open(QIODevice::ReadOnly)) {
        return QString();
    }
    return QString::fromLatin1(file.readAll());
}

} // namespace bacc::test
