#include "shell/settlement_page.h"

#include "shell/shell_context.h"

namespace coinest {

void rebuildSettlementList(ShellContext&) {}
void restoreSettlementList(ShellContext&) {}
void settlementSelectionChanged(ShellContext&, int) {}
void moveSettlementMonth(ShellContext&, int) {}
void showSettlementMonth(ShellContext&, int, int) {}
void showSettlementDetail(ShellContext&) {}
void hideSettlementDetail(ShellContext&) {}
void toggleSettlementMinorRows(ShellContext&) {}
void forgetSettlementRead(ShellContext&) {}

}  // namespace coinest
