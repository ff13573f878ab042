#include "MessageBox.h"

#include "RecordingPresenter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontDatabase>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace bacc;

class MessageBoxTest : public QObject {
    Q_OBJECT

private slots:
    // The real box: its caption, text, icon, button count and default, and the answer; questions
    // default to Cancel, and Escape cancels them. A key of 0 clicks OK. The box is wide enough for the
    // caption and at least three title-bar buttons as tall as the title, so the window manager does not
    // cut the caption short.
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
        int width = 0;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            width = box->width();
            shown = QStringLiteral("%1|%2|%3|%4|%5|")
                        .arg(box->windowTitle(), box->text())
                        .arg(box->icon())
                        .arg(box->buttons().size())
                        .arg(name(box->standardButton(box->defaultButton()) == QMessageBox::Cancel));
            key == 0 ? box->button(QMessageBox::Ok)->click() : QTest::keyClick(box, Qt::Key(key));
        });
        shown += name(ShowMessage("Must wait.", icon, buttons) == MsgResult::Cancel);
        QCOMPARE(shown, "Quorrel Baccarat|Must wait.|" + seen);
        const QFontMetrics title(QFontDatabase::systemFont(QFontDatabase::TitleFont));
        QVERIFY2(width >= title.horizontalAdvance(ProgramTitle) + 3 * title.height(),
                 qPrintable(QString::number(width)));
    }
};

QTEST_MAIN(MessageBoxTest)
#include "MessageBoxTest.moc"
