#include "store/entry_table.h"

#include <algorithm>
#include <set>
#include <tuple>
#include <utility>

#include "platform/utf8_text.h"
#include "store/card_month_sums.h"
#include "store/id_counters.h"
#include "store/journaled_writes.h"
#include "store/record_layout.h"
#include "store/table_access.h"
#include "store/table_catalogue.h"

namespace coinest {

namespace {

constexpr PropId kDateOrder = makePropId(2, PropType::Text);
constexpr PropId kMinorItemOrder = makePropId(5, PropType::Text);
constexpr PropId kInstEntryOrder = makePropId(3, PropType::Int32);
constexpr PropId kInstCardOrder = makePropId(5, PropType::Int32);

// Walks `table` by its date order from `first` and collects every record dated up to `last`.
// Dates are zero-padded digit texts, so byte order is date order. Records without a date sort
// after all others and read as ""; the lower bound keeps them out of every range.
template <class R>
std::vector<R> recordsInRange(Book& book, std::string_view tableName, std::string R::*date, std::string_view first,
                              std::string_view last) {
  std::vector<R> out;
  TableHandle table = book.store.openTable(tableName, kDateOrder);
  if (!table) return out;
  table.seek(SeekMode::SeekFromFirst, 0);
  for (RecordId r = table.seek(SeekMode::SeekAtLeast, std::string(first)); r != 0;
       r = table.seek(SeekMode::SeekFromCurrent, 1)) {
    R record;
    readRecord(table, record);
    const std::string& when = record.*date;
    if (std::string_view(when) > last) break;
    if (std::string_view(when) < first) continue;
    out.push_back(std::move(record));
  }
  return out;
}

// Cuts a text read from a record to its field, as readRecord does. A character takes at least a
// byte, so a text no longer than the field in bytes stays whole (the usual case, and the cheap one).
void cutToField(std::string& text, std::size_t maxChars) {
  if (text.size() > maxChars) text.resize(utf8Prefix(text, maxChars).size());
}


}  // namespace

std::optional<int32_t> newEntryId(Book& book) { return takeId(book.store, CounterNo::Entry); }

std::optional<LedgerEntry> findEntry(Book& book, int32_t entryId) {
  return findById<LedgerEntry>(book.store, kBooksTable, entryId);
}

std::vector<LedgerEntry> entriesInRange(Book& book, std::string_view first, std::string_view last) {
  return recordsInRange(book, kBooksTable, &LedgerEntry::entryDate, first, last);
}

EntryAmountReader::EntryAmountReader() {
  for (const Field<LedgerEntry>& f : fieldsOf<LedgerEntry>()) {
    if (f.textMember == &LedgerEntry::entryDate) fields_[0] = &f;
    if (f.textMember == &LedgerEntry::cardFlag) fields_[1] = &f;
    if (f.intMember == &LedgerEntry::assetId) fields_[2] = &f;
    if (f.intMember == &LedgerEntry::amount) fields_[3] = &f;
  }
  for (int i = 0; i < 4; ++i) props_[i].id = fields_[i]->id;
}

bool EntryAmountReader::read(const TableHandle& table, EntryAmount& out) {
  props_[0].text.assign(fields_[0]->preset);
  props_[1].text.assign(fields_[1]->preset);
  props_[2].intValue = 0;
  props_[3].intValue = 0;
  table.readProps(props_);
  if (!props_[0].found) return false;
  cutToField(props_[0].text, fields_[0]->maxChars);
  cutToField(props_[1].text, fields_[1]->maxChars);
  out.entryDate.swap(props_[0].text);
  out.cardFlag.swap(props_[1].text);
  out.assetId = props_[2].intValue;
  out.amount = props_[3].intValue;
  return true;
}

EntryAmount EntryAmountReader::of(const LedgerEntry& entry) const {
  EntryAmount out{entry.entryDate, entry.cardFlag, entry.assetId, entry.amount};
  cutToField(out.entryDate, fields_[0]->maxChars);
  cutToField(out.cardFlag, fields_[1]->maxChars);
  return out;
}

void walkEntryAmounts(ObjectStore& store, std::string_view first, std::string_view lastMonth,
                      const std::function<bool(const EntryAmount&)>& wantsWhole,
                      const std::function<void(LedgerEntry&&)>& takeWhole) {
  TableHandle table = store.openTable(kBooksTable, kDateOrder);
  if (!table) return;
  EntryAmountReader reader;
  EntryAmount light;
  for (RecordId r = table.seek(SeekMode::SeekAtLeast, std::string(first)); r != 0;
       r = table.seek(SeekMode::SeekFromCurrent, 1)) {
    // Records without a date sort last and belong to no period.
    if (!reader.read(table, light)) continue;
    if (light.entryDate < first) continue;
    if (!lastMonth.empty() && monthKeyOfDate(light.entryDate) > lastMonth) break;
    if (!wantsWhole(light)) continue;
    LedgerEntry entry;
    readRecord(table, entry);
    takeWhole(std::move(entry));
  }
}

std::vector<ContentAmount> previousContents(Book& book, std::string_view entryKind, std::string_view majorItem,
                                            std::string_view minorItem) {
  std::vector<ContentAmount> list;
  TableHandle table = book.store.openTable(kBooksTable, kMinorItemOrder);
  if (!table) return list;
  const std::string minorKey(minorItem);
  std::set<std::pair<std::string, int32_t>> seen;
  table.seek(SeekMode::SeekFromFirst, 0);
  for (RecordId r = table.seek(SeekMode::SeekFirstEqual, minorKey); r != 0 && list.size() < kPreviousContentCapacity;
       r = table.seek(SeekMode::SeekNextEqual, minorKey)) {
    LedgerEntry entry;
    readRecord(table, entry);
    // The seek folds case; the categories must match exactly.
    if (entry.minorItem != minorItem || entry.majorItem != majorItem || entry.entryKind != entryKind) continue;
    if (!seen.emplace(entry.content, entry.amount).second) continue;
    list.push_back(ContentAmount{std::move(entry.content), entry.amount});
  }
  table.close();
  std::sort(list.begin(), list.end(), [](const ContentAmount& a, const ContentAmount& b) {
    return std::tie(a.content, a.amount) < std::tie(b.content, b.amount);
  });
  return list;
}

bool entryIdFree(Book& book, int32_t entryId) { return idFree(book.store, kBooksTable, entryId); }

bool writeEntryRecord(Book& book, const LedgerEntry& entry) {
  const bool sumsCurrent = cardMonthSumsCurrent(book.store);
  if (!writeNew(book.store, kBooksTable, entry)) return false;
  return keepCardMonthSums(book.store, sumsCurrent, EntryAmountReader().of(entry), +1);
}

std::optional<LedgerEntry> deleteEntryRecord(Book& book, int32_t entryId) {
  const bool sumsCurrent = cardMonthSumsCurrent(book.store);
  TableHandle table = book.store.openTable(kBooksTable, kIdKey);
  if (!table) return std::nullopt;
  const RecordId record = seekById(table, entryId);
  if (record == 0) return std::nullopt;
  LedgerEntry entry;
  readRecord(table, entry);
  EntryAmount light;
  const bool dated = EntryAmountReader().read(table, light);
  if (!table.deleteRecord(record)) return std::nullopt;
  // A record without a date was never summed. A failure to keep the sums fails the transaction.
  keepCardMonthSums(book.store, sumsCurrent && dated, light, -1);
  return entry;
}

Status addInstalmentRow(Book& book, const InstalmentRow& row) {
  TransactionGuard tx(book.store);
  // Instalment rows reach the desktop only through the full export: no change file.
  if (writeNew(book.store, kInstalmentsTable, row) && book.modes.applyingImport && row.instId < kDesktopIdBase) {
    raiseCounter(book.store, CounterNo::Instalment, row.instId);
  }
  return tx.finish();
}

std::vector<InstalmentRow> instalmentsInRange(Book& book, std::string_view first, std::string_view last) {
  return recordsInRange(book, kInstalmentsTable, &InstalmentRow::instDate, first, last);
}

Status deleteInstalmentsOfEntry(Book& book, int32_t entryId) {
  return deleteAllWithKey(book, kInstalmentsTable, kInstEntryOrder, entryId);
}

Status deleteInstalmentsOfCard(Book& book, int32_t cardId) { return deleteAllWithKey(book, kInstalmentsTable, kInstCardOrder, cardId); }

}  // namespace coinest
