#include "shell/shell_state.h"

namespace coinest {

QueryKind queryKindOf(int number) {
  switch (number) {
    case 1: return QueryKind::Card;
    case 2: return QueryKind::Account;
    default: return QueryKind::Books;
  }
}

bool isPageNumber(int number) {
  switch (number) {
    case PageQuery:
    case PageAssets:
    case PageBooks:
    case PageReservations:
    case PageSettlement:
    case PageCategories: return true;
    default: return false;
  }
}

}  // namespace coinest
