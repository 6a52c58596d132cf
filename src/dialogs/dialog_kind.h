#pragma once

// The kind radios of the entry and reservation dialogs, and how a stored record reads as one of
// them. "지출" and "카드지출" share the entry kind "2" and differ in the card flag; the
// reservation dialog offers the first three kinds, the entry dialog all four.

#include <array>
#include <string_view>

namespace coinest {

enum class EntryDialogKind { Income, Expense, CardExpense, Transfer };

// The radios in their order on each dialog.
inline constexpr std::array kEntryDialogKinds = {EntryDialogKind::Income, EntryDialogKind::Expense,
                                                 EntryDialogKind::CardExpense, EntryDialogKind::Transfer};
inline constexpr std::array kReservationDialogKinds = {EntryDialogKind::Income, EntryDialogKind::Expense,
                                                       EntryDialogKind::CardExpense};

// "수입", "지출", "카드지출", "이체".
std::string_view entryDialogKindText(EntryDialogKind kind);

// The entry kind code of the radio (entry_kind.h).
const char* entryKindCode(EntryDialogKind kind);

// Whether the dialog that reads a stored record offers "이체".
enum class TransferOffered { No, Yes };

// The radio a stored record shows: "1" income; "3" a transfer, where the dialog offers one; any
// other code (an expense "2", or one the book counts as none) an expense, the card expense when
// its card flag is "Y". So an unknown code keeps the payment its card flag names, and saving it
// stores an expense of the same means.
EntryDialogKind dialogKindOf(std::string_view entryKind, std::string_view cardFlag, TransferOffered transfers);

}  // namespace coinest
