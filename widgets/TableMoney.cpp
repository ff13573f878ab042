#include "TableMoney.h"

#include "NumberText.h"

namespace bacc {
namespace {
TableMoney* currentTable = nullptr;
} // namespace

QString MoneyCaption(double amount) {
    return QString::fromStdString(FormatMoney(amount));
}
double CaptionAmount(const QString& caption) {
    return MoneyValue(caption.toStdString());
}

void SetTableMoney(TableMoney* table) {
    currentTable = table;
}
TableMoney* CurrentTableMoney() {
    return currentTable;
}

} // namespace bacc
