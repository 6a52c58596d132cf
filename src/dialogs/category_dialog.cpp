#include "dialogs/category_dialog.h"

#include <algorithm>

#include "calendar/typed_text.h"
#include "platform/text_field.h"
#include "store/id_counters.h"
#include "store/new_record.h"
#include "store/yes_no_flag.h"

namespace coinest {

namespace {

// Whether another row than `editedId` of the list carries `name`.
template <class Item>
bool nameTaken(const std::vector<Item>& items, std::string_view name, int32_t editedId, int32_t Item::*id) {
  return std::any_of(items.begin(), items.end(),
                     [&](const Item& item) { return item.itemName == name && item.*id != editedId; });
}

// A change keeps the edited row's id and order; an add goes after the list's highest order.
template <class Item>
Status writeItem(Book& book, Item item, int32_t Item::*id, int32_t editedId, const std::vector<Item>& rows,
                 CounterNo counter, Status (*add)(Book&, const Item&), Status (*replace)(Book&, const Item&),
                 bool (*idFree)(Book&, int32_t), int32_t* savedId) {
  for (const Item& row : rows) {
    if (editedId != 0 && row.*id == editedId) item.itemOrder = row.itemOrder;
  }
  item.*id = editedId;
  const Status saved = saveRecord(book, editedId != 0, item, id, counter, add, replace, idFree);
  *savedId = item.*id;
  return saved;
}

}  // namespace

CategoryDialog::CategoryDialog(Book& book, UiPort& ui, const CategoryDialogRequest& request, bool latinInput)
    : RecordDialog(ui, request.mode, CategoryField::Name, latinInput), book_(book), request_(request) {
  loadLists();
  if (request_.level == CategoryLevel::Minor) {
    for (const MajorItem& major : majorList_.items) majors_.add(major.itemName, major.majorId);
    majors_.select(majors_.rowOfId(request_.majorId));
  }
  if (request_.mode == DialogMode::Add) return;
  if (request_.level == CategoryLevel::Major) {
    for (const MajorItem& major : majorList_.items) {
      if (major.majorId == request_.majorId) name_ = major.itemName;
    }
  } else if (const std::optional<MinorItem> minor = findMinorItem(book_, request_.minorId)) {
    name_ = minor->itemName;
    inUse_ = isYes(minor->inUse);
  }
}

void CategoryDialog::loadLists() {
  majorList_ = loadMajorItems(book_, request_.itemKind);
  if (request_.level == CategoryLevel::Minor) minorList_ = loadMinorItems(book_, request_.majorId);
}

std::string_view CategoryDialog::label(CategoryField field) const {
  switch (field) {
    case CategoryField::Kind: return "분류";
    case CategoryField::Major: return "대항목명";
    case CategoryField::Name: return request_.level == CategoryLevel::Major ? "대항목명" : "소항목명";
    case CategoryField::InUse: return "사용여부";
  }
  return {};
}

bool CategoryDialog::shown(CategoryField field) const {
  const bool minorOnly = field == CategoryField::Major || field == CategoryField::InUse;
  return !minorOnly || request_.level == CategoryLevel::Minor;
}

bool CategoryDialog::enabled(CategoryField field) const {
  return shown(field) && field != CategoryField::Kind && field != CategoryField::Major;
}

void CategoryDialog::setName(std::string_view typed) { name_ = fitTextField(typed, kCategoryNameMaxChars); }

std::optional<std::string> CategoryDialog::nameRefusal(std::string_view text) const {
  return textFieldRefusal(text, kCategoryNameMaxChars);
}

bool CategoryDialog::check(const std::string& name) {
  if (name.empty()) return refuse(kCategoryNameRequiredMessage, CategoryField::Name);
  const bool change = request_.mode == DialogMode::Change;
  if (request_.level == CategoryLevel::Major) {
    if (nameTaken(majorList_.items, name, change ? request_.majorId : 0, &MajorItem::majorId)) {
      return refuse(kMajorNameTakenMessage, CategoryField::Name);
    }
    if (const std::string reserved = reservedNameRefusal(CategoryLevel::Major, CategoryAction::Add, name);
        !reserved.empty()) {
      return refuse(reserved, CategoryField::Name);
    }
  } else if (nameTaken(minorList_.items, name, change ? request_.minorId : 0, &MinorItem::minorId)) {
    return refuse(kMinorNameTakenMessage, CategoryField::Name);
  }
  return true;
}

bool CategoryDialog::save() {
  // Blanks at either end are no part of a name: every check and the record see it without them.
  const std::string name = trimTypedText(name_);
  if (!check(name)) return false;
  const bool change = request_.mode == DialogMode::Change;
  int32_t id = 0;
  Status status;
  if (request_.level == CategoryLevel::Major) {
    const MajorItem major{0, request_.itemKind, name, majorList_.highestOrder + 1};
    status = writeItem(book_, major, &MajorItem::majorId, change ? request_.majorId : 0, majorList_.items,
                       CounterNo::Instalment, addMajorItem, replaceMajorItem, majorIdFree, &id);
  } else {
    const MinorItem minor{0, request_.majorId, name, minorList_.highestOrder + 1, inUse_ ? kYes : kNo};
    status = writeItem(book_, minor, &MinorItem::minorId, change ? request_.minorId : 0, minorList_.items,
                       CounterNo::Minor, addMinorItem, replaceMinorItem, minorIdFree, &id);
  }
  if (!written(status, id)) return false;
  // The next save checks against, and orders after, what this one wrote.
  loadLists();
  return true;
}

void CategoryDialog::clearForNext() {
  name_.clear();
  setFocus(CategoryField::Name);
}

std::optional<CategoryDialog> openCategoryDialog(Book& book, UiPort& ui, const CategoryDialogRequest& request,
                                                 bool latinInput) {
  std::string name;
  if (request.level == CategoryLevel::Minor || request.mode == DialogMode::Change) {
    const MajorList majors = loadMajorItems(book, request.itemKind);
    const auto major = std::find_if(majors.items.begin(), majors.items.end(),
                                    [&](const MajorItem& m) { return m.majorId == request.majorId; });
    if (major == majors.items.end()) return std::nullopt;
    name = major->itemName;
  }
  if (request.level == CategoryLevel::Minor && request.mode == DialogMode::Change) {
    const std::optional<MinorItem> minor = findMinorItem(book, request.minorId);
    if (!minor || minor->majorId != request.majorId) return std::nullopt;
    name = minor->itemName;
  }
  if (request.mode == DialogMode::Change) {
    if (const std::string refusal = reservedNameRefusal(request.level, CategoryAction::Edit, name); !refusal.empty()) {
      ui.showMessage(refusal, MessageCaption::Error);
      return std::nullopt;
    }
  }
  return CategoryDialog(book, ui, request, latinInput);
}

}  // namespace coinest
