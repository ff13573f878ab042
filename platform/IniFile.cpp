#include "IniFile.h"

#include "IniText.h"
#include "MessageBox.h"

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <deque>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <utility>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
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

// Temporary files are named after the settings file with this and six letters or digits.
const QByteArray TemporaryInfix = ".tmp-";
constexpr int TemporarySuffixLength = 6;

std::string ToBytes(const QString& text) {
    const QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

class Descriptor {
public:
    explicit Descriptor(int descriptor) : descriptor_(descriptor) {}
    ~Descriptor() {
        if (descriptor_ >= 0) {
            ::close(descriptor_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return descriptor_; }
    // Closes it now, answering whether the close succeeded.
    bool Close() {
        const int descriptor = descriptor_;
        descriptor_ = -1;
        return ::close(descriptor) == 0;
    }
    // Hands it over: no longer closed here.
    int Release() { return std::exchange(descriptor_, -1); }

private:
    int descriptor_;
};

// Closes descriptors on a thread of its own. Replacing the settings file frees the replaced file's
// blocks when its last descriptor closes, and on a file system mounted with discard that close waits
// for the device to trim them: with a large file, every hand of a deal would wait for the disk. Files
// of up to a few dozen megabytes in all may wait here; beyond that the caller closes itself, so that
// replaced files never pile up faster than the disk frees them.
class Closer {
public:
    static void Close(int descriptor, qint64 size) {
        if (descriptor < 0) {
            return;
        }
        // Never destroyed: the thread may still be closing while the program exits.
        static Closer* const closer = new Closer;
        if (!closer->Hand(descriptor, size)) {
            ::close(descriptor);
        }
    }

private:
    static constexpr qint64 MaxWaitingBytes = 32 * 1024 * 1024;
    static constexpr std::size_t MaxWaiting = 64;

    struct Waiting {
        int Descriptor;
        qint64 Size;
    };

    Closer() {
        std::thread([this] { Run(); }).detach();
    }

    bool Hand(int descriptor, qint64 size) {
        {
            const std::lock_guard lock(mutex_);
            if (waiting_.size() >= MaxWaiting || waitingBytes_ + size > MaxWaitingBytes) {
                return false;
            }
            waiting_.push_back({descriptor, size});
            waitingBytes_ += size;
        }
        wake_.notify_one();
        return true;
    }

    void Run() {
        for (;;) {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return !waiting_.empty(); });
            const Waiting next = waiting_.front();
            waiting_.pop_front();
            lock.unlock();
            ::close(next.Descriptor);
            lock.lock();
            waitingBytes_ -= next.Size; // counted until its blocks are freed
        }
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<Waiting> waiting_;
    qint64 waitingBytes_ = 0;
};

// A descriptor kept open on a settings file of so many bytes; closed by the closing thread.
class HeldFile {
public:
    HeldFile() = default;
    HeldFile(int descriptor, qint64 size) : descriptor_(descriptor), size_(size) {}
    ~HeldFile() { Closer::Close(descriptor_, size_); }
    HeldFile(HeldFile&& other) noexcept
        : descriptor_(std::exchange(other.descriptor_, -1)), size_(other.size_) {}
    HeldFile& operator=(HeldFile&& other) noexcept {
        std::swap(descriptor_, other.descriptor_);
        std::swap(size_, other.size_);
        return *this;
    }

private:
    int descriptor_ = -1;
    qint64 size_ = 0;
};

struct FileContent {
    std::string Bytes;
    struct stat Info {};
    // The file itself, held open so that replacing it does not free it on the thread that replaces it.
    HeldFile File;
};

// The whole file, or nothing when it cannot be read. Something put at the path while the program runs
// must not hang it or fill its memory: the open does not wait (a FIFO without a writer), and only a
// regular file of a sane size is read. Links are followed, since a user may keep the file as a link.
std::optional<FileContent> ReadSettingsFile(const QByteArray& name) {
    if (name.isEmpty()) {
        return std::nullopt;
    }
    Descriptor file(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    FileContent content;
    if (file.Get() < 0 || ::fstat(file.Get(), &content.Info) != 0 || !S_ISREG(content.Info.st_mode) ||
        content.Info.st_size > MaxIniFileSize) {
        return std::nullopt;
    }
    content.Bytes.resize(static_cast<size_t>(content.Info.st_size) + 1);
    size_t done = 0;
    for (;;) {
        if (done == content.Bytes.size()) {
            if (done > static_cast<size_t>(MaxIniFileSize)) {
                return std::nullopt; // grown past the limit while read
            }
            content.Bytes.resize(std::min(done * 2, static_cast<size_t>(MaxIniFileSize) + 1));
        }
        const ssize_t got = ::read(file.Get(), content.Bytes.data() + done, content.Bytes.size() - done);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return std::nullopt;
        }
        if (got == 0) {
            break;
        }
        done += static_cast<size_t>(got);
    }
    content.Bytes.resize(done);
    content.File = HeldFile(file.Release(), content.Info.st_size);
    return content;
}

// The superuser passes every permission check, yet a settings file the user made read-only is meant to
// stay as it is: without a single write bit it is not rewritten by anyone.
bool MayRewrite(const QByteArray& name, const struct stat& info) {
    if (::geteuid() == 0 && (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        return false;
    }
    return ::access(name.constData(), W_OK) == 0;
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

// The new content with the mode and owner of the original, and its status once complete. Every write
// counts: a file that could not be written in full must never replace the old one.
bool FillTemporary(int descriptor, const std::string& content, const struct stat& original,
                   struct stat& filled) {
    if (!WriteAll(descriptor, content) || ::fchmod(descriptor, original.st_mode & 07777) != 0) {
        return false;
    }
    if (::geteuid() == 0 && (original.st_uid != 0 || original.st_gid != 0)) {
        // Only the superuser can give the file back to another owner; a failure here does no harm.
        (void)!::fchown(descriptor, original.st_uid, original.st_gid);
    }
    if (::fstat(descriptor, &filled) != 0) {
        filled = {}; // matches no file: the kept content is read again after the rename
    }
    return true;
}

bool IsSuffixLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

// Gives an unnamed file (O_TMPFILE) a temporary name beside the target. Linking through /proc works
// for any user, unlike AT_EMPTY_PATH; without /proc the caller falls back to a named file.
bool NameUnnamedFile(int descriptor, const QByteArray& target, QByteArray& name) {
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    const QByteArray source = "/proc/self/fd/" + QByteArray::number(descriptor);
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = target + TemporaryInfix;
        for (int i = 0; i < TemporarySuffixLength; ++i) {
            name += letters[QRandomGenerator::global()->bounded(static_cast<int>(sizeof letters - 1))];
        }
        if (::linkat(AT_FDCWD, source.constData(), AT_FDCWD, name.constData(), AT_SYMLINK_FOLLOW) == 0) {
            return true;
        }
        if (errno != EEXIST) {
            break;
        }
    }
    name.clear();
    return false;
}

// The file that replaced the settings file: its status when complete, and the file held open.
struct Replacement {
    struct stat Filled {};
    HeldFile File;
};

// Replaces the file target (a canonical path) by content in one step: the content goes into a new file
// in the same directory, which is then renamed over the original. A reader, a crash or a kill at any
// moment sees either the old file or the new one. The new file is made without a name (O_TMPFILE) and
// named only once it is complete, so a kill while it is written leaves nothing behind; only a kill
// between naming it and the rename leaves a whole file, which the next start removes.
// There is no fsync: it costs several milliseconds per write, and a rename over an existing file already
// makes ext4 (auto_da_alloc) and btrfs write the new data out before the rename is committed, so a
// power cut also leaves the old or the new file there.
// Nothing when the file was not replaced.
std::optional<Replacement> ReplaceFile(const QByteArray& target, const std::string& content,
                                       const struct stat& original) {
    if (!MayRewrite(target, original)) {
        return std::nullopt;
    }
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray directory = slash > 0 ? target.left(slash) : QByteArray("/");
    Replacement replacement;
    QByteArray temporary;
    {
        Descriptor unnamed(::open(directory.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600));
        if (unnamed.Get() >= 0) {
            if (!FillTemporary(unnamed.Get(), content, original, replacement.Filled)) {
                return std::nullopt; // the unnamed file goes with its descriptor
            }
            if (NameUnnamedFile(unnamed.Get(), target, temporary)) {
                replacement.File =
                    HeldFile(::fcntl(unnamed.Get(), F_DUPFD_CLOEXEC, 0), replacement.Filled.st_size);
                if (!unnamed.Close()) {
                    ::unlink(temporary.constData());
                    return std::nullopt;
                }
            }
        }
    }
    if (temporary.isEmpty()) {
        // A file system without unnamed files, or no /proc.
        temporary = target + TemporaryInfix + QByteArray(TemporarySuffixLength, 'X');
        Descriptor named(::mkostemp(temporary.data(), O_CLOEXEC));
        if (named.Get() < 0) {
            return std::nullopt;
        }
        const bool filled = FillTemporary(named.Get(), content, original, replacement.Filled);
        replacement.File = HeldFile(::fcntl(named.Get(), F_DUPFD_CLOEXEC, 0), replacement.Filled.st_size);
        if (!named.Close() || !filled) {
            ::unlink(temporary.constData());
            return std::nullopt;
        }
    }
    if (::rename(temporary.constData(), target.constData()) != 0) {
        ::unlink(temporary.constData());
        return std::nullopt;
    }
    return replacement;
}

// The settings file as last read or written, kept while the file is unchanged: the same device, inode,
// size, modification and change times. Any write to the file, in place or by replacing it, changes
// these, so an outside change is seen at the next read; the values looked up in it are kept with it.
class KeptFile {
public:
    // The file's content, read again only when it has changed; nullptr when it cannot be read.
    FileContent* Current(const QByteArray& name) {
        struct stat info {};
        if (name.isEmpty() || ::stat(name.constData(), &info) != 0) {
            kept_.reset();
            return nullptr;
        }
        if (kept_ && Same(info, kept_->Info)) {
            return &*kept_;
        }
        kept_ = ReadSettingsFile(name);
        values_.clear();
        return kept_ ? &*kept_ : nullptr;
    }

    std::optional<std::string> Lookup(const QByteArray& name, const std::string& section,
                                      const std::string& key) {
        const FileContent* content = Current(name);
        if (!content) {
            return std::nullopt;
        }
        const auto [at, added] = values_.try_emplace({section, key});
        if (added) {
            at->second = ini::Lookup(content->Bytes, section, key);
        }
        return at->second;
    }

    // The kept content is about to be edited: the values looked up in it go.
    void Editing() { values_.clear(); }
    // After the edited content replaced the file: kept as the file is now, unless something else has
    // changed or replaced it meanwhile (the rename itself only changes the change time); after a failed
    // write, read again next time. The replaced file is closed by the closing thread.
    void Written(const QByteArray& name, std::optional<Replacement> replacement) {
        struct stat info {};
        if (replacement && kept_ && ::stat(name.constData(), &info) == 0 &&
            info.st_dev == replacement->Filled.st_dev && info.st_ino == replacement->Filled.st_ino &&
            info.st_size == replacement->Filled.st_size &&
            info.st_mtim.tv_sec == replacement->Filled.st_mtim.tv_sec &&
            info.st_mtim.tv_nsec == replacement->Filled.st_mtim.tv_nsec) {
            kept_->Info = info;
            kept_->File = std::move(replacement->File);
        } else {
            kept_.reset();
        }
    }

private:
    static bool Same(const struct stat& a, const struct stat& b) {
        return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size &&
               a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec &&
               a.st_ctim.tv_sec == b.st_ctim.tv_sec && a.st_ctim.tv_nsec == b.st_ctim.tv_nsec;
    }

    std::optional<FileContent> kept_;
    std::map<std::pair<std::string, std::string>, std::optional<std::string>> values_;
};

KeptFile& TheKeptFile() {
    static KeptFile file;
    return file;
}

// Reads and writes may come from any thread; the kept file is shared.
std::mutex& KeptFileMutex() {
    static std::mutex mutex;
    return mutex;
}

QByteArray CanonicalIniName() {
    const QString path = IniPath();
    if (path.isEmpty()) {
        return {};
    }
    // Empty when the file is missing: the program never creates the settings file.
    return QFile::encodeName(QFileInfo(path).canonicalFilePath());
}

} // namespace

QString ReadIni(const QString& section, const QString& key) {
    const std::lock_guard lock(KeptFileMutex());
    const std::optional<std::string> value =
        TheKeptFile().Lookup(QFile::encodeName(IniPath()), ToBytes(section), ToBytes(key));
    if (!value) {
        return QStringLiteral("No");
    }
    return QString::fromLatin1(value->data(), static_cast<qsizetype>(value->size()));
}

void WriteIniValues(std::span<const IniValue> values) {
    const QByteArray target = CanonicalIniName();
    const std::lock_guard lock(KeptFileMutex());
    KeptFile& kept = TheKeptFile();
    FileContent* content = kept.Current(target);
    if (!content) {
        return;
    }
    // Edited where it is kept: a large file is not copied for every value.
    kept.Editing();
    bool changed = false;
    for (const IniValue& value : values) {
        changed = ini::EditInPlace(content->Bytes, ToBytes(value.Section), ToBytes(value.Key),
                                   ToBytes(value.Value)) ||
                  changed;
    }
    if (changed) {
        kept.Written(target, ReplaceFile(target, content->Bytes, content->Info));
    }
}

void WriteIniValues(std::initializer_list<IniValue> values) {
    WriteIniValues(std::span<const IniValue>(values.begin(), values.size()));
}

void WriteIni(const QString& section, const QString& key, const QString& value) {
    WriteIniValues({IniValue{section, key, value}});
}

void RemoveLeftoverTemporaryFiles() {
    const QByteArray target = CanonicalIniName();
    if (target.isEmpty()) {
        return;
    }
    const QFileInfo info(QFile::decodeName(target));
    const QByteArray base = QFile::encodeName(info.fileName());
    const QDir directory = info.dir();
    const QStringList names =
        directory.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : names) {
        const QByteArray name = QFile::encodeName(entry);
        // Ours: BACCARAT.INI.tmp-XXXXXX. Earlier versions left empty BACCARAT.INI.XXXXXX files.
        const bool current = name.size() == base.size() + TemporaryInfix.size() + TemporarySuffixLength &&
                             name.startsWith(base + TemporaryInfix);
        const bool earlier =
            name.size() == base.size() + 1 + TemporarySuffixLength && name.startsWith(base + '.');
        if (!current && !earlier) {
            continue;
        }
        const QByteArray suffix = name.right(TemporarySuffixLength);
        if (!std::all_of(suffix.begin(), suffix.end(), IsSuffixLetter)) {
            continue;
        }
        const QByteArray path = QFile::encodeName(directory.filePath(entry));
        struct stat leftover {};
        if (::lstat(path.constData(), &leftover) != 0 || !S_ISREG(leftover.st_mode) ||
            leftover.st_uid != ::geteuid() || (earlier && leftover.st_size != 0)) {
            continue;
        }
        ::unlink(path.constData());
    }
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
