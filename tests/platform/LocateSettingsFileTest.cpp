#include "IniFile.h"
#include "RecordingPresenter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace bacc;

class LocateSettingsFileTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir config_;

private slots:
    void initTestCase() {
        QVERIFY(config_.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_.path()));
        if (QFileInfo::exists(DevelopmentIniPath())) {
            QSKIP("a settings file lies beside this test program");
        }
    }

    void cleanup() {
        QFile::remove(DevelopmentIniPath());
        QDir(config_.filePath("quorrel-baccarat")).removeRecursively();
        SetIniPath(QString());
    }

    // Beside the program first, then in the configuration directory; a folder of that name does not
    // count; neither gives the message, and nothing is created. Both answer the help file beside.
    void search_data() {
        QTest::addColumn<QStringList>("made"); // "d": beside the program, "i": installed, "/": a folder
        QTest::addColumn<QString>("found");    // "": the missing-file message
        QTest::newRow("neither") << QStringList{} << QString();
        QTest::newRow("a folder") << QStringList{"/"} << QString();
        QTest::newRow("installed") << QStringList{"i"} << config_.filePath("quorrel-baccarat/BACCARAT");
        QTest::newRow("both") << QStringList{"i", "d"}
                              << QCoreApplication::applicationDirPath() + "/BACCARAT";
    }

    void search() {
        QFETCH(QStringList, made);
        QFETCH(QString, found);
        for (const QString& where : made) {
            const QString path = where == "d" ? DevelopmentIniPath() : InstalledIniPath();
            QVERIFY(where == "/" ? QDir().mkpath(path) : QDir().mkpath(QFileInfo(path).path()));
            QFile file(path);
            QVERIFY(where == "/" || (file.open(QIODevice::WriteOnly) && file.write("[O]\nK=True\n") > 0));
        }
        test::RecordingPresenter presenter;
        QCOMPARE(LocateSettingsFile(), !found.isEmpty());
        QCOMPARE(IniPath() + HelpPath(), found.isEmpty() ? QString() : found + ".INI" + found + ".HLP");
        if (found.isEmpty()) {
            QCOMPARE(presenter.Texts(),
                     QStringList{"The 'INI' file for Quorrel Baccarat is missing or corrupted. "
                                 "Please re-install Quorrel Baccarat"});
            QCOMPARE(presenter.Last().Icon, MsgIcon::Critical);
            QCOMPARE(QFileInfo::exists(config_.filePath("quorrel-baccarat")), !made.isEmpty());
        } else {
            QCOMPARE(presenter.Count(), 0);
            QCOMPARE(ReadIni("o", "k"), QString("True"));
        }
    }
};

QTEST_GUILESS_MAIN(LocateSettingsFileTest)
#include "LocateSettingsFileTest.moc"
