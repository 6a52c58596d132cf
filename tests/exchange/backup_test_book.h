#pragma once

// Shared by the backup, restore, upgrade and crash tests: a book with every kind of record, and
// a snapshot of a whole book to compare two books by.

#include <filesystem>
#include <string>
#include <string_view>

#include "store/book.h"

namespace coinest::testing {

// Every record of every table as text: tables in catalogue order, each with its sort orders,
// records in the order of writing, every stored property of each.
std::string bookSnapshot(ObjectStore& store);

// The snapshot of the named tables only.
std::string tableSnapshot(ObjectStore& store, std::string_view table);

// Adds to the book: an account and a credit card (with a billing period), entries of every kind
// (a card purchase in three instalments, a transfer, an amount of -1, a phone flag, texts of
// the longest length in Hangul), a reservation with its link, a category, and moves every id
// counter. The instalment rows come from the card purchase.
void fillRichBook(Book& book);

// Writes `bytes` as the whole file.
void writeBytes(const std::filesystem::path& file, std::string_view bytes);
std::string readBytes(const std::filesystem::path& file);

// One field record of a backup stream.
std::string fieldRecord(uint8_t tag, uint16_t number, std::string_view value);

}  // namespace coinest::testing
