#include "dialogs/choice_list.h"

#include <algorithm>

namespace coinest {

void ChoiceList::add(std::string text, int32_t id) {
  items.push_back(std::move(text));
  ids.push_back(id);
}

void ChoiceList::clear() {
  items.clear();
  ids.clear();
  selected = -1;
}

bool ChoiceList::select(int row) {
  if (row < 0 || row >= size()) return false;
  selected = row;
  return true;
}

int ChoiceList::rowOf(std::string_view text) const {
  const auto found = std::find(items.begin(), items.end(), text);
  return found == items.end() ? -1 : static_cast<int>(found - items.begin());
}

int ChoiceList::rowOfId(int32_t id) const {
  const auto found = std::find(ids.begin(), ids.end(), id);
  return found == ids.end() ? -1 : static_cast<int>(found - ids.begin());
}

std::string ChoiceList::selectedText() const {
  return selected >= 0 && selected < size() ? items[static_cast<std::size_t>(selected)] : std::string();
}

int32_t ChoiceList::selectedId() const {
  return selected >= 0 && selected < size() ? ids[static_cast<std::size_t>(selected)] : 0;
}

}  // namespace coinest
