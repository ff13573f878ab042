#include "IniFile.h"

#include "IniText.h"
#include "MessageBox.h"

#include <optional>
#include <string>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace bacc {

namespace {

QString& StoredIniPath() {
    static QString path;
    return path;
}

QString& StoredHelpPath() {
    static QString path;
    return path;
}

const QString IniFileName = QStringLiteral("BACCARAT.INI");
const QString HelpFileName = QStringLiteral("BACCARAT.HLP");

std::string ToBytes(const QString& text) {
    const QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

// The whole file, or nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

} // namespace

QString ReadIni(const QString& section, const QString& key) {
    const std::optional<std::string> content = ReadWholeFile(IniPath());
    if (!content) {
        return QStringLiteral("No");
    }
    const std::optional<std::string> value = ini::Lookup(*content, ToBytes(section), ToBytes(key));
    if (!value) {
        return QStringLiteral("No");
    }
    return QString::fromLatin1(value->data(), static_cast<qsizetype>(value->size()));
}

void WriteIni(const QString& section, const QString& key, const QString& value) {
    const QString path = IniPath();
    // The program never creates the settings file: a missing file stays missing.
    if (path.isEmpty() || !QFileInfo::exists(path)) {
        return;
    }
    const std::optional<std::string> content = ReadWholeFile(path);
    if (!content) {
        return;
    }
    const std::string edited = ini::Edit(*content, ToBytes(section), ToBytes(key), ToBytes(value));
    if (edited == *content) {
        return;
    }
    // Write a temporary file beside the original, flush it to disk and rename it over the original, so
    // that an interruption leaves either the old file or the new one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return;
    }
    if (file.write(edited.data(), static_cast<qint64>(edited.size())) != static_cast<qint64>(edited.size())) {
        file.cancelWriting();
        return;
    }
    file.commit();
}

QString DevelopmentIniPath() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(IniFileName);
}

QString InstalledIniPath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("quorrel-baccarat/") + IniFileName);
}

bool LocateSettingsFile() {
    for (const QString& candidate : {DevelopmentIniPath(), InstalledIniPath()}) {
        if (QFileInfo(candidate).isFile()) {
            SetIniPath(candidate);
            return true;
        }
    }
    ShowMessage(QStringLiteral("The 'INI' file for Quorrel Baccarat is missing or corrupted. Please "
                               "re-install Quorrel Baccarat"),
                MsgIcon::Critical);
    return false;
}

const QString& IniPath() {
    return StoredIniPath();
}

const QString& HelpPath() {
    return StoredHelpPath();
}

void SetIniPath(const QString& iniPath) {
    StoredIniPath() = iniPath;
    StoredHelpPath() = iniPath.isEmpty() ? QString() : QFileInfo(iniPath).dir().filePath(HelpFileName);
}

} // namespace bacc
