#include "shell/shell_state.h"

namespace coinest {

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
