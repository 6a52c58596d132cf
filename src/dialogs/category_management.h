#pragma once

// What the categories page does to the category tables besides the dialog's adds and edits:
// deleting a major category with its minors or one minor category, and moving a category one
// row up or down in its list. Each change is one transaction with the change files it owes the
// desktop; the texts of the page's refusals and questions live here too.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "platform/status.h"
#include "store/book.h"
#include "store/records.h"

namespace coinest {

enum class CategoryLevel { Major, Minor };
enum class CategoryAction { Add, Edit, Delete };

// The refusal of a reserved name ("대항목에 전월이월은 삭제할 수 없습니다", caption "오류"),
// or empty when the name may be added, edited or deleted. Only "전월이월" and "카드대금" are
// reserved, at both levels; the dialog asks about adding for majors only, since a minor may
// take either name.
std::string reservedNameRefusal(CategoryLevel level, CategoryAction action, std::string_view name);

// The question asked before a delete (caption "확인"); the major's warns that its minors go too.
std::string deleteCategoryQuestion(CategoryLevel level, std::string_view name);

// Deletes the major category and every minor category under it: one delete change file for the
// major, none for its minors. A major that is no longer there is no failure (the desktop still
// gets its delete). Entries and reservations that name it keep their names.
Status deleteMajorCategory(Book& book, int32_t majorId);
// Deletes one minor category with its delete change file.
Status deleteMinorCategory(Book& book, int32_t minorId);

// The row above (-1) or below (+1).
enum class MoveStep : int { Up = -1, Down = 1 };

// Moves the category at `row` of `list` (a list as loadMajorItems / loadMinorItems give it) one
// row by swapping its itemOrder with its neighbour's: two replacements, two modify change files,
// every other field kept. A row at the end it would move past, or outside the list, writes
// nothing and is no failure. Equal orders swap to the same orders, so the names keep deciding.
Status moveMajorCategory(Book& book, std::span<const MajorItem> list, std::size_t row, MoveStep step);
Status moveMinorCategory(Book& book, std::span<const MinorItem> list, std::size_t row, MoveStep step);

// Whether `row` of a list of `count` rows has a neighbour in the direction of `step`.
bool canMoveRow(std::size_t count, std::size_t row, MoveStep step);

}  // namespace coinest
