#include "IniFile.h"

#include "IniText.h"

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace bacc;

namespace {

// The test program runs itself as a child "<mode>:<settings file>" to write until killed or to probe.
const char* const ChildVariable = "INIFILETEST_CHILD";
constexpr int WrittenKeys = 5;

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

std::string Std(const QByteArray& bytes) {
    return bytes.toStdString();
}

QString Latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QStringList Entries(const QString& dir) {
    return QDir(dir).entryList(QDir::Files | QDir::Hidden);
}

// Child "batch": rewrites the keys of [Run] and Hands of [Tail], in one write each time, with a growing
// counter until killed (a single WriteIni is a batch of one). Child "probe": reads, writes and reads
// again with its memory limited, so that reading without end fails instead of filling the machine.
int RunChild(const QString& mode, const QString& iniPath) {
    SetIniPath(iniPath);
    if (mode == "probe") {
        const rlimit memory{1 << 30, 1 << 30};
        setrlimit(RLIMIT_AS, &memory);
        const QString before = ReadIni("S", "K");
        WriteIni("S", "K", "new");
        WriteIniValues({{"S", "K", "newer"}});
        std::printf("%s %s\n", qPrintable(before), qPrintable(ReadIni("S", "K")));
        return 0;
    }
    // Resume from the last value written, which the killed writer before reached.
    long long counter = ReadIni("Tail", "Hands").trimmed().toLongLong();
    std::fputs("writing\n", stdout);
    std::fflush(stdout);
    for (;;) {
        const QString value = QStringLiteral(" %1").arg(++counter);
        std::vector<IniValue> batch;
        for (int k = 0; k < WrittenKeys; ++k) {
            batch.push_back({"Run", QStringLiteral("K%1").arg(k), value});
        }
        batch.push_back({"Tail", "Hands", value});
        WriteIniValues(batch);
    }
}

void StartChild(QProcess& child, const QString& mode, const QString& iniPath) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(ChildVariable, mode + ':' + iniPath);
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(child.waitForStarted());
}

// Random text the format can hold: names without "=", "]" or a leading "[" or ";", often an earlier
// name in another case so that edits find existing sections and keys; values without line breaks.
// Files mix sections, keys, comments, blank and broken lines, LF or CRLF, and values ending in a return;
// some are random bytes, which must neither crash the reader nor stop a write.
class TextMaker {
public:
    explicit TextMaker(quint32 seed) : random_(seed) {}

    int Below(int n) { return static_cast<int>(random_.bounded(static_cast<quint32>(n))); }

    std::string Name() {
        if (!used_.empty() && Below(2) == 0) {
            std::string name = used_[static_cast<size_t>(Below(static_cast<int>(used_.size())))];
            for (char& c : name) {
                c = std::isalpha(static_cast<unsigned char>(c)) && Below(2) == 0 ? c ^ 0x20 : c;
            }
            return name;
        }
        static const std::string letters = "abcAB xyzXY.-_12\xC3\xA9";
        std::string name;
        for (int i = 1 + Below(6); i > 0; --i) {
            name += letters[static_cast<size_t>(Below(static_cast<int>(letters.size())))];
        }
        used_.push_back(name);
        return name;
    }

    std::string Value(bool mayHoldReturns = false) {
        std::string value;
        for (int i = Below(10) == 0 ? 90 + Below(40) : Below(12); i > 0; --i) {
            const char c = static_cast<char>(1 + Below(255));
            value += c == '\n' || (c == '\r' && !mayHoldReturns) ? '=' : c;
        }
        return mayHoldReturns && Below(4) == 0 ? value + '\r' : value;
    }

    std::string File() {
        if (Below(15) == 0) {
            std::string bytes(static_cast<size_t>(Below(4000)), '\0');
            for (char& c : bytes) {
                c = static_cast<char>(Below(256));
            }
            return bytes;
        }
        const std::string eol = Below(2) == 0 ? "\n" : "\r\n";
        const std::string kinds[] = {"", "; comment ", "", "no equals sign here"};
        used_.clear();
        std::string file;
        for (int i = 0, lines = Below(40); i < lines; ++i) {
            const int kind = Below(7);
            file += kind == 0 ? "[" + Name() + "]" : kind < 4 ? kinds[kind] : Name() + "=" + Value(true);
            file += kind == 1 ? Value(true) : "";
            file += i + 1 < lines || Below(3) != 0 ? eol : "";
        }
        return file;
    }

private:
    QRandomGenerator random_;
    std::vector<std::string> used_;
};

// A line without its line ends, as a reader of the format sees it.
std::string LineText(std::string line) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
        line.pop_back();
    }
    return line;
}

// Checks that an edit kept every other byte: between the lines kept from the start and from the end,
// at most one old line went and one "...=value" line came, after a new "[section]" header when none
// was replaced. An open last line may only gain a line end. Which line and section the edit picked is
// checked by reading back. Answers what went wrong, or "".
std::string OneLineChanged(const std::string& before, const std::string& after, const std::string& value) {
    const auto lines = [](const std::string& text) {
        std::vector<std::string> lines;
        for (size_t begin = 0, end = 0; begin < text.size(); begin = end) {
            end = std::min(text.find('\n', begin), text.size() - 1) + 1;
            lines.push_back(text.substr(begin, end - begin));
        }
        return lines;
    };
    const std::vector<std::string> b = lines(before), a = lines(after);
    const auto same = [&](size_t i, size_t j) {
        return b[i] == a[j] || (i + 1 == b.size() && b[i].back() != '\n' &&
                                (a[j] == b[i] + "\n" || (b[i].back() != '\r' && a[j] == b[i] + "\r\n")));
    };
    size_t p = 0, bEnd = b.size(), aEnd = a.size();
    while (p < bEnd && p < aEnd && same(p, p)) {
        ++p;
    }
    while (bEnd > p && aEnd > p && same(bEnd - 1, aEnd - 1)) {
        --bEnd, --aEnd;
    }
    if (aEnd == p && bEnd == p) {
        return "";
    }
    const std::string line = aEnd > p ? LineText(a[aEnd - 1]) : "";
    const bool header = aEnd == p + 2 && bEnd == p && LineText(a[p]).starts_with('[');
    if (bEnd > p + 1 || (aEnd != p + 1 && !header) || !line.ends_with("=" + value) ||
        (bEnd > p && !line.starts_with(LineText(b[p]).substr(0, LineText(b[p]).find('=') + 1)))) {
        return "more than the key's line changed";
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
        path_ = dir_.filePath("BACCARAT.INI");
        QFile::remove(path_); // a FIFO left by a failed test would block the open
        WriteBytes(path_, content);
        SetIniPath(path_);
    }

private slots:
    void init() {
        QVERIFY(dir_.isValid());
        UseFile({});
    }

    // Private-profile reading: names without regard to case, "No" when missing, the value exactly as
    // after the first "=", cut to 99 characters and at a NUL, the first occurrence winning. Each probe
    // is "section|key|value".
    void reads_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("probes");
        QTest::newRow("case") << QByteArray("[Card Options]\nCard Face Up=False\n[P1]\nSteak= 1000\n")
                              << QStringList{"card options|CARD FACE UP|False", "p1|STEAK| 1000", "P1|Win|No",
                                             "Reveal|Steak|No", "||No"};
        QTest::newRow("Latin-1 case")
            << QByteArray("[\xC4pfel]\n\xC9t\xE9=1\n") << QStringList{"äPFEL|ÉTÉ|1"};
        QTest::newRow("empty file") << QByteArray() << QStringList{"S|K|No"};
        QTest::newRow("values") << QByteArray("[S]\nName = Ann \nE=\nTwo=a=b\n  In  =x\nK=1\nK=2\n[s]\nL=3\n")
                                << QStringList{"S|Name| Ann ", "S|E|",  "S|Two|a=b",
                                               "S|In|x",       "S|K|1", "S|L|No"};
        QTest::newRow("long") << "[S]\nLong=" + QByteArray(120, 'v') + "\nAfter=1\n"
                              << QStringList{"S|Long|" + QString(99, 'v'), "S|After|1"};
        QTest::newRow("NUL") << QByteArray("[S]\nA=ab\0cd\n", 12) << QStringList{"S|A|ab"};
        QTest::newRow("broken lines")
            << QByteArray("Orphan=1\n[S]\njust text\n[not closed\nK=2\n")
            << QStringList{"|Orphan|No", "S|just text|No", "S|K|No", "not closed|K|2"};
        QTest::newRow("CRLF") << QByteArray("[Deal]\r\nDelay=True\r\n") << QStringList{"deal|delay|True"};
        QTest::newRow("lone CR last line") << QByteArray("[S]\r\nA=1\r") << QStringList{"S|A|1"};
        QTest::newRow("CR CR last line") << QByteArray("[S]\nA=abc\r\r") << QStringList{"S|A|abc\r"};
    }

    void reads() {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, probes);
        UseFile(file);
        for (const QString& probe : probes) {
            QCOMPARE(probe.section('|', 0, 1) + '|' +
                         ReadIni(probe.section('|', 0, 0), probe.section('|', 1, 1)),
                     probe);
        }
    }

    // Writes, each "section|key|value": only the key's line changes or is added at the end of its
    // section, every other byte stays, new lines follow the file's line ends, and a value cannot add lines.
    // The file is kept between reads, yet read again after any outside change, even to a value of the
    // same length: in place with a new modification time, or replaced by another file with the old
    // file's times; and after the program's own writes.
    void outsideChangesAreSeen() {
        UseFile("[S]\nK=1\n");
        QCOMPARE(ReadIni("S", "K"), QStringLiteral("1"));
        const QByteArray name = QFile::encodeName(path_);
        struct stat before {};
        QCOMPARE(::stat(name.constData(), &before), 0);
        WriteBytes(path_, "[S]\nK=2\n");
        const timespec later[2] = {before.st_atim, {before.st_mtim.tv_sec + 5, before.st_mtim.tv_nsec}};
        QCOMPARE(::utimensat(AT_FDCWD, name.constData(), later, 0), 0);
        QCOMPARE(ReadIni("S", "K"), QStringLiteral("2"));

        const QString other = dir_.filePath("other.ini");
        WriteBytes(other, "[S]\nK=3\n");
        const QByteArray otherName = QFile::encodeName(other);
        QCOMPARE(::utimensat(AT_FDCWD, otherName.constData(), later, 0), 0);
        QCOMPARE(::rename(otherName.constData(), name.constData()), 0);
        QCOMPARE(ReadIni("S", "K"), QStringLiteral("3"));

        WriteIni("S", "K", "4");
        QCOMPARE(ReadIni("S", "K"), QStringLiteral("4"));
        WriteBytes(path_, "[S]\nK=five\n");
        QCOMPARE(ReadIni("S", "K"), QStringLiteral("five"));
    }

    // The files that writes replace are closed away from the writer, yet all of them: none stays open,
    // holding its disk space, and the descriptors do not run out over a long session.
    void replacedFilesAreClosed() {
        UseFile("[S]\nK=0\n");
        QCOMPARE(ReadIni("S", "K"), QStringLiteral("0"));
        struct stat directory {};
        QCOMPARE(::stat(QFile::encodeName(dir_.path()).constData(), &directory), 0);
        const auto descriptors = [] {
            return QDir(QStringLiteral("/proc/self/fd"))
                .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
        };
        // Open files of the settings file's disk that no name reaches any more.
        const auto openReplacedFiles = [&] {
            int count = 0;
            for (const QString& entry : descriptors()) {
                struct stat file {};
                const QByteArray link = QFile::encodeName("/proc/self/fd/" + entry);
                count += ::stat(link.constData(), &file) == 0 && S_ISREG(file.st_mode) &&
                                 file.st_dev == directory.st_dev && file.st_nlink == 0
                             ? 1
                             : 0;
            }
            return count;
        };
        const qsizetype descriptorsBefore = descriptors().size();
        for (int i = 1; i <= 300; ++i) {
            WriteIni("S", "K", QString::number(i));
        }
        QCOMPARE(ReadIni("S", "K"), QStringLiteral("300"));
        QTRY_COMPARE(openReplacedFiles(), 0);
        QTRY_VERIFY(descriptors().size() <= descriptorsBefore + 1);
    }

    void writes_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("writes");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("in place")
            << QByteArray("; c\n\n[F]\nTop= 0\n  Left = 15 ; note\nodd line\n[G]\nW\tK=\t x \n")
            << QStringList{"f|left| 300", "G|w\tk|\t x ", "Shoe Size|Decks| 8"}
            << QByteArray("; c\n\n[F]\nTop= 0\n  Left = 300\nodd line\n[G]\nW\tK=\t x \n"
                          "[Shoe Size]\nDecks= 8\n");
        QTest::newRow("added") << QByteArray("[D]\nDelay=True\n\n[E]\n[R]\nA=1\n")
                               << QStringList{"D|Anim|False", "E|First|1", "R|Other|x"}
                               << QByteArray(
                                      "[D]\nDelay=True\nAnim=False\n\n[E]\nFirst=1\n[R]\nA=1\nOther=x\n");
        QTest::newRow("empty file") << QByteArray() << QStringList{"S|K|v"} << QByteArray("[S]\nK=v\n");
        QTest::newRow("CRLF") << QByteArray("[O]\r\nA=1\r\n\r\n[D]\r\n") << QStringList{"O|B|2", "R|C|3"}
                              << QByteArray("[O]\r\nA=1\r\nB=2\r\n\r\n[D]\r\n[R]\r\nC=3\r\n");
        QTest::newRow("no final line end") << QByteArray("[S]\nA=1") << QStringList{"S|B|2", "T|C|3"}
                                           << QByteArray("[S]\nA=1\nB=2\n[T]\nC=3\n");
        QTest::newRow("lone CR last line")
            << QByteArray("[S]\r\nA=1\r") << QStringList{"S|B|2"} << QByteArray("[S]\r\nA=1\r\nB=2\r");
        QTest::newRow("CR CR last line")
            << QByteArray("[S]\nA=abc\r\r") << QStringList{"S|B|2"} << QByteArray("[S]\nA=abc\r\r\nB=2\r");
        QTest::newRow("first wins") << QByteArray("[S]\nK=1\nK=2\n[s]\nK=3\n")
                                    << QStringList{"S|k|new", "s|L|x"}
                                    << QByteArray("[S]\nK=new\nK=2\nL=x\n[s]\nK=3\n");
        QTest::newRow("odd bytes kept")
            << QByteArray("Orphan=1\n[S]\nA=ab\0cd\nB=2\n[T\n", 28) << QStringList{"S|B|3", "S|Orphan|9"}
            << QByteArray("Orphan=1\n[S]\nA=ab\0cd\nB=3\nOrphan=9\n[T\n", 37);
        QTest::newRow("no line injection")
            << QByteArray("[S]\nA=1\n")
            << QStringList{"S|A|x\r\n[Injected]\nC=1", "S|B|two\nlines", "S|W|" + QString(150, 'w')}
            << "[S]\nA=x\nB=two\nW=" + QByteArray(150, 'w') + "\n";
    }

    void writes() {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, writes);
        QFETCH(QByteArray, expected);
        UseFile(file);
        for (const QString& write : writes) {
            WriteIni(write.section('|', 0, 0), write.section('|', 1, 1), write.section('|', 2));
        }
        QCOMPARE(ReadBytes(path_), expected);
    }

    // Several values in one write, applied in order as single writes would be; never a new file, and a
    // settings file reached through a link stays a link.
    void batchesWriteLikeSingleWrites() {
        const QByteArray initial = "[ShoesHandsPlayed]\nHands= 4\n[Player1Stats]\nWin= 10\nTurnover= 40\n";
        const std::vector<IniValue> hand = {
            {"Player1Stats", "Win", " 20"},      {"Player1Stats", "Turnover", " 50"},
            {"Player2Stats", "Win", " -10"},     {"Player2Stats", "Turnover", " 10"},
            {"shoeshandsplayed", "hands", " 5"}, {"Player2Stats", "Win", " -5"}};
        std::string expected = Std(initial);
        for (const IniValue& value : hand) {
            expected = ini::Edit(expected, Std(value.Section.toLatin1()), Std(value.Key.toLatin1()),
                                 Std(value.Value.toLatin1()));
        }
        const QString target = dir_.filePath("real.ini");
        WriteBytes(target, initial);
        QVERIFY(QFile::link(target, dir_.filePath("link.ini")));
        SetIniPath(dir_.filePath("link.ini"));
        WriteIniValues(hand);
        QCOMPARE(Std(ReadBytes(target)), expected);
        QVERIFY(QFileInfo(dir_.filePath("link.ini")).isSymLink());
        QFile::remove(dir_.filePath("link.ini"));
        QFile::remove(target);

        QVERIFY(QFile::remove(path_));
        SetIniPath(path_);
        WriteIni("S", "K", "v");
        WriteIniValues({{"S", "K", "v"}});
        QCOMPARE(Entries(dir_.path()), QStringList());
    }

    // Random files and edits: a written value reads back, every other value stays, no byte changes
    // outside the one line replaced or added in the edited section, and the file gets the same edit.
    void randomEdits() {
        TextMaker make(20261206);
        for (int round = 0; round < 3000; ++round) {
            std::string content = make.File();
            std::vector<std::pair<std::string, std::string>> probes;
            for (int i = 0; i < 12; ++i) {
                probes.emplace_back(make.Name(), make.Name());
            }
            for (int step = 0; step < 6; ++step) {
                const auto& [section, key] = probes[static_cast<size_t>(make.Below(12))];
                const std::string value = make.Value();
                const std::string edited = ini::Edit(content, section, key, value);
                const std::string fault = OneLineChanged(content, edited, value);
                QVERIFY2(fault.empty(),
                         (QByteArray::fromStdString(fault + ": ") +
                          QByteArray::fromStdString(content + " -> " + edited).toPercentEncoding())
                             .constData());
                const std::optional<std::string> readBack = ini::Lookup(edited, section, key);
                QVERIFY(readBack == value.substr(0, std::min(value.find('\0'), ini::MaxValueLength)));
                for (const auto& [s, k] : probes) {
                    // Only a probe of the written key's name, in another case, may change.
                    if (ini::Lookup(edited, s, k) != ini::Lookup(content, s, k)) {
                        QVERIFY(ini::Lookup(edited, s, k) == readBack &&
                                ini::Lookup(content, s, k) == ini::Lookup(content, section, key));
                    }
                }
                if (round % 10 == 0 && step == 0) {
                    UseFile(QByteArray::fromStdString(content));
                    WriteIni(Latin1(section), Latin1(key), Latin1(value));
                    QCOMPARE(Std(ReadBytes(path_)), edited);
                    QCOMPARE(ReadIni(Latin1(section), Latin1(key)), Latin1(*readBack));
                }
                content = edited;
            }
        }
    }

    // A writer killed at random moments leaves a whole file: every key holds its old or its new value
    // (all of a batch or none) and every other line is intact. A kill leaves no temporary file, except,
    // rarely, a whole new file killed just before its rename, which the start-up clean-up removes.
    void killedWriter() {
        const QByteArray header =
            "; kept\n[Player1Stats]\nSteak= 1000\n" + QByteArray(3000, '#') + "\n[Run]\n";
        // The whole file with these values of [Run] and of Hands.
        const auto whole = [&header](const std::vector<long long>& run, long long hands) {
            QByteArray text = header;
            for (size_t k = 0; k < run.size(); ++k) {
                text += "K" + QByteArray::number(k) + "= " + QByteArray::number(run[k]) + "\n";
            }
            return text + "[Tail]\nEnd=yes\nHands= " + QByteArray::number(hands) + "\n";
        };
        UseFile(whole(std::vector<long long>(WrittenKeys, 0), 0));
        QRandomGenerator random(6);
        long long previous = 0;
        int advanced = 0;
        int leftovers = 0;
        const int kills = 40;
        for (int round = 0; round < kills; ++round) {
            QProcess writer;
            StartChild(writer, "batch", path_);
            QVERIFY(writer.waitForReadyRead(10000));
            std::this_thread::sleep_for(std::chrono::microseconds(random.bounded(20000)));
            writer.kill(); // SIGKILL
            QVERIFY(writer.waitForFinished());

            const long long hands = ReadIni("Tail", "Hands").mid(1).toLongLong();
            std::vector<long long> values;
            for (int k = 0; k < WrittenKeys; ++k) {
                values.push_back(ReadIni("Run", QStringLiteral("K%1").arg(k)).mid(1).toLongLong());
            }
            QCOMPARE(ReadBytes(path_), whole(values, hands));
            for (int k = 1; k < WrittenKeys; ++k) {
                QCOMPARE(values[k], values[0]); // all of a batch or none
            }
            QCOMPARE(hands, values[0]);
            QVERIFY(values[0] >= previous);
            advanced += values[0] > previous ? 1 : 0;
            previous = values[0];

            for (const QString& name : Entries(dir_.path())) {
                const QByteArray left = ReadBytes(dir_.filePath(name));
                QVERIFY2(name == "BACCARAT.INI" ||
                             (name.startsWith("BACCARAT.INI.tmp-") && left.startsWith(header) &&
                              left.contains("\n[Tail]\nEnd=yes\nHands= ") && left.endsWith('\n')),
                         qPrintable(name + " is not a whole settings file"));
                leftovers += name == "BACCARAT.INI" ? 0 : 1;
            }
            RemoveLeftoverTemporaryFiles();
            QCOMPARE(Entries(dir_.path()), QStringList{"BACCARAT.INI"});
        }
        qInfo("%d kills, progress before %d, counter %lld, %d whole temporary files left", kills, advanced,
              previous, leftovers);
        QVERIFY(advanced > kills / 2);
    }

    // Something other than a regular file, or a file over the limit, at the settings file's path: reads
    // answer "No" and writes are dropped at once, without hanging or filling the memory. A file the user
    // made read-only stays as it is, even for the superuser, whom permissions do not stop; a writable file
    // is written and keeps its permissions.
    void filesThatMustNotBeRewrittenAreLeftAlone_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("fifo") << "fifo" << QByteArray("No No");
        QTest::newRow("link to /dev/zero") << "zero" << QByteArray("No No");
        QTest::newRow("link to a directory") << "directory" << QByteArray("No No");
        QTest::newRow("larger than the limit") << "oversized" << QByteArray("No No");
        QTest::newRow("up to the limit") << "limit" << QByteArray("old newer");
        for (const char* mode : {"0444", "0555", "0000", "0600", "0664"}) {
            QTest::newRow(mode) << mode << QByteArray(mode[1] == '6' ? "old newer" : "old old");
        }
    }

    void filesThatMustNotBeRewrittenAreLeftAlone() {
        QFETCH(QString, kind);
        QFETCH(QByteArray, expected);
        QFile::remove(path_);
        const QByteArray name = QFile::encodeName(path_);
        if (kind == "fifo") {
            QCOMPARE(::mkfifo(name.constData(), 0600), 0);
        } else if (kind == "zero" || kind == "directory") {
            QVERIFY(QFile::link(kind == "zero" ? "/dev/zero" : dir_.path(), path_));
        } else if (kind.startsWith('0')) {
            if (kind == "0000" && geteuid() != 0) {
                QSKIP("an unreadable file cannot be read back");
            }
            WriteBytes(path_, "[S]\nK=old\n");
            QCOMPARE(::chmod(name.constData(), static_cast<mode_t>(kind.toInt(nullptr, 8))), 0);
        } else {
            WriteBytes(path_, "[S]\nK=old\n");
            // At the limit once the probe's longer value is written.
            QCOMPARE(::truncate(name.constData(), MaxIniFileSize + (kind == "oversized" ? 1 : -2)), 0);
        }
        struct stat before {};
        QCOMPARE(::lstat(name.constData(), &before), 0);
        QProcess probe;
        StartChild(probe, "probe", path_);
        QVERIFY2(probe.waitForFinished(10000), "the probe hangs");
        QCOMPARE(probe.readAllStandardOutput().trimmed(), expected);
        struct stat after {};
        QCOMPARE(::lstat(name.constData(), &after), 0);
        QCOMPARE(after.st_mode, before.st_mode);
        QVERIFY(expected.endsWith("newer") ||
                (after.st_ino == before.st_ino && after.st_size == before.st_size));
        QFile::remove(path_);
    }

    // A write that fails part way, here by the file size limit, leaves the old file as it was and no
    // temporary file beside it.
    void aFailedWriteKeepsTheOldFile_data() {
        QTest::addColumn<int>("limit"); // bytes; -1 for one byte short of the new file
        QTest::newRow("nothing can be written") << 0;
        QTest::newRow("one byte short") << -1;
    }

    void aFailedWriteKeepsTheOldFile() {
        QFETCH(int, limit);
        const QByteArray initial = "[Player1Stats]\nWin= 5\n; " + QByteArray(4000, '-') + "\n[Tail]\nK=v\n";
        UseFile(initial);
        const QString big(150, 'x');
        const qint64 newSize = initial.size() - 2 + big.size();
        limit = limit < 0 ? static_cast<int>(newSize - 1) : limit;
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
        QCOMPARE(Entries(dir_.path()), QStringList{"BACCARAT.INI"});
        // Without the limit the same write goes through.
        WriteIni("Player1Stats", "Win", big);
        QCOMPARE(QFileInfo(path_).size(), newSize);
    }
};

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsSet(ChildVariable)) {
        const QString child = qEnvironmentVariable(ChildVariable);
        return RunChild(child.section(':', 0, 0), child.section(':', 1));
    }
    IniFileTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "IniFileTest.moc"
