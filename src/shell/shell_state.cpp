#include "shell/shell_state.h"

namespace coinest {

std::optional<Page> pageOfNumber(int number) {
  switch (number) {
    case static_cast<int>(Page::Query):
    case static_cast<int>(Page::Assets):
    case static_cast<int>(Page::Books):
    case static_cast<int>(Page::Reservations):
    case static_cast<int>(Page::Settlement):
    case static_cast<int>(Page::Categories): return static_cast<Page>(number);
    default: return std::nullopt;
  }
}

}  // namespace coinest
