// The strategy lab driven through its controls: a study runs on worker threads while the window's
// thread stays free, is drawn as bands and lines, can be cancelled, and keeps its choices.
#include "StrategyLabWindow.h"

#include "IniFile.h"
#include "TempSettings.h"

#include <QAreaSeries>
#include <QChartView>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

namespace bacc {

class StrategyLabWindowTest : public QObject {
    Q_OBJECT

    template <typename T> static T* Find(QWidget* window, const char* name) {
        T* found = window->findChild<T*>(QLatin1String(name));
        if (!found) {
            qFatal("no control %s", name);
        }
        return found;
    }

private slots:
    void aMartingaleStudyIsRunDrawnAndKept() {
        test::TempSettings settings;
        StrategyLabWindow* lab = OpenStrategyLab();
        Find<QComboBox>(lab, "cboSystem")->setCurrentIndex(1); // Martingale
        Find<QSpinBox>(lab, "spnSessions")->setValue(400);
        Find<QSpinBox>(lab, "spnMaximum")->setValue(500);
        QSignalSpy finished(lab, &StrategyLabWindow::Finished);
        QTest::mouseClick(Find<QPushButton>(lab, "cmdRun"), Qt::LeftButton);
        QVERIFY(!Find<QPushButton>(lab, "cmdRun")->isEnabled());
        // The window's own thread keeps turning while the sessions are played.
        QElapsedTimer clock;
        clock.start();
        qint64 longestGap = 0;
        while (finished.isEmpty() && clock.elapsed() < 20000) {
            const qint64 before = clock.elapsed();
            QTest::qWait(5);
            longestGap = std::max(longestGap, clock.elapsed() - before);
        }
        QCOMPARE(finished.count(), 1);
        QVERIFY2(longestGap < 500, qPrintable(QString::number(longestGap)));

        const LabResult& result = lab->LastResult();
        QCOMPARE(result.sessions, std::uint64_t{400});
        QVERIFY(!result.interrupted);
        QVERIFY(!result.curve.empty());
        QVERIFY(Find<QLabel>(lab, "lblSummary")->text().contains(QStringLiteral("House edge")));
        const auto series = Find<QChartView>(lab, "chtBankroll")->chart()->series();
        int bands = 0;
        for (QAbstractSeries* s : series) {
            bands += qobject_cast<QAreaSeries*>(s) != nullptr;
        }
        QCOMPARE(bands, 2);
        QCOMPARE(series.size(), 2 + 5 + 1); // two bands, five single sessions, the median

        QTemporaryDir dir;
        const QString csv = dir.filePath(QStringLiteral("study.csv"));
        QVERIFY(lab->SaveCurve(csv));
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readLine(), QByteArray("hand,p5,p25,p50,p75,p95\n"));
        // In dollars and cents, as the simulator writes it.
        const QString first = QString::fromLatin1(file.readLine());
        QVERIFY2(QRegularExpression(QStringLiteral("^1(,\\d+\\.\\d\\d){5}\n$")).match(first).hasMatch(),
                 qPrintable(first));
        // The choices are kept in a section of their own and come back with the window.
        QCOMPARE(ReadIni(QStringLiteral("StrategyLab"), QStringLiteral("System")), QStringLiteral(" 1"));
        QCOMPARE(ReadIni(QStringLiteral("StrategyLab"), QStringLiteral("Sessions")), QStringLiteral(" 400"));
        lab->Frame()->close();
        QTRY_VERIFY(TheStrategyLab() == nullptr);
        lab = OpenStrategyLab();
        QCOMPARE(Find<QComboBox>(lab, "cboSystem")->currentIndex(), 1);
        QCOMPARE(Find<QSpinBox>(lab, "spnMaximum")->value(), 500);
        lab->Frame()->close();
    }

    void aLongStudyCanBeCancelled() {
        test::TempSettings settings;
        StrategyLabWindow* lab = OpenStrategyLab();
        Find<QSpinBox>(lab, "spnSessions")->setValue(200'000);
        Find<QSpinBox>(lab, "spnSessionShoes")->setValue(10);
        QSignalSpy finished(lab, &StrategyLabWindow::Finished);
        lab->cmdRun_Click();
        QTest::qWait(100);
        QTest::mouseClick(Find<QPushButton>(lab, "cmdCancel"), Qt::LeftButton);
        QVERIFY(finished.wait(10000));
        QVERIFY(lab->LastResult().interrupted);
        QVERIFY(lab->LastResult().sessions < 200'000);
        QVERIFY(Find<QLabel>(lab, "lblSummary")->text().contains(QStringLiteral("Cancelled")));
        QVERIFY(Find<QPushButton>(lab, "cmdRun")->isEnabled());
        lab->Frame()->close();
    }
};

} // namespace bacc

QTEST_MAIN(bacc::StrategyLabWindowTest)
#include "StrategyLabWindowTest.moc"
