#include "ChildWindow.h"
#include "IniFile.h"
#include "TempSettings.h"

#include <QMdiArea>
#include <QtTest>

using namespace bacc;

// Windows never come back smaller than they were designed, whatever size was stored.
class WindowFrameTest : public QObject {
    Q_OBJECT
private slots:
    // A child window on its own and in a client area alike.
    void storedSizeBelowTheDesignIsNeverUsedNorStored_data() {
        QTest::addColumn<bool>("hosted");
        QTest::addColumn<QByteArray>("size");
        QTest::addColumn<bool>("kept");
        for (bool hosted : {false, true}) {
            const char* where = hosted ? "hosted" : "alone";
            QTest::addRow("%s missing", where) << hosted << QByteArray() << false;
            QTest::addRow("%s text", where) << hosted << QByteArray("Height=tall\nWidth=wide\n") << false;
            QTest::addRow("%s title bar", where)
                << hosted << QByteArray("Height= 420\nWidth= 1800\n") << false;
            QTest::addRow("%s narrow", where) << hosted << QByteArray("Height= 9000\nWidth= 900\n") << false;
            QTest::addRow("%s larger", where) << hosted << QByteArray("Height= 9000\nWidth= 9000\n") << true;
        }
    }
    void storedSizeBelowTheDesignIsNeverUsedNorStored() {
        QFETCH(bool, hosted);
        QFETCH(QByteArray, size);
        QFETCH(bool, kept);
        test::TempSettings settings("[frmTest]\nTop= 450\nLeft= 300\n" + size);
        QMdiArea area;
        area.resize(800, 700);
        SetWindowHost(hosted ? &area : nullptr);
        auto* window = new ChildWindow(QStringLiteral("Test"), QStringLiteral("frmTest"), true);
        window->SetDesignSize(QSize(400, 300));
        window->ShowInHost();
        window->RestorePosition();
        const QSize design = window->DesignFrameSize();
        QVERIFY(design.width() >= 400 && design.height() >= 300);
        QCOMPARE(window->Frame()->size(), kept ? QSize(600, 600) : design);
        QCOMPARE(window->Frame()->pos(), QPoint(20, 30));
        window->Frame()->resize(100, 20); // collapsed by hand
        QVERIFY(window->Frame()->close());
        QCOMPARE(ReadIni(QStringLiteral("frmTest"), QStringLiteral("Width")),
                 QString::number(design.width() * 15).prepend(' '));
        QCOMPARE(ReadIni(QStringLiteral("frmTest"), QStringLiteral("Top")), QStringLiteral(" 450"));
        SetWindowHost(nullptr);
    }
};

QTEST_MAIN(WindowFrameTest)
#include "WindowFrameTest.moc"
