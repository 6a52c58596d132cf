#include "shell/categories_page.h"

#include "shell/shell_context.h"

namespace coinest {

void reloadCategoryLists(ShellContext&) {}
void setCategoryKind(ShellContext&, bool) {}
void majorSelectionChanged(ShellContext&, int) {}
void majorTapped(ShellContext&, int) {}
void minorSelectionChanged(ShellContext&, int) {}
void stepMajorCategory(ShellContext&, int) {}
void runCategoryCommand(ShellContext&, int) {}

}  // namespace coinest
