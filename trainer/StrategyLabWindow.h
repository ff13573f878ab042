#pragma once

#include "ChildWindow.h"
#include "LabComparison.h"
#include "StrategyLab.h"

#include <array>
#include <atomic>
#include <memory>
#include <optional>
#include <utility>

#include <QColor>
#include <QFutureWatcher>

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QChartView;

namespace bacc {

// Tries a betting system over many sessions at once and shows what happens to the bankroll: the
// median after each hand, the 25-75 % and 5-95 % bands, a few single sessions, the edge, how many
// sessions were ruined and where the final bankrolls lie. The sessions run on worker threads, so the
// table stays live (a deal can go on) while a study runs. Its last choices are kept in the settings
// file's "StrategyLab" section. A second system (and side) can be played over exactly the same shoes
// and compared with the first, session by session.
class StrategyLabWindow : public ChildWindow {
    Q_OBJECT
public:
    explicit StrategyLabWindow(QWidget* parent = nullptr);
    ~StrategyLabWindow() override;

    // The study the fields describe.
    LabParameters Parameters() const;
    void cmdRun_Click();
    void cmdCancel_Click();
    // Writes the curve of the last study as CSV; false when there is none or the file cannot be written.
    bool SaveCurve(const QString& path) const;
    bool Running() const { return watcher_.isRunning(); }
    const LabResult& LastResult() const { return result_; }
    // The last study's comparison with a second system, when one was chosen.
    const std::optional<Comparison>& LastComparison() const { return comparison_; }

signals:
    void Finished();

protected:
    bool Form_Unload() override;

private:
    void BuildControls();
    void LoadChoices();
    void StoreChoices() const;
    // The second system and side chosen to compare with, if any.
    std::optional<std::pair<SystemKind, BetSide>> Versus() const;
    // True when the last study was compared and both played at least one session.
    bool Compared() const;
    void ShowResult();
    QString StudySummary() const;
    QString ComparisonSummary() const;
    void ClearChart();
    void DrawChart();
    void DrawStudy(const LabResult& study, const QString& label, QColor bands, QColor median, bool paths);
    void cmdSave_Click();
    static const std::array<std::pair<QSpinBox * StrategyLabWindow::*, const char*>, 9>& KeptBoxes();

    QComboBox* system_ = nullptr;
    QComboBox* side_ = nullptr;
    QComboBox* decks_ = nullptr;
    QComboBox* versusSystem_ = nullptr;
    QComboBox* versusSide_ = nullptr;
    QSpinBox* unit_ = nullptr;
    QSpinBox* bankroll_ = nullptr;
    QSpinBox* minimum_ = nullptr;
    QSpinBox* maximum_ = nullptr;
    QSpinBox* sessions_ = nullptr;
    QSpinBox* sessionShoes_ = nullptr;
    QSpinBox* stopWin_ = nullptr;
    QSpinBox* stopLoss_ = nullptr;
    QSpinBox* seed_ = nullptr;
    QPushButton* run_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* save_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* summary_ = nullptr;
    QChartView* chart_ = nullptr;

    std::atomic<bool> cancelled_{false};
    std::atomic<std::uint64_t> shoesDone_{0};
    std::uint64_t shoesToDo_ = 0;
    QFutureWatcher<ComparisonResult> watcher_;
    LabResult result_;
    LabParameters studied_;
    // The second study of a comparison: what it played and how the two differ.
    LabResult versusResult_;
    std::optional<LabParameters> versusStudied_;
    std::optional<Comparison> comparison_;
};

StrategyLabWindow* OpenStrategyLab();
StrategyLabWindow* TheStrategyLab();

} // namespace bacc
