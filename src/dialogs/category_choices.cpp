#include "dialogs/category_choices.h"

#include "store/category_tables.h"
#include "store/yes_no_flag.h"

namespace coinest {

ChoiceList majorChoices(Book& book, std::string_view itemKind) {
  ChoiceList list;
  for (const MajorItem& major : loadMajorItems(book, itemKind).items) list.add(major.itemName, major.majorId);
  list.select(0);
  return list;
}

ChoiceList inUseMinorChoices(Book& book, int32_t majorId) {
  ChoiceList list;
  for (const MinorItem& minor : loadMinorItems(book, majorId).items) {
    if (isYes(minor.inUse)) list.add(minor.itemName, minor.minorId);
  }
  list.select(0);
  return list;
}

void selectOrAppend(ChoiceList& list, std::string_view text) {
  int row = list.rowOf(text);
  if (row < 0) {
    list.add(std::string(text));
    row = list.size() - 1;
  }
  list.select(row);
}

}  // namespace coinest
