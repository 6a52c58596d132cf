#include "exchange/desktop_import.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "exchange/change_file.h"
#include "exchange/exchange_files.h"
#include "exchange/exchange_folder.h"
#include "exchange/outbox.h"
#include "ledger/entry_rules.h"
#include "platform/durable_file.h"
#include "platform/utf8_text.h"
#include "store/asset_table.h"
#include "store/card_month_sums.h"
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

bool fileExists(const std::filesystem::path& file) {
  std::error_code ec;
  return std::filesystem::symlink_status(file, ec).type() == std::filesystem::file_type::regular;
}

void wipeRecordTables(Book& book) {
  static constexpr std::array kTables = {kBooksTable,           kAssetsTable,       kInstalmentsTable,
                                         kReservationsTable,    kReservationLinksTable, kMajorItemsTable,
                                         kMinorItemsTable};
  TransactionGuard tx(book.store);
  for (const std::string_view table : kTables) {
    book.store.dropTable(table);
    if (!createBookTable(book.store, table)) tx.abandon();
  }
  // The entries applied next keep the card month sums of the empty table current.
  if (!rebuildCardMonthSums(book.store)) tx.abandon();
  // A failure has failed the run's transaction, which reports it.
  static_cast<void>(tx.commit());
}

// Applies one decoded change: an add only when its id is free, a modify as a delete followed by
// an add when the record existed.
class ApplyChange {
 public:
  ApplyChange(Book& book, const DecodedChange& change) : book_(book), change_(change) {}

  // A failed step fails the run's transaction (the store notes it); the results need no more.
  void operator()(const DeletedId& deleted) const {
    const int32_t id = deleted.id;
    switch (change_.letter) {
      case ChangeLetter::Entry: deleteEntry(book_, id); break;
      case ChangeLetter::Reservation:
        if (deleteReservation(book_, id)) keep(deleteLinksOfReservation(book_, id));
        break;
      case ChangeLetter::Link: deleteReservationLink(book_, id); break;
      case ChangeLetter::Asset: deleteAsset(book_, id); break;
      case ChangeLetter::Minor: deleteMinorItem(book_, id); break;
      case ChangeLetter::Major:
        if (deleteMajorItem(book_, id)) keep(deleteMinorItemsOf(book_, id));
        break;
      case ChangeLetter::PostingDate:
      case ChangeLetter::Instalment: break;  // refused by the decoder
    }
  }

  void operator()(const LedgerEntry& entry) const {
    if (adding() ? entryIdFree(book_, entry.entryId) : deleteEntry(book_, entry.entryId)) keep(addEntry(book_, entry));
  }

  void operator()(const Reservation& reservation) const {
    if (adding() ? reservationIdFree(book_, reservation.reserveId) : deleteReservation(book_, reservation.reserveId)) {
      keep(addReservation(book_, reservation));  // its links stay
    }
  }

  void operator()(const ReservationLink& link) const {
    if (adding()) keep(addReservationLink(book_, link));
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
    if (place) keep(addAsset(book_, asset));
  }

  void operator()(const MinorItem& item) const {
    if (adding() ? minorIdFree(book_, item.minorId) : deleteMinorItem(book_, item.minorId)) {
      keep(addMinorItem(book_, item));
    }
  }

  void operator()(const MajorItem& item) const {
    if (adding() ? majorIdFree(book_, item.majorId) : deleteMajorItem(book_, item.majorId)) {
      keep(addMajorItem(book_, item));  // its minor categories stay
    }
  }

  void operator()(const PostingDate& date) const {
    // Writes the G2 file back, as every change of the posting date does while exchange is on.
    if (utf8Length(date.postedThrough) == 10) keep(writePostingDate(book_, date.postedThrough));
  }

 private:
  bool adding() const { return change_.op == ChangeOp::Add; }
  void keep(const Status& step) const {
    if (!step) book_.store.fail(step.reason());
  }

  Book& book_;
  const DecodedChange& change_;
};

enum class Outcome {
  Applied,   // applied (or, an add whose id exists, dropped): delete the file once the run commits
  Rejected,  // deleted unapplied
  Wiped,     // a wipe order carried out: delete the file once the run commits
  Failed,    // the book refused a write: the run is lost and its files stay for the next one
};

// Deletes a file that is refused unapplied. One that cannot be deleted is counted: it would only
// be refused again, but the run must not say it went away.
void rejectFile(const std::filesystem::path& file, ImportRun& run) {
  ++run.rejected;
  if (Status removed = removeExchangeFile(file); !removed && run.status) run.status = removed;
}

Outcome applyChangeFile(Book& book, const std::filesystem::path& file, char letter, char digit, ImportRun& run) {
  if (!incomingDigitAccepted(letter, digit)) {
    rejectFile(file, run);
    return Outcome::Rejected;
  }
  if (letter == 'A' && digit == '0') {
    wipeRecordTables(book);
    return queueOrderDelete(book.store, file.filename().string()) ? Outcome::Wiped : Outcome::Failed;
  }
  const RegularFileRead bytes = readRegularFile(file, kMaxChangeFileSize);
  const std::optional<DecodedChange> change =
      bytes.status == FileStatus::Ok ? decodeChangeFile(letter, digit, bytes.bytes) : std::nullopt;
  if (!change) {
    rejectFile(file, run);
    return Outcome::Rejected;
  }
  TransactionGuard tx(book.store);
  {
    ModeScope importing(book.modes.applyingImport);
    std::visit(ApplyChange(book, *change), change->content);
  }
  // Which file was applied is kept with what it did: a kill after the commit cannot make the
  // next run apply it again.
  if (!queueAppliedDelete(book.store, file.filename().string(), bytes.bytes)) tx.abandon();
  return tx.commit() ? Outcome::Applied : Outcome::Failed;
}

// Writes the add file of every record of the table; stops at the first file that cannot be written.
template <class R>
Status exportTable(ObjectStore& store, const std::filesystem::path& folder, std::string_view table,
                   ChangeLetter letter, int32_t R::*idMember) {
  TableHandle t = store.openTable(table, kIdKey);
  if (!t) return Status::failure(store.lastError());
  t.seek(SeekMode::SeekFromFirst, 0);
  for (RecordId r = t.seek(SeekMode::SeekAtLeast, int32_t{1}); r != 0; r = t.seek(SeekMode::SeekFromCurrent, 1)) {
    R record;  // a flag the record lacks reads as its preset "N"
    readRecord(t, record);
    if (record.*idMember < 1) continue;  // a record without an id sorts last
    Status written =
        writeChangeFileNow(folder, recordChange(letter, ChangeOp::Add, record.*idMember, record), FolderSync::Deferred);
    if (!written) return written;
  }
  return Status::ok();
}

}  // namespace

Status fullExport(Book& book, const std::filesystem::path& folder) {
  if (!book.modes.exchangeEnabled) return Status::failure("the exchange with the desktop is off");
  // One snapshot of the book for the whole export (it joins the run's transaction when there is one).
  TransactionGuard snapshot(book.store, TransactionKind::Read);
  ObjectStore& store = book.store;
  const std::function<Status()> parts[] = {
      [&] { return exportTable(store, folder, kBooksTable, ChangeLetter::Entry, &LedgerEntry::entryId); },
      [&] { return exportTable(store, folder, kReservationsTable, ChangeLetter::Reservation, &Reservation::reserveId); },
      [&] { return exportTable(store, folder, kReservationLinksTable, ChangeLetter::Link, &ReservationLink::linkId); },
      [&] {
        PostingDate date;
        if (readSingleRecord(store, kPostingDateTable, date) != SingleRecordRead::Read) return Status::ok();
        return writeChangeFileNow(folder, recordChange(ChangeLetter::PostingDate, ChangeOp::Modify, 1, date),
                                  FolderSync::Deferred);
      },
      [&] { return exportTable(store, folder, kAssetsTable, ChangeLetter::Asset, &Asset::assetId); },
      [&] { return exportTable(store, folder, kMinorItemsTable, ChangeLetter::Minor, &MinorItem::minorId); },
      [&] { return exportTable(store, folder, kMajorItemsTable, ChangeLetter::Major, &MajorItem::majorId); },
      [&] { return exportTable(store, folder, kInstalmentsTable, ChangeLetter::Instalment, &InstalmentRow::instId); },
  };
  Status exported = Status::ok();
  for (const std::function<Status()>& part : parts) {
    if (exported = part(); !exported) break;
  }
  if (Status read = snapshot.finish(); exported && !read) exported = read;
  if (!exported) return exported;
  // The add files are made durable together, before the file that tells the desktop they are all there.
  if (const Status synced = syncFolder(folder); !synced) return Status::failure(synced.reason());
  // Last, and only over a complete set: on seeing it the desktop replaces its copy of the book.
  if (Status replaced = writeExchangeFile(folder, kBookReplacedFileName, std::string_view("\x01", 1)); !replaced) {
    return replaced;
  }
  return removeExchangeFile(folder / std::string(kExportRequestFileName));
}

ImportRun importChangeFiles(Book& book, const std::filesystem::path& folder) {
  ImportRun run;
  if (!book.modes.exchangeEnabled || book.modes.importBusy) return run;
  ModeScope busy(book.modes.importBusy);
  run.ran = true;
  // Files are read and deleted there: through a planted link they would be another folder's.
  if (Status reached = checkFolderReachedWithoutLink(deviceRootOfExchangeFolder(folder), folder); !reached) {
    run.status = Status::failure("the desktop's changes are not taken: " + reached.reason());
    return run;
  }

  // What an earlier run or change left to carry out comes first: the deletions of the files it
  // applied above all, which must not be applied again.
  const OutboxFlush earlier = flushOutbox(book.store, folder);
  if (!earlier.status) {
    run.status = Status::failure("the desktop's changes are not taken while earlier files wait: " +
                                 earlier.status.reason());
    return run;
  }
  if (fileExists(folder / std::string(kExportRequestFileName))) {
    run.status = fullExport(book, folder);
    if (!run.status) return run;  // the request stays for the next run
    run.exported = true;
  }

  // The whole run is one transaction (each file in its own guard within it): a crash leaves the
  // book as before the run with every file still waiting, and one commit is far cheaper than a
  // hundred. Applied files are deleted once the run is committed.
  int applied = 0;
  bool wiped = false;
  bool orderCarriedOut = false;
  bool failed = false;
  TransactionGuard tx(book.store);
  if (const std::filesystem::path order = folder / std::string(kWipeOrderFileName); fileExists(order)) {
    wipeRecordTables(book);
    if (!queueOrderDelete(book.store, kWipeOrderFileName)) tx.abandon();
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
        rejectFile(file, run);
        continue;
    }
    const Outcome outcome = applyChangeFile(book, file, name[0], name[1], run);
    if (outcome == Outcome::Failed) {
      failed = true;
      break;
    }
    if (outcome == Outcome::Rejected) continue;
    if (outcome == Outcome::Wiped) {
      wiped = true;
    } else {
      ++applied;
    }
  }
  if (failed) tx.abandon();
  if (Status committed = tx.finish(); !committed) {
    run.storeFailed = true;
    run.status = committed;
    return run;  // rolled back; the applied files stay for the next run
  }
  run.applied = applied;
  run.wiped = wiped;
  // The applied files go now; one that cannot go stays recorded, and no run applies it again.
  const OutboxFlush deleted = flushOutbox(book.store, folder);
  if (!deleted.status && run.status) run.status = deleted.status;
  return run;
}

}  // namespace coinest
