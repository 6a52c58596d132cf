#pragma once

// The category dialog: adds or changes a major category (대항목) of the page's kind, or a minor
// category (소항목) under the page's selected major. Neither the kind nor a minor's major changes
// here: both are shown, disabled.
//
// A save trims the blanks from both ends of the name once; every check and the record take the
// trimmed name. It refuses, with the focus on the name: an empty name ("항목명은 반드시 입력해야
// 합니다"); a name another row of the same list already has ("입력하신 대항목명은 이미
// 존재합니다" / "입력하신 소항목명은 이미 존재합니다"); and, for a major, the reserved names
// ("대항목에 전월이월은 등록할 수 없습니다", "대항목에 카드대금은 등록할 수 없습니다"). A new
// category goes to the end of its list (the list's highest order + 1).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "dialogs/category_management.h"
#include "dialogs/choice_list.h"
#include "dialogs/record_dialog.h"
#include "platform/ui_port.h"
#include "store/book.h"
#include "store/category_tables.h"

namespace coinest {

inline constexpr std::string_view kCategoryNameRequiredMessage = "항목명은 반드시 입력해야 합니다";
inline constexpr std::string_view kMajorNameTakenMessage = "입력하신 대항목명은 이미 존재합니다";
inline constexpr std::string_view kMinorNameTakenMessage = "입력하신 소항목명은 이미 존재합니다";
inline constexpr std::size_t kCategoryNameMaxChars = 20;

enum class CategoryField {
  Kind,   // the radios "수입" / "지출": shown, disabled
  Major,  // minor level: the major list, the page's major selected, disabled
  Name,   // "대항목명" (major level) or "소항목명" (minor level), 20 characters
  InUse,  // minor level: the radios "사용" / "미사용"
};

// What the page opens the dialog on (its mode flag 'I'/'U' and level flag 'L'/'S').
struct CategoryDialogRequest {
  DialogMode mode = DialogMode::Add;
  CategoryLevel level = CategoryLevel::Major;
  std::string itemKind;  // the page's kind: kIncomeKind or kExpenseKind
  int32_t majorId = 0;   // the major changed (major level) or the page's selected major (minor level)
  int32_t minorId = 0;   // the minor changed (minor level, change mode)
};

class CategoryDialog final : public RecordDialog<CategoryField> {
 public:
  // REQUIRES: in change mode the category exists and its name is not reserved; at the minor
  // level the major exists. openCategoryDialog checks these.
  CategoryDialog(Book& book, UiPort& ui, const CategoryDialogRequest& request, bool latinInput);

  // Checks "수입" when kIncomeKind, else "지출".
  const std::string& itemKind() const { return request_.itemKind; }
  std::string_view label(CategoryField field) const;
  bool shown(CategoryField field) const;
  bool enabled(CategoryField field) const;

  const std::string& name() const { return name_; }
  // Keeps what the field would: the characters the code page holds, at most 20.
  void setName(std::string_view typed);
  // Why `text` would not be kept whole; nothing when it would.
  std::optional<std::string> nameRefusal(std::string_view text) const;

  // Minor level: the page's major list with the page's major selected (empty at the major level).
  const ChoiceList& majors() const { return majors_; }
  // Minor level: "사용" (true) or "미사용".
  bool inUse() const { return inUse_; }
  void setInUse(bool inUse) { inUse_ = inUse; }

 private:
  bool save() override;
  void clearForNext() override;
  bool check(const std::string& name);
  void loadLists();

  Book& book_;
  CategoryDialogRequest request_;
  std::string name_;
  bool inUse_ = true;
  ChoiceList majors_;
  MajorList majorList_;  // the page's kind: the names a major may not repeat
  MinorList minorList_;  // the major's minors: the names a minor may not repeat
};

// Opens the dialog the page asks for. A change of a reserved name ("대항목에 전월이월은 수정할 수
// 없습니다" and its kin, caption "오류") is refused with its message; a category or major that is
// not there opens nothing, silently. Nothing when no dialog opens.
std::optional<CategoryDialog> openCategoryDialog(Book& book, UiPort& ui, const CategoryDialogRequest& request,
                                                 bool latinInput);

}  // namespace coinest
