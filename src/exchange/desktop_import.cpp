#include "exchange/desktop_import.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "exchange/change_file.h"
#include "ledger/entry_rules.h"
#include "platform/durable_file.h"
#include "platform/utf8_text.h"
#include "store/asset_table.h"
#include "store/category_tables.h"
#include "store/entry_table.h"
#include "store/posting_date.h"
#include "store/record_layout.h"
#include "store/reservation_tables.h"
#include "store/single_record.h"
#include "store/table_catalogue.h"

namespace coinest {

namespace {

constexpr std::string_view kIncomingSuffix = "._pc_";
constexpr std::size_t kIncomingNameLength = 14;  // letter, digit, seven digits, "._pc_"

bool isAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

enum class NameKind {
  Record,     // letters A to G: applied (or refused) and deleted
  LeftAlone,  // the right form with another letter: stays in the folder
  Malformed,  // any other "*._pc_" name: deleted unapplied
};

NameKind classifyName(std::string_view name) {
  if (name.size() != kIncomingNameLength || !name.ends_with(kIncomingSuffix)) return NameKind::Malformed;
  if (!isAsciiLetter(name[0])) return NameKind::Malformed;
  for (std::size_t i = 1; i < 9; ++i) {
    if (!isDigit(name[i])) return NameKind::Malformed;
  }
  return name[0] >= 'A' && name[0] <= 'G' ? NameKind::Record : NameKind::LeftAlone;
}

// The first files of the run in the order the folder lists them, then sorted by byte order.
// Files that stay in the folder are passed over: counting them would let 100 of them stall the
// import for good.
std::vector<std::string> takeNames(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  std::filesystem::directory_iterator it(folder, ec);
  for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
    // Folders, links and the like are not the desktop's change files, and not ours to delete.
    std::error_code statusError;
    if (it->symlink_status(statusError).type() != std::filesystem::file_type::regular) continue;
    std::string name = it->path().filename().string();
    if (!name.ends_with(kIncomingSuffix) || classifyName(name) == NameKind::LeftAlone) continue;
    names.push_back(std::move(name));
    if (names.size() == kImportFilesPerRun) break;
  }
  std::sort(names.begin(), names.end());
  return names;
}

void removeFile(const std::filesystem::path& file) {
  std::error_code ec;
  std::filesystem::remove(file, ec);
}

bool fileExists(const std::filesystem::path& file) {
  std::error_code ec;
  return std::filesystem::exists(file, ec);
}

// The whole file, or nothing when it cannot be read, is larger than a change file can be, or is
// no regular file: a link put there since the folder was listed is not followed, a FIFO not
// waited on.
std::optional<std::string> readChangeFile(const std::filesystem::path& file) {
  RegularFileRead read = readRegularFile(file, kMaxChangeFileSize);
  if (read.status != FileStatus::Ok) return std::nullopt;
  return std::move(read.bytes);
}

void wipeRecordTables(Book& book) {
  static constexpr std::array kTables = {kBooksTable,           kAssetsTable,       kInstalmentsTable,
                                         kReservationsTable,    kReservationLinksTable, kMajorItemsTable,
                                         kMinorItemsTable};
  TransactionGuard tx(book.store);
  for (const std::string_view table : kTables) {
    book.store.dropTable(table);
    createBookTable(book.store, table);
  }
  tx.commit();
}

// Applies one decoded change: an add only when its id is free, a modify as a delete followed by
// an add when the record existed.
class ApplyChange {
 public:
  ApplyChange(Book& book, const DecodedChange& change) : book_(book), change_(change) {}

  void operator()(const DeletedId& deleted) const {
    const int32_t id = deleted.id;
    switch (change_.letter) {
      case ChangeLetter::Entry: deleteEntry(book_, id); break;
      case ChangeLetter::Reservation:
        if (deleteReservation(book_, id)) deleteLinksOfReservation(book_, id);
        break;
      case ChangeLetter::Link: deleteReservationLink(book_, id); break;
      case ChangeLetter::Asset: deleteAsset(book_, id); break;
      case ChangeLetter::Minor: deleteMinorItem(book_, id); break;
      case ChangeLetter::Major:
        if (deleteMajorItem(book_, id)) deleteMinorItemsOf(book_, id);
        break;
      case ChangeLetter::PostingDate:
      case ChangeLetter::Instalment: break;  // refused by the decoder
    }
  }

  void operator()(const LedgerEntry& entry) const {
    if (adding() ? entryIdFree(book_, entry.entryId) : deleteEntry(book_, entry.entryId)) addEntry(book_, entry);
  }

  void operator()(const Reservation& reservation) const {
    if (adding() ? reservationIdFree(book_, reservation.reserveId) : deleteReservation(book_, reservation.reserveId)) {
      addReservation(book_, reservation);  // its links stay
    }
  }

  void operator()(const ReservationLink& link) const {
    if (adding()) addReservationLink(book_, link);
  }

  void operator()(const Asset& asset) const {
    bool place = false;
    if (adding()) {
      place = assetIdFree(book_, asset.assetId);
    } else {
      // Replaced as the device's own asset edit does: the card's instalment rows stay (a plain
      // delete would take them, and the entries' future instalments with them).
      ModeScope keepRows(book_.modes.journalSuppressed);
      place = deleteAsset(book_, asset.assetId);
    }
    if (place) addAsset(book_, asset);
  }

  void operator()(const MinorItem& item) const {
    if (adding() ? minorIdFree(book_, item.minorId) : deleteMinorItem(book_, item.minorId)) addMinorItem(book_, item);
  }

  void operator()(const MajorItem& item) const {
    if (adding() ? majorIdFree(book_, item.majorId) : deleteMajorItem(book_, item.majorId)) {
      addMajorItem(book_, item);  // its minor categories stay
    }
  }

  void operator()(const PostingDate& date) const {
    // Writes the G2 file back, as every change of the posting date does while exchange is on.
    if (utf8Length(date.postedThrough) == 10) writePostingDate(book_, date.postedThrough);
  }

 private:
  bool adding() const { return change_.op == ChangeOp::Add; }

  Book& book_;
  const DecodedChange& change_;
};

enum class Outcome {
  Applied,   // applied (or, an add whose id exists, dropped): delete the file once the run commits
  Rejected,  // deleted unapplied
  Wiped,     // a wipe order carried out: delete the file once the run commits
  Failed,    // the book refused a write: the run is lost and its files stay for the next one
};

Outcome applyChangeFile(Book& book, const std::filesystem::path& file, char letter, char digit) {
  if (!incomingDigitAccepted(letter, digit)) {
    removeFile(file);
    return Outcome::Rejected;
  }
  if (letter == 'A' && digit == '0') {
    wipeRecordTables(book);
    return Outcome::Wiped;
  }
  const std::optional<std::string> bytes = readChangeFile(file);
  const std::optional<DecodedChange> change = bytes ? decodeChangeFile(letter, digit, *bytes) : std::nullopt;
  if (!change) {
    removeFile(file);
    return Outcome::Rejected;
  }
  TransactionGuard tx(book.store);
  {
    ModeScope importing(book.modes.applyingImport);
    std::visit(ApplyChange(book, *change), change->content);
  }
  return tx.commit() ? Outcome::Applied : Outcome::Failed;
}

template <class R>
void exportTable(ObjectStore& store, std::string_view table, ChangeLetter letter, int32_t R::*idMember,
                 ChangeSink& out) {
  TableHandle t = store.openTable(table, kIdKey);
  if (!t) return;
  t.seek(SeekMode::SeekFromFirst, 0);
  for (RecordId r = t.seek(SeekMode::SeekAtLeast, int32_t{1}); r != 0; r = t.seek(SeekMode::SeekFromCurrent, 1)) {
    R record;  // a flag the record lacks reads as its preset "N"
    readRecord(t, record);
    if (record.*idMember < 1) continue;  // a record without an id sorts last
    out.writeChange(recordChange(letter, ChangeOp::Add, record.*idMember, record));
  }
}

}  // namespace

bool fullExport(Book& book, const std::filesystem::path& folder) {
  if (!book.modes.exchangeEnabled) return false;
  removeFile(folder / std::string(kExportRequestFileName));
  writeExchangeFile(folder, kBookReplacedFileName, std::string_view("\x01", 1));

  ChangeFileWriter out(folder);
  ObjectStore& store = book.store;
  exportTable(store, kBooksTable, ChangeLetter::Entry, &LedgerEntry::entryId, out);
  exportTable(store, kReservationsTable, ChangeLetter::Reservation, &Reservation::reserveId, out);
  exportTable(store, kReservationLinksTable, ChangeLetter::Link, &ReservationLink::linkId, out);
  if (PostingDate date; readSingleRecord(store, kPostingDateTable, date) == SingleRecordRead::Read) {
    out.writeChange(recordChange(ChangeLetter::PostingDate, ChangeOp::Modify, 1, date));
  }
  exportTable(store, kAssetsTable, ChangeLetter::Asset, &Asset::assetId, out);
  exportTable(store, kMinorItemsTable, ChangeLetter::Minor, &MinorItem::minorId, out);
  exportTable(store, kMajorItemsTable, ChangeLetter::Major, &MajorItem::majorId, out);
  exportTable(store, kInstalmentsTable, ChangeLetter::Instalment, &InstalmentRow::instId, out);
  return true;
}

ImportRun importChangeFiles(Book& book, const std::filesystem::path& folder) {
  ImportRun run;
  if (!book.modes.exchangeEnabled || book.modes.importBusy) return run;
  ModeScope busy(book.modes.importBusy);
  run.ran = true;

  if (fileExists(folder / std::string(kExportRequestFileName))) run.exported = fullExport(book, folder);

  // The whole run is one transaction (each file in its own guard within it): a crash leaves the
  // book as before the run with every file still waiting, and one commit is far cheaper than a
  // hundred. Applied files are deleted once the run is committed.
  std::vector<std::filesystem::path> done;
  int applied = 0;
  bool wiped = false;
  bool orderCarriedOut = false;
  bool failed = false;
  TransactionGuard tx(book.store);
  if (const std::filesystem::path order = folder / std::string(kWipeOrderFileName); fileExists(order)) {
    wipeRecordTables(book);
    done.push_back(order);
    wiped = orderCarriedOut = true;
  }
  for (const std::string& name : takeNames(folder)) {
    // The wipe order carried out above is still there until the run commits.
    if (orderCarriedOut && name == kWipeOrderFileName) continue;
    const std::filesystem::path file = folder / name;
    switch (classifyName(name)) {
      case NameKind::Record: break;
      case NameKind::LeftAlone: continue;  // not taken by takeNames; never deleted
      case NameKind::Malformed:
        removeFile(file);
        ++run.rejected;
        continue;
    }
    const Outcome outcome = applyChangeFile(book, file, name[0], name[1]);
    if (outcome == Outcome::Failed) {
      failed = true;
      break;
    }
    if (outcome == Outcome::Rejected) {
      ++run.rejected;
      continue;
    }
    done.push_back(file);
    if (outcome == Outcome::Wiped) {
      wiped = true;
    } else {
      ++applied;
    }
  }
  if (failed || !tx.commit()) {
    run.storeFailed = true;
    return run;  // the guard rolls back; the applied files stay for the next run
  }
  for (const std::filesystem::path& file : done) removeFile(file);
  run.applied = applied;
  run.wiped = wiped;
  return run;
}

}  // namespace coinest
