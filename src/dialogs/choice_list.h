#pragma once

// A drop-down or list of a dialog as its model keeps it: the items shown, the record behind each
// item (an asset's or a category's id, 0 for items that name none) and the selected row.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace coinest {

struct ChoiceList {
  std::vector<std::string> items;
  std::vector<int32_t> ids;  // as long as items
  int selected = -1;         // -1: nothing selected

  int size() const { return static_cast<int>(items.size()); }
  bool empty() const { return items.empty(); }
  void add(std::string text, int32_t id = 0);
  void clear();

  // Selects a row; false, and nothing changed, for a row outside the list.
  bool select(int row);
  // The first row showing `text` / behind `id`; -1 when there is none.
  int rowOf(std::string_view text) const;
  int rowOfId(int32_t id) const;

  // The selected item's text and id; empty and 0 when nothing is selected.
  std::string selectedText() const;
  int32_t selectedId() const;
};

}  // namespace coinest
