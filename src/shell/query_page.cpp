#include "shell/query_page.h"

#include "shell/shell_context.h"

namespace coinest {

void rebuildQueryList(ShellContext&) {}
void restoreQueryList(ShellContext&) {}
void setQueryKind(ShellContext&, int) {}
void querySelectionChanged(ShellContext&, int) {}
void showQueryDetail(ShellContext&) {}
void hideQueryDetail(ShellContext&) {}

}  // namespace coinest
