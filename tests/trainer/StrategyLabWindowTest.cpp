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
#include <QMdiArea>
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

    // Where each control of the form stands, and any that is squeezed below its natural height.
    static QString Layout(QWidget* window) {
        QString text;
        for (QWidget* control : window->findChildren<QWidget*>()) {
            if (qobject_cast<QSpinBox*>(control) || qobject_cast<QComboBox*>(control) ||
                qobject_cast<QPushButton*>(control)) {
                const QRect place(control->mapTo(window, QPoint()), control->size());
                text += QStringLiteral("%1 %2,%3 %4x%5%6\n")
                            .arg(control->objectName())
                            .arg(place.x())
                            .arg(place.y())
                            .arg(place.width())
                            .arg(place.height())
                            .arg(place.height() < control->sizeHint().height() ? " squeezed" : "");
            }
        }
        return text;
    }

private slots:
    void aMartingaleStudyIsRunComparedDrawnAndKept() {
        test::TempSettings settings;
        // In the main window's client area, as the player sees it.
        QMdiArea host;
        host.resize(1366, 700);
        host.show();
        SetWindowHost(&host);
        StrategyLabWindow* lab = OpenStrategyLab();
        Find<QComboBox>(lab, "cboSystem")->setCurrentIndex(1); // Martingale
        Find<QSpinBox>(lab, "spnSessions")->setValue(400);
        Find<QSpinBox>(lab, "spnMaximum")->setValue(500);
        Find<QSpinBox>(lab, "spnSeed")->setValue(12345);
        QSignalSpy finished(lab, &StrategyLabWindow::Finished);
        QTest::mouseClick(Find<QPushButton>(lab, "cmdRun"), Qt::LeftButton);
        QVERIFY(!Find<QPushButton>(lab, "cmdRun")->isEnabled());
        const QString running = Layout(lab);
        QVERIFY2(!running.contains(QStringLiteral("squeezed")), qPrintable(running));
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
        // However long the summary, every control keeps its place and its full height.
        QTest::qWait(50);
        QCOMPARE(Layout(lab), running);

        // A second system over the same shoes: the new study takes the old chart away at once, then both
        // studies' bands and medians are drawn and their sessions paired.
        QVERIFY(!Find<QComboBox>(lab, "cboVersusSide")->isEnabled());
        Find<QComboBox>(lab, "cboVersusSystem")->setCurrentIndex(1); // Flat
        QVERIFY(Find<QComboBox>(lab, "cboVersusSide")->isEnabled());
        QTest::mouseClick(Find<QPushButton>(lab, "cmdRun"), Qt::LeftButton);
        for (QAbstractSeries* old : Find<QChartView>(lab, "chtBankroll")->chart()->series()) {
            QVERIFY(!old->isVisible());
        }
        QVERIFY(finished.wait(20000));
        const std::optional<Comparison>& comparison = lab->LastComparison();
        QVERIFY(comparison);
        QCOMPARE(comparison->pairs, std::uint64_t{400});
        // Flat on Banker alone, on the seed typed: its sessions are the second study's.
        LabParameters flat = lab->Parameters();
        flat.system = SystemKind::Flat;
        flat.seed = 12345;
        QCOMPARE(comparison->meanFinalBankroll.value,
                 static_cast<double>(lab->LastResult().net - RunLab(flat).net) / 400);
        QCOMPARE(Find<QChartView>(lab, "chtBankroll")->chart()->series().size(), 2 * (2 + 1));
        const QString summary = Find<QLabel>(lab, "lblSummary")->text();
        QVERIFY(summary.contains(QStringLiteral("Mean final bankroll")) &&
                summary.contains(QStringLiteral("Flat on Banker")));

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
        QCOMPARE(ReadIni(QStringLiteral("StrategyLab"), QStringLiteral("VersusSystem")),
                 QStringLiteral(" 1"));
        lab->Frame()->close();
        QTRY_VERIFY(TheStrategyLab() == nullptr);
        lab = OpenStrategyLab();
        QCOMPARE(Find<QComboBox>(lab, "cboSystem")->currentIndex(), 1);
        QCOMPARE(Find<QSpinBox>(lab, "spnMaximum")->value(), 500);
        QCOMPARE(Find<QSpinBox>(lab, "spnSeed")->value(), 12345);
        QCOMPARE(Find<QComboBox>(lab, "cboVersusSystem")->currentIndex(), 1);
        lab->Frame()->close();
        SetWindowHost(nullptr);
    }

    // Stored values out of a control's range, or not whole numbers, are read as its default; a study
    // that could not place its first bet is refused with the reason.
    void storedValuesOutOfRangeReadAsDefaultsAndABadStudyIsRefused() {
        QFile shipped(test::ShippedIniPath());
        QVERIFY(shipped.open(QIODevice::ReadOnly));
        test::TempSettings settings(shipped.readAll() +
                                    "\n[StrategyLab]\nBankroll=1e300\nUnit=99999999999\n"
                                    "Sessions=2.5\nStopWin=-40\nSystem=6\nDecks=-1\nStopLoss=700\n");
        StrategyLabWindow* lab = OpenStrategyLab();
        const std::pair<const char*, int> boxes[] = {{"spnBankroll", 1000},
                                                     {"spnUnit", 10},
                                                     {"spnSessions", 10000},
                                                     {"spnStopWin", 0},
                                                     {"spnStopLoss", 700}};
        for (const auto& [name, value] : boxes) {
            QCOMPARE(Find<QSpinBox>(lab, name)->value(), value);
        }
        QCOMPARE(Find<QComboBox>(lab, "cboSystem")->currentIndex(), 0);
        QCOMPARE(Find<QComboBox>(lab, "cboDecks")->currentIndex(), 4);

        Find<QSpinBox>(lab, "spnUnit")->setValue(2000);
        QTest::mouseClick(Find<QPushButton>(lab, "cmdRun"), Qt::LeftButton);
        QVERIFY(!lab->Running());
        QCOMPARE(Find<QLabel>(lab, "lblSummary")->text(),
                 QStringLiteral("The unit ($2000) is above the bankroll ($1000)."));
        lab->Frame()->close();
    }

    void aLongStudyCanBeCancelled() {
        test::TempSettings settings;
        StrategyLabWindow* lab = OpenStrategyLab();
        Find<QSpinBox>(lab, "spnSessions")->setValue(200'000);
        Find<QSpinBox>(lab, "spnSessionShoes")->setValue(10);
        QSignalSpy finished(lab, &StrategyLabWindow::Finished);
        QTest::mouseClick(Find<QPushButton>(lab, "cmdRun"), Qt::LeftButton);
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
