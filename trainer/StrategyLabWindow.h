#pragma once

#include "ChildWindow.h"
#include "StrategyLab.h"

#include <array>
#include <atomic>
#include <memory>
#include <utility>

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
// file's "StrategyLab" section.
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

signals:
    void Finished();

protected:
    bool Form_Unload() override;

private:
    void BuildControls();
    void LoadChoices();
    void StoreChoices() const;
    void ShowResult();
    void ClearChart();
    void DrawChart();
    void cmdSave_Click();
    static const std::array<std::pair<QSpinBox * StrategyLabWindow::*, const char*>, 9>& KeptBoxes();

    QComboBox* system_ = nullptr;
    QComboBox* side_ = nullptr;
    QComboBox* decks_ = nullptr;
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
    QFutureWatcher<LabResult> watcher_;
    LabResult result_;
    LabParameters studied_;
};

StrategyLabWindow* OpenStrategyLab();
StrategyLabWindow* TheStrategyLab();

} // namespace bacc
