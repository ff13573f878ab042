#include "IniFile.h"

#include "IniText.h"

#include <cctype>
#include <csignal>
#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace bacc;

namespace {

const char* const WriterVariable = "INIFILETEST_WRITER";
const char* const BatchWriterVariable = "INIFILETEST_BATCH_WRITER";
const char* const ProbeVariable = "INIFILETEST_PROBE";
constexpr int WrittenKeys = 5;

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

std::string Std(const QByteArray& bytes) {
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

// Sets or clears the immutable attribute, which stops writes even for the superuser. Answers whether the
// file system took it.
bool SetImmutable(const QString& path, bool on) {
    return QProcess::execute(QStringLiteral("chattr"),
                             {on ? QStringLiteral("+i") : QStringLiteral("-i"), path}) == 0;
}

// Makes path unwritable: by its permissions, or, for the superuser whom permissions do not stop, by the
// immutable attribute. Answers a reason when neither works.
QString MakeUnwritable(const QString& path) {
    if (geteuid() != 0) {
        const bool isDirectory = QFileInfo(path).isDir();
        QFile::setPermissions(path, isDirectory ? (QFile::ReadOwner | QFile::ExeOwner) : QFile::ReadOwner);
        return {};
    }
    if (SetImmutable(path, true)) {
        return {};
    }
    return QStringLiteral("running as the superuser on a file system without the immutable attribute: "
                          "nothing can make a file unwritable here");
}

void MakeWritable(const QString& path) {
    if (geteuid() == 0) {
        SetImmutable(path, false);
    } else {
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}

// The child process of the crash tests: rewrites the keys of section "Run" (and, in batches, "Hands" of
// section "Tail") with a growing counter as fast as it can, until it is killed. One value per write, or
// all of them in one batch.
int RunWriter(const QString& iniPath, bool batches) {
    SetIniPath(iniPath);
    // Resume from the last key, which the killed writer before may not have reached.
    long long counter =
        ReadIni(QStringLiteral("Run"), QStringLiteral("K%1").arg(WrittenKeys - 1)).trimmed().toLongLong();
    std::fputs("writing\n", stdout);
    std::fflush(stdout);
    for (;;) {
        ++counter;
        const QString value = QStringLiteral(" %1").arg(counter);
        if (batches) {
            std::vector<IniValue> batch;
            for (int k = 0; k < WrittenKeys; ++k) {
                batch.push_back({QStringLiteral("Run"), QStringLiteral("K%1").arg(k), value});
            }
            batch.push_back({QStringLiteral("Tail"), QStringLiteral("Hands"), value});
            WriteIniValues(batch);
            continue;
        }
        for (int k = 0; k < WrittenKeys; ++k) {
            WriteIni(QStringLiteral("Run"), QStringLiteral("K%1").arg(k), value);
        }
    }
}

// The child process of the tests of files that are not regular: reads, writes and reads again, and
// prints what it read. Its memory is limited, so that reading without end fails instead of filling the
// machine.
int RunProbe(const QString& iniPath) {
    const rlimit memory{1 << 30, 1 << 30};
    setrlimit(RLIMIT_AS, &memory);
    SetIniPath(iniPath);
    const QString before = ReadIni(QStringLiteral("S"), QStringLiteral("K"));
    WriteIni(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("new"));
    WriteIniValues({{QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("newer")}});
    const QString after = ReadIni(QStringLiteral("S"), QStringLiteral("K"));
    std::printf("%s %s\n", qPrintable(before), qPrintable(after));
    return 0;
}

// Runs the test program again as the child given by variable=value; answers its output, or a note of
// how it failed.
QByteArray RunChild(const char* variable, const QString& value, int timeoutMs) {
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(variable), value);
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {});
    if (!child.waitForFinished(timeoutMs)) {
        child.kill();
        child.waitForFinished();
        return "timed out";
    }
    if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
        return "failed: " + child.readAllStandardError();
    }
    return child.readAllStandardOutput().trimmed();
}

// Whether name is the temporary file of a write to the settings file of that name.
bool IsTemporaryName(const QString& name, const QString& settings) {
    static const QRegularExpression pattern(QStringLiteral("^(.*)\\.tmp-[A-Za-z0-9]{6}$"));
    const QRegularExpressionMatch match = pattern.match(name);
    return match.hasMatch() && match.captured(1) == settings;
}

// Random text the format can hold as a name or a value: no line breaks, no NUL, names without "=" and
// not starting with "[" or ";"; sections without "]". Values in a file may hold carriage returns,
// also just before a line end, which edits must keep.
class TextMaker {
public:
    explicit TextMaker(quint32 seed) : random_(seed) {}

    int Below(int n) { return static_cast<int>(random_.bounded(static_cast<quint32>(n))); }

    // A new name, or half the time one used in the last file made, in another case, so that edits
    // find existing sections and keys.
    std::string Name() {
        if (!used_.empty() && Below(2) == 0) {
            std::string name = used_[static_cast<size_t>(Below(static_cast<int>(used_.size())))];
            for (char& c : name) {
                if (Below(2) == 0) {
                    c = static_cast<char>(std::islower(static_cast<unsigned char>(c)) ? std::toupper(c)
                                                                                      : std::tolower(c));
                }
            }
            return name;
        }
        static const std::string letters = "abcAB xyzXY.-_12\xC3\xA9";
        std::string name;
        const int length = 1 + Below(6);
        for (int i = 0; i < length; ++i) {
            name += letters[static_cast<size_t>(Below(static_cast<int>(letters.size())))];
        }
        used_.push_back(name);
        return name;
    }

    std::string Value(bool mayHoldReturns = false) {
        std::string value;
        const int length = Below(10) == 0 ? 90 + Below(40) : Below(12);
        for (int i = 0; i < length; ++i) {
            char c = static_cast<char>(1 + Below(255));
            if (c == '\n' || (c == '\r' && !mayHoldReturns)) {
                c = '=';
            }
            value += c;
        }
        if (mayHoldReturns && Below(4) == 0) {
            value += '\r';
        }
        return value;
    }

    // A file of random sections, keys, comments, blank and broken lines, in LF or CRLF.
    std::string File() {
        const std::string eol = Below(2) == 0 ? "\n" : "\r\n";
        used_.clear();
        std::string file;
        const int lines = Below(40);
        for (int i = 0; i < lines; ++i) {
            switch (Below(7)) {
            case 0:
                file += "[" + Name() + "]";
                break;
            case 1:
                file += "; comment " + Value(true);
                break;
            case 2:
                break; // blank line
            case 3:
                file += "no equals sign here";
                break;
            default:
                file += Name() + "=" + Value(true);
                break;
            }
            if (i + 1 < lines || Below(3) != 0) {
                file += eol;
            }
        }
        return file;
    }

private:
    QRandomGenerator random_;
    std::vector<std::string> used_;
};

// Text with its control and high bytes shown as escapes, for failure messages.
std::string Escaped(const std::string& text) {
    std::string shown;
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x20 && u < 0x7F) {
            shown += c;
        } else {
            char code[8];
            std::snprintf(code, sizeof code, "\\x%02X", u);
            shown += code;
        }
    }
    return shown;
}

// The lines of a file, each with its line feed; the last may have none.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t begin = 0;
    while (begin < text.size()) {
        const size_t feed = text.find('\n', begin);
        const size_t end = feed == std::string::npos ? text.size() : feed + 1;
        lines.push_back(text.substr(begin, end - begin));
        begin = end;
    }
    return lines;
}

// A line without its line end, as a reader of the format sees it.
std::string LineText(std::string line) {
    if (!line.empty() && line.back() == '\n') {
        line.pop_back();
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return line;
}

// A name as the format compares it: blanks around it dropped, letters folded (Latin-1).
std::string Folded(std::string_view name) {
    while (!name.empty() && (name.front() == ' ' || name.front() == '\t')) {
        name.remove_prefix(1);
    }
    while (!name.empty() && (name.back() == ' ' || name.back() == '\t')) {
        name.remove_suffix(1);
    }
    std::string folded;
    for (const char c : name) {
        const auto u = static_cast<unsigned char>(c);
        folded +=
            static_cast<char>(((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7)) ? u + 32 : u);
    }
    return folded;
}

// The section a header line names, folded; nothing for other lines.
std::optional<std::string> HeaderName(const std::string& line) {
    const std::string whole = LineText(line);
    std::string_view text = whole;
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    if (text.empty() || text.front() != '[') {
        return std::nullopt;
    }
    text.remove_prefix(1);
    return Folded(text.substr(0, text.find(']')));
}

// Checks that writing key=value into section changed nothing but that section: every line before its
// header and after its end is the same byte for byte, and within it one line was replaced by or one
// line added as key=value. A missing section is added at the end. The file's last line may only gain
// a line end that keeps its text, for a line to be added after it. Answers what went wrong, or "".
std::string EditStaysInItsSection(const std::string& beforeText, const std::string& afterText,
                                  const std::string& section, const std::string& key,
                                  const std::string& value) {
    const std::vector<std::string> before = Lines(beforeText);
    const std::vector<std::string> after = Lines(afterText);
    const bool lastOpen = !beforeText.empty() && beforeText.back() != '\n';
    auto same = [&](size_t b, size_t a) {
        if (before[b] == after[a]) {
            return true;
        }
        if (!lastOpen || b + 1 != before.size()) {
            return false;
        }
        return after[a] == before[b] + "\n" || (before[b].back() != '\r' && after[a] == before[b] + "\r\n");
    };

    size_t header = before.size();
    for (size_t i = 0; i < before.size(); ++i) {
        if (HeaderName(before[i]) == Folded(section)) {
            header = i;
            break;
        }
    }
    if (header == before.size()) {
        if (after.size() != before.size() + 2) {
            return "a new section must add exactly two lines";
        }
        for (size_t i = 0; i < before.size(); ++i) {
            if (!same(i, i)) {
                return "line " + std::to_string(i) + " changed when a section was added";
            }
        }
        if (LineText(after[before.size()]) != "[" + section + "]" ||
            LineText(after[before.size() + 1]) != key + "=" + value) {
            return "the added section is not the one written";
        }
        return "";
    }
    size_t end = header + 1;
    while (end < before.size() && !HeaderName(before[end])) {
        ++end;
    }
    const size_t tail = before.size() - end;
    if (after.size() < before.size() || after.size() > before.size() + 1) {
        return "more than one line added or lines removed";
    }
    for (size_t i = 0; i <= header; ++i) {
        if (!same(i, i)) {
            return "line " + std::to_string(i) + " before the edited section changed";
        }
    }
    for (size_t i = 0; i < tail; ++i) {
        if (!same(end + i, after.size() - tail + i)) {
            return "line " + std::to_string(end + i) + " after the edited section changed";
        }
    }
    // Within the section: lines kept from its start and from its end leave one changed or added line.
    const size_t afterEnd = after.size() - tail;
    size_t from = header + 1;
    while (from < end && from < afterEnd && same(from, from)) {
        ++from;
    }
    size_t backB = end;
    size_t backA = afterEnd;
    while (backB > from && backA > from && same(backB - 1, backA - 1)) {
        --backB;
        --backA;
    }
    if (backA - from == 0 && backB - from == 0) {
        return "";
    }
    if (backA - from != 1 || backB - from > 1) {
        return "more than one line of the section changed";
    }
    const std::string written = LineText(after[from]);
    if (backB - from == 0) {
        return written == key + "=" + value ? "" : "the added line is not key=value";
    }
    const std::string old = LineText(before[from]);
    const size_t equals = old.find('=');
    if (equals == std::string::npos || Folded(old.substr(0, equals)) != Folded(key) ||
        written != old.substr(0, equals + 1) + value) {
        return "a line other than the key's was replaced";
    }
    return "";
}

} // namespace

class IniFileTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString path_;

    void UseFile(const QByteArray& content) {
        path_ = dir_.filePath(QStringLiteral("BACCARAT.INI"));
        QFile::remove(path_); // a FIFO left by a failed test would block the open
        WriteBytes(path_, content);
        SetIniPath(path_);
    }

private slots:
    void init() {
        QVERIFY(dir_.isValid());
        UseFile({});
    }

    void namesMatchWithoutRegardToCase() {
        UseFile("[Card Options]\nCard Face Up=False\n[Player1Stats]\nSteak= 1000\n");
        QCOMPARE(ReadIni("card options", "CARD FACE UP"), QString("False"));
        QCOMPARE(ReadIni("PLAYER1STATS", "steak"), QString(" 1000"));
        WriteIni("CARD OPTIONS", "card face up", "True");
        QCOMPARE(ReadBytes(path_),
                 QByteArray("[Card Options]\nCard Face Up=True\n[Player1Stats]\nSteak= 1000\n"));
        // Latin-1 letters fold too.
        UseFile("[\xC4pfel]\n\xC9t\xE9=1\n");
        QCOMPARE(ReadIni(QString::fromLatin1("\xE4PFEL"), QString::fromLatin1("\xC9T\xC9")), QString("1"));
    }

    void missingFileSectionOrKeyReadsNo() {
        UseFile("[Deal]\nDelay=False\n");
        QCOMPARE(ReadIni("Deal", "Animation"), QString("No"));
        QCOMPARE(ReadIni("Reveal", "Arrows"), QString("No"));
        QCOMPARE(ReadIni("", ""), QString("No"));
        SetIniPath(dir_.filePath("absent.ini"));
        QCOMPARE(ReadIni("Deal", "Delay"), QString("No"));
        SetIniPath(QString());
        QCOMPARE(ReadIni("Deal", "Delay"), QString("No"));
    }

    void valuesAreReadExactlyAfterTheEqualsSign() {
        UseFile("[S]\nHands= 12\nName = Ann \nEmpty=\nTwo=a=b\n  Indented  =x\n");
        QCOMPARE(ReadIni("S", "Hands"), QString(" 12"));
        QCOMPARE(ReadIni("S", "Name"), QString(" Ann "));
        QCOMPARE(ReadIni("S", "Empty"), QString(""));
        QCOMPARE(ReadIni("S", "Two"), QString("a=b"));
        QCOMPARE(ReadIni("S", "Indented"), QString("x"));
        // A number written is read back with its leading blank.
        WriteIni("S", "Hands", " 13");
        QCOMPARE(ReadIni("S", "Hands"), QString(" 13"));
    }

    void longValuesAreCutTo99Characters() {
        const QByteArray value(120, 'v');
        UseFile("[S]\nLong=" + value + "\nAfter=1\n");
        QCOMPARE(ReadIni("S", "Long"), QString(99, 'v'));
        QCOMPARE(ReadIni("S", "After"), QString("1"));
        WriteIni("S", "Written", QString(150, 'w'));
        QCOMPARE(ReadIni("S", "Written"), QString(99, 'w'));
        QVERIFY(ReadBytes(path_).contains("Written=" + QByteArray(150, 'w') + "\n"));
    }

    void missingKeysAndSectionsAreCreated() {
        UseFile("; settings\n[Deal]\nDelay=True\n\n[Reveal]\nArrows=True\n");
        WriteIni("Deal", "Animation", "False");
        WriteIni("Shoe Size", "Decks", " 8");
        WriteIni("Reveal", "Other", "x");
        QCOMPARE(ReadBytes(path_), QByteArray("; settings\n[Deal]\nDelay=True\nAnimation=False\n\n[Reveal]\n"
                                              "Arrows=True\nOther=x\n[Shoe Size]\nDecks= 8\n"));
        // A section with nothing in it yet.
        UseFile("[Empty]\n[Next]\nk=v\n");
        WriteIni("Empty", "First", "1");
        QCOMPARE(ReadBytes(path_), QByteArray("[Empty]\nFirst=1\n[Next]\nk=v\n"));
    }

    void replacingAValueKeepsEveryOtherByte() {
        const QByteArray before = "; Quorrel Baccarat settings\n\n[MDIForm1]\nTop= 0\n  Left = 15 ; note\n"
                                  "unknown line\n[frmMarkCard]\nTop= 4500\nWeird\tKey=\t\t tabs \n# hash\n";
        UseFile(before);
        WriteIni("MDIForm1", "left", " 300");
        QByteArray expected = before;
        expected.replace("  Left = 15 ; note\n", "  Left = 300\n");
        QCOMPARE(ReadBytes(path_), expected);
        WriteIni("frmMarkCard", "Top", " 4500");
        QCOMPARE(ReadBytes(path_), expected);
        QCOMPARE(ReadIni("frmMarkCard", "weird\tkey"), QString("\t\t tabs "));
    }

    void crlfFilesAreReadAndKeepTheirLineEnds() {
        UseFile("[Options]\r\nLarge Buttons=False\r\n\r\n[Deal]\r\nDelay=True\r\n");
        QCOMPARE(ReadIni("Options", "Large Buttons"), QString("False"));
        QCOMPARE(ReadIni("Deal", "Delay"), QString("True"));
        WriteIni("Options", "Large Buttons", "True");
        WriteIni("Deal", "Animation", "True");
        WriteIni("Reveal", "Arrows", "False");
        QCOMPARE(ReadBytes(path_),
                 QByteArray("[Options]\r\nLarge Buttons=True\r\n\r\n[Deal]\r\nDelay=True\r\n"
                            "Animation=True\r\n[Reveal]\r\nArrows=False\r\n"));
    }

    void emptyFileAndFileWithoutFinalLineEnd() {
        UseFile("");
        QCOMPARE(ReadIni("S", "K"), QString("No"));
        WriteIni("S", "K", "v");
        QCOMPARE(ReadBytes(path_), QByteArray("[S]\nK=v\n"));

        UseFile("[S]\nA=1");
        QCOMPARE(ReadIni("S", "A"), QString("1"));
        WriteIni("S", "B", "2");
        QCOMPARE(ReadBytes(path_), QByteArray("[S]\nA=1\nB=2"));
        WriteIni("T", "C", "3");
        QCOMPARE(ReadBytes(path_), QByteArray("[S]\nA=1\nB=2\n[T]\nC=3\n"));

        // A last line ending in a lone carriage return: the return is its line end, and a value ending in
        // one more return keeps it when a line is added after.
        UseFile("[S]\r\nA=1\r");
        QCOMPARE(ReadIni("S", "A"), QString("1"));
        WriteIni("S", "B", "2");
        QCOMPARE(ReadBytes(path_), QByteArray("[S]\r\nA=1\r\nB=2\r"));
        UseFile("[S]\nA=abc\r\r");
        QCOMPARE(ReadIni("S", "A"), QString("abc\r"));
        WriteIni("S", "B", "2");
        QCOMPARE(ReadBytes(path_), QByteArray("[S]\nA=abc\r\r\nB=2\r"));
        QCOMPARE(ReadIni("S", "A"), QString("abc\r"));
        QCOMPARE(ReadIni("S", "B"), QString("2"));
    }

    void linesWithoutEqualsAndKeysBeforeAnySection() {
        UseFile("Orphan=1\n[S]\njust text\n[not closed\nK=2\n");
        QCOMPARE(ReadIni("", "Orphan"), QString("No"));
        QCOMPARE(ReadIni("S", "just text"), QString("No"));
        QCOMPARE(ReadIni("S", "K"), QString("No")); // belongs to "not closed"
        QCOMPARE(ReadIni("not closed", "K"), QString("2"));
        WriteIni("S", "Orphan", "9");
        QCOMPARE(ReadBytes(path_), QByteArray("Orphan=1\n[S]\njust text\nOrphan=9\n[not closed\nK=2\n"));
    }

    void duplicatesTheFirstOccurrenceWins() {
        UseFile("[S]\nK=first\nK=second\n[s]\nK=third\nL=only in second\n");
        QCOMPARE(ReadIni("S", "K"), QString("first"));
        QCOMPARE(ReadIni("S", "L"), QString("No"));
        WriteIni("S", "k", "new");
        QCOMPARE(ReadBytes(path_), QByteArray("[S]\nK=new\nK=second\n[s]\nK=third\nL=only in second\n"));
        WriteIni("S", "L", "x");
        QCOMPARE(ReadBytes(path_), QByteArray("[S]\nK=new\nK=second\nL=x\n[s]\nK=third\nL=only in second\n"));
    }

    void randomBytesAndHugeLines() {
        QRandomGenerator random(11);
        for (int round = 0; round < 200; ++round) {
            QByteArray bytes(random.bounded(4000), Qt::Uninitialized);
            for (char& c : bytes) {
                c = static_cast<char>(random.bounded(256));
            }
            UseFile(bytes);
            ReadIni("S", "K");
            WriteIni("S", "K", " 7");
            QCOMPARE(ReadIni("S", "K"), QString(" 7"));
        }
        // NUL bytes inside values end them; the rest of the file is kept.
        UseFile(QByteArray("[S]\nA=ab\0cd\nB=2\n", 16));
        QCOMPARE(ReadIni("S", "A"), QString("ab"));
        WriteIni("S", "B", "3");
        QCOMPARE(ReadBytes(path_), QByteArray("[S]\nA=ab\0cd\nB=3\n", 16));

        const QByteArray megabyte(1 << 20, 'x');
        UseFile("[S]\nBig=" + megabyte + "\nK=1\n" + megabyte + "\n");
        QCOMPARE(ReadIni("S", "Big"), QString(99, 'x'));
        WriteIni("S", "K", "2");
        QCOMPARE(ReadIni("S", "K"), QString("2"));
        QCOMPARE(ReadBytes(path_), "[S]\nBig=" + megabyte + "\nK=2\n" + megabyte + "\n");
    }

    void valuesCannotBreakTheFormat() {
        UseFile("[S]\nA=1\n");
        WriteIni("S", "A", "two\nlines");
        WriteIni("S", "B", QStringLiteral("x\r\n[Injected]\nC=1"));
        QCOMPARE(ReadBytes(path_), QByteArray("[S]\nA=two\nB=x\n"));
        QCOMPARE(ReadIni("Injected", "C"), QString("No"));
    }

    void unwritableFileOrDirectoryFailsSilently() {
        const QByteArray content = "[S]\nK=old\n";
        UseFile(content);
        QString reason = MakeUnwritable(path_);
        if (!reason.isEmpty()) {
            QSKIP(qPrintable(reason));
        }
        WriteIni("S", "K", "new");
        WriteIni("T", "K", "new");
        MakeWritable(path_);
        QCOMPARE(ReadBytes(path_), content);
        QCOMPARE(ReadIni("S", "K"), QString("old"));

        // A directory where no temporary file can be made.
        const QString folder = dir_.filePath("locked");
        QVERIFY(QDir().mkpath(folder));
        path_ = folder + "/BACCARAT.INI";
        WriteBytes(path_, content);
        SetIniPath(path_);
        reason = MakeUnwritable(folder);
        QVERIFY2(reason.isEmpty(), qPrintable(reason));
        QCOMPARE(ReadIni("S", "K"), QString("old"));
        WriteIni("S", "K", "new");
        const QStringList left = QDir(folder).entryList(QDir::Files | QDir::Hidden);
        MakeWritable(folder);
        QCOMPARE(ReadBytes(path_), content);
        QCOMPARE(left, QStringList{"BACCARAT.INI"});
    }

    void writesKeepPermissionsAndLinks() {
        UseFile("[S]\nK=1\n");
        QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
        const QFile::Permissions before = QFileInfo(path_).permissions();
        WriteIni("S", "K", "2");
        QCOMPARE(ReadIni("S", "K"), QString("2"));
        QCOMPARE(QFileInfo(path_).permissions(), before);

        // A settings file reached through a link: the target changes, the link stays.
        const QString target = dir_.filePath("real.ini");
        WriteBytes(target, "[S]\nK=1\n");
        const QString link = dir_.filePath("link.ini");
        QVERIFY(QFile::link(target, link));
        SetIniPath(link);
        WriteIni("S", "K", "2");
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(ReadBytes(target), QByteArray("[S]\nK=2\n"));
        QFile::remove(link);
        QFile::remove(target);
    }

    void theProgramNeverCreatesTheFile() {
        UseFile("[S]\nK=1\n");
        QVERIFY(QFile::remove(path_));
        QCOMPARE(ReadIni("S", "K"), QString("No"));
        WriteIni("S", "K", "2");
        QVERIFY(!QFileInfo::exists(path_));
        QCOMPARE(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{});
    }

    // The settings file that ships with the program: every option on, every statistic at zero, a
    // stake for each seat, and windows that fit side by side on a 1366 x 768 screen.
    void shippedDefaultsCarryEveryKey() {
        const QString shipped = QFileInfo(QStringLiteral(__FILE__))
                                    .dir()
                                    .filePath(QStringLiteral("../../resources/BACCARAT.INI"));
        const QByteArray bytes = ReadBytes(shipped);
        QVERIFY(!bytes.isEmpty());
        QVERIFY(!bytes.contains('\r'));
        UseFile(bytes);
        const char* const options[][2] = {{"Options", "Large Buttons"},
                                          {"Card Options", "Card Face Up"},
                                          {"Card Options", "Show Card Values"},
                                          {"Card Options", "Show Cards Dealt"},
                                          {"Card Options", "Show Cards Dealt Count"},
                                          {"Marking Options", "Show Score"},
                                          {"Marking Options", "Show Naturals"},
                                          {"Player Blue", "PlayerBlue"},
                                          {"Deal", "Delay"},
                                          {"Deal", "Animation"},
                                          {"Reveal", "Arrows"}};
        for (const auto& option : options) {
            QCOMPARE(ReadIni(option[0], option[1]), QString("True"));
        }
        QCOMPARE(ReadIni("Shoe Size", "Decks"), QString(" 8"));
        for (const char* key : {"Hands", "Decks1", "Decks2", "Decks4", "Decks6", "Decks8"}) {
            QCOMPARE(ReadIni("ShoesHandsPlayed", key), QString(" 0"));
        }
        for (const char* seat : {"Player1Stats", "Player2Stats"}) {
            QCOMPARE(ReadIni(seat, "Steak"), QString(" 1000"));
            QCOMPARE(ReadIni(seat, "Win"), QString(" 0"));
            QCOMPARE(ReadIni(seat, "Turnover"), QString(" 0"));
        }
        const QRect screen(0, 0, 1366, 768);
        auto windowRect = [](const char* section, int width, int height) {
            auto twips = [section](const char* key) { return ReadIni(section, key).trimmed().toInt(); };
            if (width == 0) {
                width = twips("Width") / 15;
                height = twips("Height") / 15;
            }
            return QRect(twips("Left") / 15, twips("Top") / 15, width, height);
        };
        QVERIFY(screen.contains(windowRect("MDIForm1", 0, 0)));
        // Child windows lie in the main window's client area, below its menu and toolbar.
        const QRect client(0, 0, 1366, 768 - 140);
        const QList<QRect> children = {windowRect("frmBaccTable", 0, 0), windowRect("frmMarkCard", 0, 0),
                                       windowRect("frmCardsDealt", 138, 258),
                                       windowRect("frmCardsDealtCount", 158, 248),
                                       windowRect("frmStatistics", 308, 300)};
        for (int i = 0; i < children.size(); ++i) {
            QVERIFY2(client.contains(children[i]), qPrintable(QString::number(i)));
            for (int j = i + 1; j < children.size(); ++j) {
                QVERIFY2(!children[i].intersects(children[j]),
                         qPrintable(QStringLiteral("%1 %2").arg(i).arg(j)));
            }
        }
    }

    // Random files and random edits: nothing crashes, a written value reads back, every other value
    // stays as it was, and no byte changes outside the one line replaced or added in the edited section.
    void randomEditsKeepEveryOtherValue() {
        TextMaker make(20261206);
        for (int round = 0; round < 3000; ++round) {
            std::string content = make.File();
            std::vector<std::pair<std::string, std::string>> probes;
            for (int i = 0; i < 12; ++i) {
                probes.emplace_back(make.Name(), make.Name());
            }
            for (int step = 0; step < 6; ++step) {
                const auto& [section, key] =
                    probes[static_cast<size_t>(make.Below(static_cast<int>(probes.size())))];
                const std::string value = make.Value();
                std::map<size_t, std::optional<std::string>> earlier;
                for (size_t p = 0; p < probes.size(); ++p) {
                    earlier[p] = ini::Lookup(content, probes[p].first, probes[p].second);
                }
                const std::string edited = ini::Edit(content, section, key, value);
                const std::string fault = EditStaysInItsSection(content, edited, section, key, value);
                QVERIFY2(fault.empty(), (fault + ": " + Escaped(content) + " -> " + Escaped(edited)).c_str());
                const std::optional<std::string> readBack = ini::Lookup(edited, section, key);
                QVERIFY(readBack.has_value());
                QCOMPARE(*readBack, value.substr(0, std::min(value.find('\0'), ini::MaxValueLength)));
                for (size_t p = 0; p < probes.size(); ++p) {
                    if (ini::Lookup(edited, probes[p].first, probes[p].second) ==
                            ini::Lookup(edited, section, key) &&
                        earlier[p] != ini::Lookup(edited, probes[p].first, probes[p].second)) {
                        // Same name as the written key, compared without regard to case.
                        QVERIFY(ini::Lookup(content, probes[p].first, probes[p].second) ==
                                ini::Lookup(content, section, key));
                        continue;
                    }
                    QVERIFY(ini::Lookup(edited, probes[p].first, probes[p].second) == earlier[p]);
                }
                content = edited;
            }
        }
    }

    // The same through the file, a few hundred times, checking the file against the pure edit.
    void randomEditsThroughTheFile() {
        TextMaker make(77);
        for (int round = 0; round < 300; ++round) {
            const std::string content = make.File();
            UseFile(QByteArray::fromStdString(content));
            const std::string section = make.Name();
            const std::string key = make.Name();
            const std::string value = make.Value();
            const QString qValue = QString::fromLatin1(value.data(), static_cast<qsizetype>(value.size()));
            WriteIni(QString::fromLatin1(section.c_str()), QString::fromLatin1(key.c_str()), qValue);
            QCOMPARE(Std(ReadBytes(path_)), ini::Edit(content, section, key, value));
            QCOMPARE(ReadIni(QString::fromLatin1(section.c_str()), QString::fromLatin1(key.c_str())),
                     qValue.left(99));
        }
    }

    // A writer killed at random moments leaves a whole file: every key holds its old or its new value
    // and every other line is intact. A kill leaves no temporary file, except, rarely, a whole new file
    // killed just before its rename, which the start-up clean-up removes.
    void killedWriter_data() {
        QTest::addColumn<bool>("batches");
        QTest::newRow("one value per write") << false;
        QTest::newRow("a batch per write") << true;
    }

    void killedWriter() {
        QFETCH(bool, batches);
        const QByteArray header =
            "; kept as it is\n[Player1Stats]\nSteak= 1000\n" + QByteArray(3000, '#') + "\n[Run]\n";
        const QByteArray tail = "[Tail]\nEnd=yes\nHands= 0\n";
        QByteArray initial = header;
        for (int k = 0; k < WrittenKeys; ++k) {
            initial += "K" + QByteArray::number(k) + "= 0\n";
        }
        UseFile(initial + tail);

        QRandomGenerator random(batches ? 6 : 5);
        long long previous = 0;
        int kills = 0;
        int advanced = 0;
        int leftovers = 0;
        for (int round = 0; round < 40; ++round) {
            QProcess writer;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(batches ? BatchWriterVariable : WriterVariable, path_);
            writer.setProcessEnvironment(environment);
            writer.start(QCoreApplication::applicationFilePath(), {});
            QVERIFY(writer.waitForStarted());
            QVERIFY(writer.waitForReadyRead(10000)); // started writing
            std::this_thread::sleep_for(std::chrono::microseconds(random.bounded(20000)));
            writer.kill(); // SIGKILL
            QVERIFY(writer.waitForFinished());
            ++kills;

            const QByteArray now = ReadBytes(path_);
            QVERIFY2(now.startsWith(header), "lines before the written keys changed");
            const long long hands = ReadIni("Tail", "Hands").mid(1).toLongLong();
            QVERIFY2(now.endsWith("\n[Tail]\nEnd=yes\nHands= " + QByteArray::number(hands) + "\n"),
                     "lines after the written keys changed");
            std::vector<long long> values;
            for (int k = 0; k < WrittenKeys; ++k) {
                const QString text = ReadIni("Run", QStringLiteral("K%1").arg(k));
                QVERIFY2(text.startsWith(' '), qPrintable(text));
                bool number = false;
                values.push_back(text.mid(1).toLongLong(&number));
                QVERIFY2(number, qPrintable(text));
            }
            if (batches) {
                // All of one batch or all of the one before.
                for (int k = 1; k < WrittenKeys; ++k) {
                    QCOMPARE(values[k], values[0]);
                }
                QCOMPARE(hands, values[0]);
            } else {
                // Keys are written in order: each holds the counter of this pass or of the one before.
                for (int k = 1; k < WrittenKeys; ++k) {
                    QVERIFY(values[k] == values[0] || values[k] == values[0] - 1);
                    QVERIFY(values[k] <= values[k - 1]);
                }
            }
            QVERIFY(values[0] >= previous);
            advanced += values[0] > previous ? 1 : 0;
            previous = values[0];

            for (const QString& name : QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden)) {
                if (name == "BACCARAT.INI") {
                    continue;
                }
                QVERIFY2(IsTemporaryName(name, "BACCARAT.INI"), qPrintable(name));
                const QByteArray left = ReadBytes(dir_.filePath(name));
                QVERIFY2(left.startsWith(header) && left.contains("\n[Tail]\nEnd=yes\nHands= ") &&
                             left.endsWith("\n"),
                         qPrintable(name + " is not a whole settings file"));
                ++leftovers;
            }
            RemoveLeftoverTemporaryFiles();
            QCOMPARE(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"BACCARAT.INI"});
        }
        qInfo("%d kills, writer made progress before %d of them, counter reached %lld, %d whole temporary "
              "files left",
              kills, advanced, previous, leftovers);
        QVERIFY(advanced > kills / 2);
    }

    // Several values in one write: applied in order as single writes would be, in one replacement.
    void batchesWriteLikeSingleWrites() {
        const QByteArray initial = "[ShoesHandsPlayed]\nHands= 4\n[Player1Stats]\nWin= 10\nTurnover= 40\n";
        UseFile(initial);
        const std::vector<IniValue> hand = {
            {"Player1Stats", "Win", " 20"},      {"Player1Stats", "Turnover", " 50"},
            {"Player2Stats", "Win", " -10"},     {"Player2Stats", "Turnover", " 10"},
            {"shoeshandsplayed", "hands", " 5"}, {"Player2Stats", "Win", " -5"}};
        std::string expected = Std(initial);
        for (const IniValue& value : hand) {
            expected = ini::Edit(expected, Std(value.Section.toLatin1()), Std(value.Key.toLatin1()),
                                 Std(value.Value.toLatin1()));
        }
        WriteIniValues(hand);
        QCOMPARE(Std(ReadBytes(path_)), expected);
        QCOMPARE(ReadIni("Player2Stats", "Win"), QString(" -5"));

        // Nothing to change: the file is not even replaced.
        struct stat before {};
        QCOMPARE(::stat(QFile::encodeName(path_).constData(), &before), 0);
        WriteIniValues({{"ShoesHandsPlayed", "Hands", " 5"}, {"Player1Stats", "Win", " 20"}});
        WriteIniValues({});
        struct stat after {};
        QCOMPARE(::stat(QFile::encodeName(path_).constData(), &after), 0);
        QCOMPARE(after.st_ino, before.st_ino);
        QCOMPARE(Std(ReadBytes(path_)), expected);

        QVERIFY(QFile::remove(path_));
        WriteIniValues({{"S", "K", "v"}});
        QVERIFY(!QFileInfo::exists(path_));
    }

    // Only files of exactly the temporary pattern, regular and this user's, are removed at start-up.
    void startUpRemovesOnlyLeftoverTemporaryFiles() {
        UseFile("[S]\nK=1\n");
        struct Entry {
            const char* name;
            const char* content; // nullptr: a directory; "->": a link to the settings file
            bool removed;
        };
        const Entry entries[] = {
            {"BACCARAT.INI.tmp-Ab3dE9", "[S]\nK=2\n", true},
            {"BACCARAT.INI.tmp-000000", "", true},
            {"BACCARAT.INI.Qw12Er", "", true},
            {"BACCARAT.INI.Qw12Et", "kept: not empty", false},
            {"BACCARAT.INI.tmp-Ab3dE", "", false},
            {"BACCARAT.INI.tmp-Ab3dE9x", "", false},
            {"BACCARAT.INI.tmp-Ab_dE9", "", false},
            {"BACCARAT.INI.lock", "", false},
            {"OTHER.INI.tmp-Ab3dE9", "", false},
            {"xBACCARAT.INI.tmp-Ab3dE9", "", false},
            {"BACCARAT.INI.tmp-Dir123", nullptr, false},
            {"BACCARAT.INI.tmp-Lnk123", "->", false},
        };
        for (const Entry& entry : entries) {
            const QString path = dir_.filePath(entry.name);
            if (entry.content == nullptr) {
                QVERIFY(QDir().mkdir(path));
            } else if (QByteArray(entry.content) == "->") {
                QVERIFY(QFile::link(path_, path));
            } else {
                WriteBytes(path, entry.content);
            }
        }
        QString foreign;
        if (geteuid() == 0) {
            foreign = dir_.filePath("BACCARAT.INI.tmp-Own123");
            WriteBytes(foreign, "");
            QCOMPARE(::chown(QFile::encodeName(foreign).constData(), 4321, 4321), 0);
        }
        RemoveLeftoverTemporaryFiles();
        for (const Entry& entry : entries) {
            struct stat info {};
            const bool present =
                ::lstat(QFile::encodeName(dir_.filePath(entry.name)).constData(), &info) == 0;
            QVERIFY2(present != entry.removed, entry.name);
        }
        if (!foreign.isEmpty()) {
            QVERIFY2(QFileInfo::exists(foreign), "another user's file was removed");
            QFile::remove(foreign);
        }
        QCOMPARE(ReadBytes(path_), QByteArray("[S]\nK=1\n"));
        // Through a link the clean-up works beside the real file.
        for (const Entry& entry : entries) {
            QDir(dir_.filePath(entry.name)).removeRecursively();
            QFile::remove(dir_.filePath(entry.name));
        }
        QTemporaryDir elsewhere;
        const QString link = elsewhere.filePath("BACCARAT.INI");
        QVERIFY(QFile::link(path_, link));
        WriteBytes(dir_.filePath("BACCARAT.INI.tmp-Zz9Zz9"), "x");
        WriteBytes(elsewhere.filePath("BACCARAT.INI.tmp-Zz9Zz9"), "x");
        SetIniPath(link);
        RemoveLeftoverTemporaryFiles();
        QVERIFY(!QFileInfo::exists(dir_.filePath("BACCARAT.INI.tmp-Zz9Zz9")));
        QVERIFY(QFileInfo::exists(elsewhere.filePath("BACCARAT.INI.tmp-Zz9Zz9")));
    }

    // Something other than a regular file put at the settings file's path while the game runs: reads
    // answer "No" and writes are dropped at once, without hanging or filling the memory.
    void filesThatAreNotRegularAreLeftAlone_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("fifo") << "fifo" << QByteArray("No No");
        QTest::newRow("link to /dev/zero") << "zero" << QByteArray("No No");
        QTest::newRow("link to a directory") << "directory" << QByteArray("No No");
        QTest::newRow("larger than the limit") << "oversized" << QByteArray("No No");
        QTest::newRow("up to the limit") << "limit" << QByteArray("old newer");
    }

    void filesThatAreNotRegularAreLeftAlone() {
        QFETCH(QString, kind);
        QFETCH(QByteArray, expected);
        const QString path = dir_.filePath("BACCARAT.INI");
        QFile::remove(path);
        const QByteArray name = QFile::encodeName(path);
        if (kind == "fifo") {
            QCOMPARE(::mkfifo(name.constData(), 0600), 0);
        } else if (kind == "zero") {
            QVERIFY(QFile::link("/dev/zero", path));
        } else if (kind == "directory") {
            QVERIFY(QFile::link(dir_.path(), path));
        } else {
            WriteBytes(path, "[S]\nK=old\n");
            // At the limit once the probe's longer value is written.
            QCOMPARE(::truncate(name.constData(), MaxIniFileSize + (kind == "oversized" ? 1 : -2)), 0);
        }
        struct stat before {};
        QCOMPARE(::lstat(name.constData(), &before), 0);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(RunChild(ProbeVariable, path, 10000), expected);
        qInfo("%lld ms", clock.elapsed());
        struct stat after {};
        QCOMPARE(::lstat(name.constData(), &after), 0);
        QCOMPARE(after.st_mode, before.st_mode);
        if (kind != "limit") {
            QCOMPARE(after.st_ino, before.st_ino);
            QCOMPARE(after.st_size, before.st_size);
        }
        QFile::remove(path);
    }

    // A write that fails part way, here by the file size limit, leaves the old file as it was and no
    // temporary file beside it.
    void aFailedWriteKeepsTheOldFile_data() {
        QTest::addColumn<int>("limit"); // bytes; -1 for one byte short of the new file, -2 for half of it
        QTest::newRow("nothing can be written") << 0;
        QTest::newRow("one byte") << 1;
        QTest::newRow("half the new file") << -2;
        QTest::newRow("one byte short") << -1;
    }

    void aFailedWriteKeepsTheOldFile() {
        QFETCH(int, limit);
        const QByteArray initial = "[Player1Stats]\nWin= 5\n; " + QByteArray(4000, '-') + "\n[Tail]\nK=v\n";
        UseFile(initial);
        const QString big = QString(150, 'x');
        const qint64 newSize = initial.size() - 2 + big.size();
        limit = limit == -1   ? static_cast<int>(newSize - 1)
                : limit == -2 ? static_cast<int>(newSize / 2)
                              : limit;
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit size{static_cast<rlim_t>(limit), static_cast<rlim_t>(limit)};
            setrlimit(RLIMIT_FSIZE, &size);
            WriteIni("Player1Stats", "Win", big);
            WriteIniValues({{"Player1Stats", "Win", big}, {"Tail", "K", "w"}});
            _exit(0);
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        QCOMPARE(ReadBytes(path_), initial);
        QCOMPARE(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"BACCARAT.INI"});
        // Without the limit the same write goes through.
        WriteIni("Player1Stats", "Win", big);
        QCOMPARE(ReadIni("Player1Stats", "Win"), big.left(99));
        QCOMPARE(QFileInfo(path_).size(), newSize);
    }

    // A file the user made read-only stays as it is, even for the superuser, whom permissions do not
    // stop; a file with write permission for anyone the game may write is written.
    void readOnlyFilesAreNotRewritten_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("written");
        QTest::newRow("0444") << 0444 << false;
        QTest::newRow("0400") << 0400 << false;
        QTest::newRow("0555") << 0555 << false;
        QTest::newRow("0000") << 0000 << false;
        QTest::newRow("0600") << 0600 << true;
        QTest::newRow("0644") << 0644 << true;
        QTest::newRow("0664") << 0664 << true;
    }

    void readOnlyFilesAreNotRewritten() {
        QFETCH(int, mode);
        QFETCH(bool, written);
        if (mode == 0 && geteuid() != 0) {
            QSKIP("an unreadable file cannot be compared");
        }
        UseFile("[S]\nK=old\n");
        const QByteArray name = QFile::encodeName(path_);
        QCOMPARE(::chmod(name.constData(), static_cast<mode_t>(mode)), 0);
        WriteIni("S", "K", "new");
        WriteIniValues({{"S", "K", "newer"}, {"T", "K", "x"}});
        struct stat after {};
        QCOMPARE(::stat(name.constData(), &after), 0);
        QCOMPARE(static_cast<int>(after.st_mode & 07777), mode);
        ::chmod(name.constData(), 0600);
        QCOMPARE(ReadBytes(path_),
                 written ? QByteArray("[S]\nK=newer\n[T]\nK=x\n") : QByteArray("[S]\nK=old\n"));
    }
};

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsSet(WriterVariable)) {
        return RunWriter(qEnvironmentVariable(WriterVariable), false);
    }
    if (qEnvironmentVariableIsSet(BatchWriterVariable)) {
        return RunWriter(qEnvironmentVariable(BatchWriterVariable), true);
    }
    if (qEnvironmentVariableIsSet(ProbeVariable)) {
        return RunProbe(qEnvironmentVariable(ProbeVariable));
    }
    IniFileTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "IniFileTest.moc"
