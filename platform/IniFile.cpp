#include "IniFile.h"

#include "IniText.h"
#include "MessageBox.h"

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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
    if (path.isEmpty()) {
        return std::nullopt;
    }
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

bool WriteAll(int descriptor, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(descriptor, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        done += static_cast<size_t>(written);
    }
    return true;
}

// Replaces the file at path by content in one step: the content goes into a new file in the same
// directory, which is then renamed over the original. A reader, a crash or a kill at any moment sees
// either the old file or the new one. There is no fsync: it costs several milliseconds per write, and
// a rename over an existing file already makes ext4 (auto_da_alloc) and btrfs write the new data out
// before the rename is committed, so a power cut also leaves the old or the new file there.
// A file that may not be written stays as it is; the mode and owner of the original are kept, and a
// symbolic link is followed so that the link itself stays.
void ReplaceFile(const QString& path, const std::string& content) {
    const QString target = QFileInfo(path).canonicalFilePath();
    if (target.isEmpty()) {
        return;
    }
    const QByteArray targetName = QFile::encodeName(target);
    struct stat original {};
    if (::stat(targetName.constData(), &original) != 0 || !S_ISREG(original.st_mode) ||
        ::access(targetName.constData(), W_OK) != 0) {
        return;
    }
    QByteArray nameBuffer = targetName + ".XXXXXX";
    const int descriptor = ::mkostemp(nameBuffer.data(), O_CLOEXEC);
    if (descriptor < 0) {
        return;
    }
    bool written = WriteAll(descriptor, content);
    written = ::fchmod(descriptor, original.st_mode & 07777) == 0 && written;
    if (::geteuid() == 0 && (original.st_uid != 0 || original.st_gid != 0)) {
        // Only the superuser can give the file back to another owner; a failure here does no harm.
        (void)!::fchown(descriptor, original.st_uid, original.st_gid);
    }
    written = ::close(descriptor) == 0 && written;
    if (!written || ::rename(nameBuffer.constData(), targetName.constData()) != 0) {
        ::unlink(nameBuffer.constData());
    }
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
    ReplaceFile(path, edited);
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
