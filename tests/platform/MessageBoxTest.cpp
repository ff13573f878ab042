#include "MessageBox.h"

#include "RecordingPresenter.h"

#include <functional>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace bacc;

namespace {

// Runs check on the modal box once it is up, then closes it with close.
void WhenBoxShows(const std::function<void(QMessageBox*)>& check,
                  const std::function<void(QMessageBox*)>& close) {
    QTimer::singleShot(0, [check, close] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            QFAIL("no message box is showing");
        }
        check(box);
        close(box);
    });
}

} // namespace

class MessageBoxTest : public QObject {
    Q_OBJECT

private slots:
    void presenterSeesEveryRequestAndAnswers() {
        test::RecordingPresenter presenter;
        presenter.QueueAnswer(MsgResult::Cancel);
        QCOMPARE(ShowMessage("Sure?", MsgIcon::Exclamation, MsgButtons::OkCancel), MsgResult::Cancel);
        QCOMPARE(ShowMessage("Done", MsgIcon::Information), MsgResult::Ok); // queue empty: Ok
        QCOMPARE(ShowMessage("Web", MsgIcon::None, MsgButtons::Ok, nullptr, "Other caption"), MsgResult::Ok);
        QCOMPARE(presenter.Count(), 3);
        QCOMPARE(presenter.Texts(), (QStringList{"Sure?", "Done", "Web"}));
        const MessageRequest first = presenter.Requests().first();
        QCOMPARE(first.Caption, QString("Quorrel Baccarat"));
        QCOMPARE(first.Icon, MsgIcon::Exclamation);
        QCOMPARE(first.Buttons, MsgButtons::OkCancel);
        QCOMPARE(presenter.Last().Caption, QString("Other caption"));
        QCOMPARE(presenter.Requests()[1].Icon, MsgIcon::Information);
    }

    void realBoxCarriesCaptionTextAndIcon() {
        const struct {
            MsgIcon icon;
            QMessageBox::Icon shown;
        } icons[] = {{MsgIcon::None, QMessageBox::NoIcon},
                     {MsgIcon::Exclamation, QMessageBox::Warning},
                     {MsgIcon::Information, QMessageBox::Information},
                     {MsgIcon::Critical, QMessageBox::Critical}};
        for (const auto& entry : icons) {
            bool checked = false;
            WhenBoxShows(
                [&](QMessageBox* box) {
                    QCOMPARE(box->windowTitle(), QString("Quorrel Baccarat"));
                    QCOMPARE(box->text(), QString("Must wait for deal to end."));
                    QCOMPARE(box->icon(), entry.shown);
                    QCOMPARE(box->buttons().size(), 1);
                    QCOMPARE(box->standardButton(box->defaultButton()), QMessageBox::Ok);
                    checked = true;
                },
                [](QMessageBox* box) { box->button(QMessageBox::Ok)->click(); });
            QCOMPARE(ShowMessage("Must wait for deal to end.", entry.icon), MsgResult::Ok);
            QVERIFY(checked);
        }
    }

    void questionsDefaultToCancel() {
        bool checked = false;
        WhenBoxShows(
            [&](QMessageBox* box) {
                QCOMPARE(box->buttons().size(), 2);
                QCOMPARE(box->standardButton(box->defaultButton()), QMessageBox::Cancel);
                checked = true;
            },
            [](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Return); });
        QCOMPARE(ShowMessage("Start a new shoe?", MsgIcon::Exclamation, MsgButtons::OkCancel),
                 MsgResult::Cancel);
        QVERIFY(checked);

        WhenBoxShows([](QMessageBox*) {}, [](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
        QCOMPARE(ShowMessage("Start a new shoe?", MsgIcon::None, MsgButtons::OkCancel), MsgResult::Cancel);

        WhenBoxShows([](QMessageBox*) {}, [](QMessageBox* box) { box->button(QMessageBox::Ok)->click(); });
        QCOMPARE(ShowMessage("Start a new shoe?", MsgIcon::None, MsgButtons::OkCancel), MsgResult::Ok);

        // Escape on a box with only OK is OK.
        WhenBoxShows([](QMessageBox*) {}, [](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
        QCOMPARE(ShowMessage("Hands dealt"), MsgResult::Ok);
    }

    void presenterIsRestoredWhenTheRecorderGoes() {
        {
            test::RecordingPresenter presenter;
            ShowMessage("recorded");
            QCOMPARE(presenter.Count(), 1);
        }
        bool shown = false;
        WhenBoxShows([&](QMessageBox* box) { shown = box->text() == "real"; },
                     [](QMessageBox* box) { box->button(QMessageBox::Ok)->click(); });
        ShowMessage("real");
        QVERIFY(shown);
    }
};

QTEST_MAIN(MessageBoxTest)
#include "MessageBoxTest.moc"
