#pragma once

#include <QString>

// The table's money captions as the statistics window sees them: a stake change or a reset shows on
// the table at once, without the records depending on the table window.
namespace bacc {

class TableMoney {
public:
    virtual ~TableMoney() = default;
    // Captions of lblPlayerWinnings(seat) and lblPlayerTotal(seat), seat 0 or 1.
    virtual QString PlayerWinningsCaption(int seat) const = 0;
    virtual void SetPlayerWinningsCaption(int seat, const QString& caption) = 0;
    virtual QString PlayerTotalCaption(int seat) const = 0;
    virtual void SetPlayerTotalCaption(int seat, const QString& caption) = 0;
};

// A dollar amount as the table and the statistics window show it ("$15", "-$40"), and such a caption
// read back (0 when it is not an amount).
QString MoneyCaption(double amount);
double CaptionAmount(const QString& caption);

// The open table registers itself here and leaves when it goes; nullptr while there is no table.
void SetTableMoney(TableMoney* table);
TableMoney* CurrentTableMoney();

} // namespace bacc
