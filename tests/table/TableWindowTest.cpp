// The table window: its controls, opening with the seats' money, clearing results, and closing.
#include "TableWindow.h"

#include "IniFile.h"
#include "MessageBox.h"
#include "RecordingPresenter.h"
#include "Shoe.h"
#include "TempSettings.h"
#include "Twips.h"

#include <memory>

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QtTest>

using namespace bacc;

namespace {

const QByteArray Stats = "[frmBaccTable]\r\nTop= 300\r\nLeft= 450\r\nHeight= 0\r\nWidth= 0\r\n"
                         "[Player1Stats]\r\nSteak= 1000\r\nWin=-120\r\n"
                         "[Player2Stats]\r\nSteak= 499.5\r\nWin=250.4 dollars\r\n";

QString Seat(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

} // namespace

class TableWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TempSettings> settings_;
    QPointer<TableWindow> table_;

    template <typename T = QWidget> T* Find(const QString& name) { return table_->findChild<T*>(name); }
    void Open(const QByteArray& ini) {
        settings_ = std::make_unique<test::TempSettings>(ini);
        table_ = OpenTable();
    }

private slots:
    void cleanup() {
        if (table_) {
            table_->DealInProgress = false;
            delete table_.data();
        }
        settings_.reset();
    }

    void everyControlIsThereByName() {
        Open(Stats);
        const QStringList single{"Label1",
                                 "Label11",
                                 "Label2",
                                 "Label12",
                                 "WinP",
                                 "WinB",
                                 "TieResultP",
                                 "TieResultB",
                                 "PTotal",
                                 "BTotal",
                                 "lblNaturalP",
                                 "lblNaturalB",
                                 "maisyk",
                                 "duokkortos",
                                 "lblShuffleInProgress(0)",
                                 "lblShuffleInProgress(1)",
                                 "FormEndofShoe",
                                 "FormLastHand",
                                 "lblHandsAtaTime",
                                 "HandsAtaTime",
                                 "lblUnitValue",
                                 "txtUnitValue",
                                 "Label6",
                                 "Label7",
                                 "Label9",
                                 "Label10",
                                 "Label3",
                                 "Label8",
                                 "Label5",
                                 "Label4",
                                 "txtSetFocus",
                                 "pctCardBackMove",
                                 "Line1",
                                 "Line2",
                                 "Line3",
                                 "Line4",
                                 "Line5",
                                 "Line6",
                                 "Shape1",
                                 "Shape2",
                                 "Shape3",
                                 "Shape4",
                                 "Shape5",
                                 "Shape6",
                                 "Image1(0)",
                                 "Image1(1)"};
        for (const QString& name : single) {
            QVERIFY2(Find(name) != nullptr, qPrintable(name));
        }
        for (int seat = 0; seat < 2; ++seat) {
            for (const char* name :
                 {"lblPlayerTotal", "lblPlayerWinnings", "txtTieBet",         "txtBankerBet", "txtPlayerBet",
                  "txtTieBetValue", "txtBankerBetValue", "txtPlayerBetValue", "lblTWin",      "lblBWin",
                  "lblPWin",        "lblTLose",          "lblBLose",          "lblPLose",     "lblTBetInc0",
                  "lblTBetInc1",    "lblTBetInc2",       "lblTBetInc5",       "lblBBetInc0",  "lblBBetInc1",
                  "lblBBetInc2",    "lblBBetInc5",       "lblPBetInc0",       "lblPBetInc1",  "lblPBetInc2",
                  "lblPBetInc5"}) {
                QVERIFY2(Find(Seat(name, seat)) != nullptr, qPrintable(Seat(name, seat)));
            }
        }
        for (int slot = 0; slot < 6; ++slot) {
            for (const char* name :
                 {"shpCardShadow", "pctCardFace", "pctCardTopLeft", "pctCardTopRight", "pctCardBottomLeft",
                  "pctCardBottomRight", "pctCardTopLeftWide", "pctCardTopRightWide", "pctCardBottomLeftWide",
                  "pctCardBottomRightWide", "pctCardBack", "lblCardBottom", "lblCardRight"}) {
                QVERIFY2(Find(Seat(name, slot)) != nullptr, qPrintable(Seat(name, slot)));
            }
        }
        QVERIFY(Find(QStringLiteral("Image1(1)"))->isHidden());
        QVERIFY(!Find<QLabel>(QStringLiteral("Image1(0)"))->pixmap().isNull());
        QVERIFY(qobject_cast<QLineEdit*>(Find(QStringLiteral("txtSetFocus")))->focusPolicy() != Qt::NoFocus);
        QCOMPARE(table_->objectName(), QStringLiteral("BaccTable"));
        QCOMPARE(table_->windowTitle(), QString(84, QLatin1Char(' ')) + QStringLiteral("T  A  B  L  E"));
    }

    void controlsStandAtTheirDesignedPlaces() {
        Open(Stats);
        QCOMPARE(table_->size(), TwipsSize(11085, 4035)); // no stored size: the design size
        QCOMPARE(Find(QStringLiteral("Label1"))->geometry(), TwipsRect(360, 30, 1935, 375));
        QCOMPARE(Find(QStringLiteral("Label11"))->geometry(), TwipsRect(375, 60, 1935, 375));
        QCOMPARE(Find(QStringLiteral("Label12"))->geometry(), TwipsRect(8685, 45, 1935, 375));
        QCOMPARE(Find(QStringLiteral("duokkortos"))->geometry(), TwipsRect(4470, 60, 2175, 375));
        QCOMPARE(Find(QStringLiteral("lblNaturalB"))->geometry(), TwipsRect(8640, 1290, 2235, 375));
        QCOMPARE(Find(QStringLiteral("txtPlayerBet(1)"))->geometry(), TwipsRect(6780, 3300, 405, 315));
        QCOMPARE(Find(QStringLiteral("txtTieBet(0)"))->geometry(), TwipsRect(3480, 2040, 405, 315));
        QCOMPARE(Find(QStringLiteral("lblBBetInc2(1)"))->geometry(), TwipsRect(7500, 2700, 135, 255));
        QCOMPARE(Find(QStringLiteral("lblPBetInc5(0)"))->geometry(), TwipsRect(4320, 3330, 135, 255));
        QCOMPARE(Find(QStringLiteral("txtBankerBetValue(1)"))->geometry(), TwipsRect(6450, 3030, 765, 255));
        QCOMPARE(Find(QStringLiteral("lblPWin(0)"))->y(), Px(3600));
        QCOMPARE(Find(QStringLiteral("lblBLose(1)"))->y(), Px(3000));
        QCOMPARE(Find(QStringLiteral("pctCardBack(5)"))->geometry(), TwipsRect(9150, 780, 1065, 1440));
        QCOMPARE(Find(QStringLiteral("pctCardTopRightWide(3)"))->geometry(),
                 TwipsRect(8550 + 855, 2340 + 45, 165, 390));
        QCOMPARE(Find(QStringLiteral("pctCardBottomLeft(0)"))->geometry(),
                 TwipsRect(180 + 30, 2340 + 1005, 129, 390));
        QCOMPARE(Find(QStringLiteral("lblCardBottom(2)"))->geometry(), TwipsRect(780, 780 + 1440, 1065, 135));
        QCOMPARE(Find(QStringLiteral("lblCardRight(4)"))->geometry(),
                 TwipsRect(9750 + 1065, 2340, 135, 1440));
        QCOMPARE(Find(QStringLiteral("shpCardShadow(1)"))->geometry(),
                 TwipsRect(1380 + 45, 2340 + 45, 1065, 1440));

        // The win and lose marks of a seat never cover its boxes, labels or the other marks' rows.
        for (int seat = 0; seat < 2; ++seat) {
            for (const char* mark : {"lblTWin", "lblBWin", "lblPWin", "lblTLose", "lblBLose", "lblPLose"}) {
                const QRect markRect = Find(Seat(mark, seat))->geometry();
                for (const char* other :
                     {"txtTieBet", "txtBankerBet", "txtPlayerBet", "txtTieBetValue", "txtBankerBetValue",
                      "txtPlayerBetValue", "lblTBetInc5", "lblBBetInc5", "lblPBetInc5"}) {
                    QVERIFY2(!markRect.intersects(Find(Seat(other, seat))->geometry()),
                             qPrintable(Seat(mark, seat) + " over " + Seat(other, seat)));
                }
            }
        }
        // Cards lie above every label of the felt.
        const QObjectList& children = table_->children();
        QVERIFY(children.indexOf(Find(QStringLiteral("lblNaturalP"))) <
                children.indexOf(Find(QStringLiteral("pctCardBack(2)"))));
        QVERIFY(children.indexOf(Find(QStringLiteral("pctCardBack(5)"))) <
                children.indexOf(Find(QStringLiteral("pctCardBackMove"))));
    }

    void boxesCarryTheirMasksAndTips() {
        Open(Stats);
        struct Box {
            const char* Name;
            int Digits;
            const char* Tip;
        };
        for (const Box& box : {Box{"txtPlayerBet(0)", 3, "Enter between 0 and 100 units"},
                               Box{"txtBankerBet(1)", 3, "Enter between 0 and 100 units"},
                               Box{"txtTieBet(1)", 2, "Enter between 0 and 20 units"},
                               Box{"txtUnitValue", 4, "Enter between $1 and $9999"},
                               Box{"HandsAtaTime", 2, "Enter Between 1 and 90"}}) {
            auto* edit = Find<MaskedEdit>(QLatin1String(box.Name));
            QVERIFY2(edit != nullptr, box.Name);
            QCOMPARE(edit->DigitPositions(), box.Digits);
            QCOMPARE(edit->toolTip(), QLatin1String(box.Tip));
        }
        QCOMPARE(Find<MaskedEdit>(QStringLiteral("txtUnitValue"))->Digits(), QStringLiteral("50"));
        QCOMPARE(Find(QStringLiteral("lblPBetInc0(1)"))->toolTip(), QStringLiteral("Clear Player Bet"));
        QCOMPARE(Find(QStringLiteral("lblBBetInc0(0)"))->toolTip(), QStringLiteral("Clear Banker Bet"));
        QCOMPARE(Find(QStringLiteral("lblTBetInc0(0)"))->toolTip(), QStringLiteral("Clear Tie Bet"));
        QCOMPARE(Find(QStringLiteral("lblTBetInc1(1)"))->toolTip(), QStringLiteral("Add 1 Unit"));
        QCOMPARE(Find(QStringLiteral("lblBBetInc2(1)"))->toolTip(), QStringLiteral("Add 2 Units"));
        QCOMPARE(Find(QStringLiteral("lblPBetInc5(0)"))->toolTip(), QStringLiteral("Add 5 Units"));
        QCOMPARE(Find<QLabel>(QStringLiteral("lblPBetInc5(0)"))->text(), QStringLiteral("5"));
        QCOMPARE(Find(QStringLiteral("pctCardBack(3)"))->toolTip(), QStringLiteral("Click to reveal card"));
        QCOMPARE(Find(QStringLiteral("lblCardBottom(3)"))->toolTip(),
                 QStringLiteral("To reveal card - press left mouse button and move up"));
        QCOMPARE(Find(QStringLiteral("lblCardRight(3)"))->toolTip(),
                 QStringLiteral("To reveal card - press left mouse button and move left"));
    }

    void openingSetsTheTableUp() {
        TheShoe().EndOfShoe = false;
        Open(Stats);
        QVERIFY(TheTable() == table_);
        QVERIFY(OpenTable() == table_); // a second open finds the same table
        QVERIFY(TheShoe().EndOfShoe);
        QCOMPARE(table_->maisyk->text(), TableWindow::ShuffleCaption());
        QCOMPARE(table_->duokkortos->text(), TableWindow::DealCaption());
        for (int seat = 0; seat < 2; ++seat) {
            QCOMPARE(table_->txtPlayerBet[seat]->Digits(), QStringLiteral("0"));
            QCOMPARE(table_->txtBankerBet[seat]->Digits(), QStringLiteral("0"));
            QCOMPARE(table_->txtTieBet[seat]->Digits(), QStringLiteral("0"));
            QVERIFY(table_->txtPlayerBetValue[seat]->isHidden());
            QVERIFY(table_->lblPWin[seat]->isHidden());
            QVERIFY(table_->lblTLose[seat]->isHidden());
        }
        for (QLabel* result : {table_->WinP, table_->WinB, table_->TieResultP, table_->TieResultB,
                               table_->PTotal, table_->BTotal, table_->lblNaturalP, table_->lblNaturalB,
                               table_->FormEndofShoe, table_->FormLastHand}) {
            QVERIFY2(result->isHidden(), qPrintable(result->objectName()));
        }
        QVERIFY(!table_->pctCardBack[0]->pixmap().isNull());
        QCOMPARE(table_->pctCardBack[0]->pixmap().deviceIndependentSize().toSize(), QSize(71, 96));
        QCOMPARE(table_->pos(), TwipsPoint(450, 300));
    }

    void openingShowsEachSeatsMoney() {
        Open(Stats);
        // Winnings of -120 on a stake of 1000.
        QCOMPARE(table_->lblPlayerWinnings[0]->text(), QStringLiteral("-$120"));
        QCOMPARE(table_->lblPlayerTotal[0]->text(), QStringLiteral("$880"));
        // A stake rounded half away from zero, winnings read up to the first non-number character and
        // shown rounded; the total adds the shown winnings.
        QCOMPARE(table_->lblPlayerWinnings[1]->text(), QStringLiteral("$250"));
        QCOMPARE(table_->lblPlayerTotal[1]->text(), QStringLiteral("$750"));
    }

    void missingMoneyCountsAsNothing() {
        Open("[Player1Stats]\nWin=lots\n");
        QCOMPARE(table_->lblPlayerWinnings[0]->text(), QStringLiteral("$0"));
        QCOMPARE(table_->lblPlayerTotal[0]->text(), QStringLiteral("$0"));
        QCOMPARE(table_->lblPlayerTotal[1]->text(), QStringLiteral("$0"));
        QCOMPARE(table_->pos(), QPoint(0, 0));
        QCOMPARE(table_->size(), TwipsSize(11085, 4035));
    }

    void clearingResultsKeepsStandingBets() {
        Open(Stats);
        for (QLabel* result : {table_->WinP, table_->TieResultB, table_->PTotal, table_->lblNaturalB}) {
            result->show();
        }
        // Seat 0 has a Banker bet of 4 units standing; seat 1 has none.
        table_->txtBankerBet[0]->SetDigits(QStringLiteral("4"));
        table_->txtBankerBetValue[0]->setText(QStringLiteral("$200"));
        table_->txtBankerBetValue[0]->show();
        table_->txtPlayerBetValue[0]->setText(QStringLiteral("$50"));
        table_->txtPlayerBetValue[0]->show();
        table_->txtTieBetValue[1]->setText(QStringLiteral("$75"));
        table_->txtTieBetValue[1]->show();
        table_->lblBWin[0]->show();
        table_->lblPLose[0]->show();
        table_->lblTLose[1]->show();

        table_->ResultsInvisible();

        for (QLabel* result : {table_->WinP, table_->TieResultB, table_->PTotal, table_->lblNaturalB}) {
            QVERIFY(result->isHidden());
        }
        QVERIFY(table_->lblBWin[0]->isHidden());
        QVERIFY(table_->lblPLose[0]->isHidden());
        QVERIFY(table_->lblTLose[1]->isHidden());
        QVERIFY(table_->txtBankerBetValue[0]->isVisible());
        QCOMPARE(table_->txtBankerBetValue[0]->text(), QStringLiteral("$200"));
        QVERIFY(table_->txtPlayerBetValue[0]->isHidden());
        QCOMPARE(table_->txtPlayerBetValue[0]->text(), QStringLiteral("0"));
        QVERIFY(table_->txtTieBetValue[1]->isHidden());
        QCOMPARE(table_->txtTieBetValue[1]->text(), QStringLiteral("0"));
    }

    void closingIsRefusedDuringADealThenSavesThePosition() {
        Open(Stats);
        test::RecordingPresenter presenter;
        table_->move(TwipsPoint(600, 900));
        table_->resize(TwipsSize(12000, 4500));
        table_->DealInProgress = true;
        QVERIFY(!table_->close());
        QCOMPARE(presenter.Count(), 1);
        QCOMPARE(presenter.Last().Text, QStringLiteral("Must wait for deal to end."));
        QCOMPARE(presenter.Last().Icon, MsgIcon::Exclamation);
        QCOMPARE(presenter.Last().Caption, QStringLiteral("Quorrel Baccarat"));
        QVERIFY(table_->isVisible());
        QCOMPARE(ReadIni(QStringLiteral("frmBaccTable"), QStringLiteral("Left")), QStringLiteral(" 450"));

        table_->DealInProgress = false;
        QVERIFY(table_->close());
        QCOMPARE(presenter.Count(), 1);
        QCOMPARE(ReadIni(QStringLiteral("frmBaccTable"), QStringLiteral("Top")), QStringLiteral(" 900"));
        QCOMPARE(ReadIni(QStringLiteral("frmBaccTable"), QStringLiteral("Left")), QStringLiteral(" 600"));
        QCOMPARE(ReadIni(QStringLiteral("frmBaccTable"), QStringLiteral("Height")), QStringLiteral(" 4500"));
        QCOMPARE(ReadIni(QStringLiteral("frmBaccTable"), QStringLiteral("Width")), QStringLiteral(" 12000"));
        QTRY_VERIFY(TheTable() == nullptr);
    }

    void closingTheHostedTableIsRefusedDuringADealToo() {
        QMdiArea area;
        area.resize(1200, 700);
        area.show();
        SetWindowHost(&area);
        Open(Stats);
        test::RecordingPresenter presenter;
        QVERIFY(table_->SubWindow() != nullptr);
        table_->DealInProgress = true;
        QVERIFY(!table_->Frame()->close());
        QCOMPARE(presenter.Texts(), QStringList{QStringLiteral("Must wait for deal to end.")});
        QVERIFY(table_ && table_->isVisible());
        table_->SubWindow()->move(TwipsPoint(150, 225));
        table_->DealInProgress = false;
        QVERIFY(table_->Frame()->close());
        QCOMPARE(ReadIni(QStringLiteral("frmBaccTable"), QStringLiteral("Left")), QStringLiteral(" 150"));
        QCOMPARE(ReadIni(QStringLiteral("frmBaccTable"), QStringLiteral("Top")), QStringLiteral(" 225"));
        QTRY_VERIFY(TheTable() == nullptr);
        SetWindowHost(nullptr);
    }

    void closingBeforeAnyShoeLeavesTheEmptyShoeAlone() {
        Shoe& shoe = TheShoe();
        QVERIFY(shoe.ShoeOrder.empty()); // no shoe has been built in this run
        Open(Stats);
        QVERIFY(table_->close());
        // No card 0 to point at: recording the rest must find nothing to record.
        QCOMPARE(shoe.LastCardIndex, -1);
        shoe.RecordUndealtRest();
        QCOMPARE(shoe.CardsOut, 0);
    }
    void closingGivesUpTheShoeInPlay() {
        Shoe& shoe = TheShoe();
        shoe.DeckCount = 1;
        shoe.SetSeed(7);
        shoe.NewShoe();
        shoe.EndOfShoe = false;
        Open(Stats);
        QVERIFY(table_->close());
        QCOMPARE(shoe.LastCardIndex, 0);
        // The re-opened table waits for a shuffle; the end-of-shoe record of the old shoe lists nothing.
        table_ = OpenTable();
        QVERIFY(shoe.EndOfShoe);
        const int out = shoe.CardsOut;
        shoe.RecordUndealtRest();
        QCOMPARE(shoe.CardsOut, out);
    }
};

QTEST_MAIN(TableWindowTest)
#include "TableWindowTest.moc"
