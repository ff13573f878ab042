#include "MessageBox.h"

#include "RecordingPresenter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace bacc;

class MessageBoxTest : public QObject {
    Q_OBJECT

private slots:
    // The seam: every request is recorded with its caption, icon and buttons and answered from the
    // queue (Ok once it is empty); the real boxes come back when the recorder goes.
    void presenterSeesEveryRequestAndAnswers() {
        {
            test::RecordingPresenter presenter;
            presenter.QueueAnswer(MsgResult::Cancel);
            QCOMPARE(ShowMessage("Sure?", MsgIcon::Exclamation, MsgButtons::OkCancel), MsgResult::Cancel);
            QCOMPARE(ShowMessage("Web", MsgIcon::Information, MsgButtons::Ok, nullptr, "Other"),
                     MsgResult::Ok);
            QCOMPARE(presenter.Texts(), (QStringList{"Sure?", "Web"}));
            const MessageRequest first = presenter.Requests().first();
            QCOMPARE(first.Caption + ' ' + presenter.Last().Caption, QString("Quorrel Baccarat Other"));
            QCOMPARE(first.Icon, MsgIcon::Exclamation);
            QCOMPARE(first.Buttons, MsgButtons::OkCancel);
            QCOMPARE(presenter.Last().Icon, MsgIcon::Information);
        }
        QTimer::singleShot(0, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); });
        QCOMPARE(ShowMessage("real"), MsgResult::Ok);
    }

    // The real box: caption, text and icon; questions default to Cancel, and Escape cancels them.
    void realBox_data() {
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("shown");
        QTest::addColumn<bool>("question");
        QTest::addColumn<int>("key"); // 0: click OK
        QTest::addColumn<int>("result");
        const int ok = static_cast<int>(MsgResult::Ok);
        const int cancel = static_cast<int>(MsgResult::Cancel);
        QTest::newRow("none") << int(MsgIcon::None) << int(QMessageBox::NoIcon) << false << 0 << ok;
        QTest::newRow("warning") << int(MsgIcon::Exclamation) << int(QMessageBox::Warning) << false << 0
                                 << ok;
        QTest::newRow("information") << int(MsgIcon::Information) << int(QMessageBox::Information) << false
                                     << int(Qt::Key_Escape) << ok;
        QTest::newRow("critical") << int(MsgIcon::Critical) << int(QMessageBox::Critical) << false << 0 << ok;
        QTest::newRow("question, Return")
            << int(MsgIcon::None) << int(QMessageBox::NoIcon) << true << int(Qt::Key_Return) << cancel;
        QTest::newRow("question, Escape")
            << int(MsgIcon::None) << int(QMessageBox::NoIcon) << true << int(Qt::Key_Escape) << cancel;
        QTest::newRow("question, OK") << int(MsgIcon::None) << int(QMessageBox::NoIcon) << true << 0 << ok;
    }

    void realBox() {
        QFETCH(int, icon);
        QFETCH(int, shown);
        QFETCH(bool, question);
        QFETCH(int, key);
        QFETCH(int, result);
        QString seen;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            seen = QStringLiteral("%1|%2|%3|%4|%5")
                       .arg(box->windowTitle(), box->text())
                       .arg(box->icon())
                       .arg(box->buttons().size())
                       .arg(box->standardButton(box->defaultButton()));
            key == 0 ? box->button(QMessageBox::Ok)->click() : QTest::keyClick(box, Qt::Key(key));
        });
        QCOMPARE(static_cast<int>(ShowMessage("Must wait.", MsgIcon(icon),
                                              question ? MsgButtons::OkCancel : MsgButtons::Ok)),
                 result);
        QCOMPARE(seen, QStringLiteral("Quorrel Baccarat|Must wait.|%1|%2|%3")
                           .arg(shown)
                           .arg(question ? 2 : 1)
                           .arg(question ? QMessageBox::Cancel : QMessageBox::Ok));
    }
};

QTEST_MAIN(MessageBoxTest)
#include "MessageBoxTest.moc"
