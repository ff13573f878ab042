#include "TableMoney.h"

namespace bacc {
namespace {
TableMoney* currentTable = nullptr;
} // namespace

void SetTableMoney(TableMoney* table) {
    currentTable = table;
}
TableMoney* CurrentTableMoney() {
    return currentTable;
}

} // namespace bacc
