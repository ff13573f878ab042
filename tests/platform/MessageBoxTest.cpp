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

    // The real box: its caption, text, icon, button count and default, and the answer; questions
    // default to Cancel, and Escape cancels them. A key of 0 clicks OK.
    void realBox_data() {
        QTest::addColumn<MsgIcon>("icon");
        QTest::addColumn<MsgButtons>("buttons");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("seen");
        const MsgButtons ok = MsgButtons::Ok;
        const MsgButtons question = MsgButtons::OkCancel;
        QTest::newRow("none") << MsgIcon::None << ok << 0 << "0|1|Ok|Ok";
        QTest::newRow("warning") << MsgIcon::Exclamation << ok << 0 << "2|1|Ok|Ok";
        QTest::newRow("information") << MsgIcon::Information << ok << int(Qt::Key_Escape) << "1|1|Ok|Ok";
        QTest::newRow("critical") << MsgIcon::Critical << ok << 0 << "3|1|Ok|Ok";
        QTest::newRow("question, Return")
            << MsgIcon::None << question << int(Qt::Key_Return) << "0|2|Cancel|Cancel";
        QTest::newRow("question, Escape")
            << MsgIcon::None << question << int(Qt::Key_Escape) << "0|2|Cancel|Cancel";
        QTest::newRow("question, OK") << MsgIcon::None << question << 0 << "0|2|Cancel|Ok";
    }

    void realBox() {
        QFETCH(MsgIcon, icon);
        QFETCH(MsgButtons, buttons);
        QFETCH(int, key);
        QFETCH(QString, seen);
        const auto name = [](bool cancel) { return QString(cancel ? "Cancel" : "Ok"); };
        QString shown;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            shown = QStringLiteral("%1|%2|%3|%4|%5|")
                        .arg(box->windowTitle(), box->text())
                        .arg(box->icon())
                        .arg(box->buttons().size())
                        .arg(name(box->standardButton(box->defaultButton()) == QMessageBox::Cancel));
            key == 0 ? box->button(QMessageBox::Ok)->click() : QTest::keyClick(box, Qt::Key(key));
        });
        shown += name(ShowMessage("Must wait.", icon, buttons) == MsgResult::Cancel);
        QCOMPARE(shown, "Quorrel Baccarat|Must wait.|" + seen);
    }
};

QTEST_MAIN(MessageBoxTest)
#include "MessageBoxTest.moc"
