#include "IniFile.h"
#include "RecordingPresenter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace bacc;

namespace {

const QString MissingMessage = QStringLiteral(
    "The 'INI' file for Quorrel Baccarat is missing or corrupted. Please re-install Quorrel Baccarat");

bool Touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("[Options]\nLarge Buttons=True\n") > 0;
}

} // namespace

class LocateSettingsFileTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir config_;
    bool developmentFileWasThere_ = false;

private slots:
    void initTestCase() {
        QVERIFY(config_.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_.path()));
        developmentFileWasThere_ = QFileInfo::exists(DevelopmentIniPath());
    }

    void cleanup() {
        if (!developmentFileWasThere_) {
            QFile::remove(DevelopmentIniPath());
        }
        QDir(config_.filePath("quorrel-baccarat")).removeRecursively();
        SetIniPath(QString());
    }

    void thePlacesSearched() {
        QCOMPARE(DevelopmentIniPath(), QCoreApplication::applicationDirPath() + "/BACCARAT.INI");
        QCOMPARE(InstalledIniPath(), config_.path() + "/quorrel-baccarat/BACCARAT.INI");

        // Without XDG_CONFIG_HOME the configuration lives under ~/.config.
        QTemporaryDir home;
        const QByteArray savedHome = qgetenv("HOME");
        qunsetenv("XDG_CONFIG_HOME");
        qputenv("HOME", QFile::encodeName(home.path()));
        const QString installed = InstalledIniPath();
        qputenv("HOME", savedHome);
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_.path()));
        QCOMPARE(installed, home.path() + "/.config/quorrel-baccarat/BACCARAT.INI");
    }

    void neitherPlaceGivesTheMessageAndCreatesNothing() {
        if (developmentFileWasThere_) {
            QSKIP("a settings file lies beside this test program");
        }
        test::RecordingPresenter presenter;
        QVERIFY(!LocateSettingsFile());
        QCOMPARE(presenter.Count(), 1);
        QCOMPARE(presenter.Last().Text, MissingMessage);
        QCOMPARE(presenter.Last().Icon, MsgIcon::Critical);
        QCOMPARE(presenter.Last().Buttons, MsgButtons::Ok);
        QCOMPARE(presenter.Last().Caption, QString("Quorrel Baccarat"));
        QVERIFY(!QFileInfo::exists(DevelopmentIniPath()));
        QVERIFY(!QFileInfo::exists(config_.filePath("quorrel-baccarat")));
        QVERIFY(IniPath().isEmpty());
    }

    void aFolderNamedLikeTheFileDoesNotCount() {
        if (developmentFileWasThere_) {
            QSKIP("a settings file lies beside this test program");
        }
        QVERIFY(QDir().mkpath(InstalledIniPath()));
        test::RecordingPresenter presenter;
        QVERIFY(!LocateSettingsFile());
        QCOMPARE(presenter.Count(), 1);
    }

    void theInstalledFileIsFound() {
        if (developmentFileWasThere_) {
            QSKIP("a settings file lies beside this test program");
        }
        QVERIFY(Touch(InstalledIniPath()));
        test::RecordingPresenter presenter;
        QVERIFY(LocateSettingsFile());
        QCOMPARE(presenter.Count(), 0);
        QCOMPARE(IniPath(), InstalledIniPath());
        QCOMPARE(HelpPath(), config_.path() + "/quorrel-baccarat/BACCARAT.HLP");
        QCOMPARE(ReadIni("options", "large buttons"), QString("True"));
    }

    void theDevelopmentFileWinsOverTheInstalledOne() {
        QVERIFY(Touch(InstalledIniPath()));
        if (!developmentFileWasThere_) {
            QVERIFY(Touch(DevelopmentIniPath()));
        }
        test::RecordingPresenter presenter;
        QVERIFY(LocateSettingsFile());
        QCOMPARE(presenter.Count(), 0);
        QCOMPARE(IniPath(), DevelopmentIniPath());
        QCOMPARE(HelpPath(), QCoreApplication::applicationDirPath() + "/BACCARAT.HLP");
    }

    void theTestSeamSetsBothPaths() {
        SetIniPath("/somewhere/else/BACCARAT.INI");
        QCOMPARE(IniPath(), QString("/somewhere/else/BACCARAT.INI"));
        QCOMPARE(HelpPath(), QString("/somewhere/else/BACCARAT.HLP"));
    }
};

QTEST_MAIN(LocateSettingsFileTest)
#include "LocateSettingsFileTest.moc"
