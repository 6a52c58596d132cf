#pragma once

// The backup file: the whole book (the id counters and every record of seven tables) in one file.
//
//   file         = header count-record? field-record*   (no trailer; the records run to the end)
//   header       = magic count                     (25 bytes)
//   magic        = "Brivanta_Coinest_Backup"       (23 ASCII bytes, no terminator)
//   count        = u16be                           the records of the file, counters included;
//                                                  kCountMarker (0xFFFF) when a count-record follows
//   count-record = tag:u8 field:u16be length:u16be value[length]
//                                                  tag kCountRecordTag (9), field kCountRecordField
//                                                  (1), the value the records of the file, counters
//                                                  included, as an integer; only right after the
//                                                  header
//   field-record = tag:u8 field:u16be length:u16be value[length]
//   value        = an integer as the "%lu" text of its 32 bits (-1 is "4294967295"), or a text in
//                  CP949 without terminator (empty: length 0)
//
// A book of at most 0xFFFF records (counters included) is written in the device's form: the header
// alone holds its count and no count-record follows. A larger book sets the header's count to the
// marker and gives its true count in the count-record. A reader of the device's form skips the
// count-record as it skips every unknown tag, and then counts more records than its header's 0xFFFF,
// so it refuses the file as it refuses any file whose count differs; ours reads both forms. A file
// of exactly 0xFFFF records is of the device's form: the marker with no count-record after it.
//
// One table record is spread over several field records, in the order of its table's field list
// (backup_stream.cpp), and is complete when its closing field (the last of the list) arrives with
// a value. Field 1 with a value begins the next record of its table: the fields a file may leave
// out get their defaults then (an entry's or reservation's asset, instalments and the two flags,
// which become no; an asset's billing period and balance). Every other field keeps the value
// of the table's previous record until the file gives a new one.
//
// The same format carries the upgrade's transfer file. The stream is written in tag order
// 1 (counters), 2 (entries), 8 (instalment rows), 3, 4, 5, 6, 7, each table in the order of writing.

#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "exchange/field_values.h"
#include "store/book.h"
#include "store/records.h"

namespace coinest {

inline constexpr std::string_view kBackupMagic = "Brivanta_Coinest_Backup";
inline constexpr std::size_t kBackupHeaderSize = 25;
// The header count is 16 bits: the device's form holds at most this many records, counters included.
inline constexpr uint32_t kMaxDeviceBackupRecords = 0xFFFF;
// The header count of a file whose true count is in the count-record after the header.
inline constexpr uint16_t kCountMarker = 0xFFFF;
inline constexpr uint8_t kCountRecordTag = 9;
inline constexpr uint16_t kCountRecordField = 1;
// The most records a file of ours holds or is read with, counters included: far beyond any
// household's book, and small enough that a run's progress positions (2 × count + 8) fit an int.
inline constexpr uint32_t kMaxBackupFileRecords = 1'000'000'000;
// The longest opening (header and count-record) parseBackupOpening reads.
inline constexpr std::size_t kMaxBackupOpeningSize = kBackupHeaderSize + 5 + kMaxNumberTextBytes;
// The content of the two upgrade marker files (only their existence is ever tested).
inline constexpr std::string_view kUpgradeMarkerText = "Brivanta_Coinest_020201";

enum class BackupTag : uint8_t {
  Counters = 1,     // "CoinestEnv", the single IdCounters record
  Entry = 2,        // "CoinestBooks"
  Reservation = 3,  // "CoinestReserve"
  Link = 4,         // "CoinestRBLink"
  Major = 5,        // "CoinestIteml"
  Minor = 6,        // "CoinestItems"
  Asset = 7,        // "CoinestAssets"
  Instalment = 8,   // "CoinestInst"
  // Tag 9 is the count-record's (kCountRecordTag): no table's, and skipped in the stream.
};

// One completed record of the stream.
using BackupRecord =
    std::variant<IdCounters, LedgerEntry, InstalmentRow, Reservation, ReservationLink, MajorItem, MinorItem, Asset>;

// The 25-byte header: the magic and the low 16 bits of `recordCount`.
std::string backupHeader(uint32_t recordCount);

// What a file of `recordCount` records begins with, before its stream: the header alone when the
// count fits its 16 bits (the device's form, byte for byte), else the header with kCountMarker
// followed by the count-record.
// REQUIRES: recordCount <= kMaxBackupFileRecords.
std::string backupOpening(uint32_t recordCount);

// The header count of a file that begins with these bytes; nothing when fewer than 25 bytes are
// given or the first 23 are not the magic (compared byte for byte, case-sensitively).
std::optional<uint16_t> parseBackupHeader(std::string_view firstBytes);

// The record count of a file that begins with these bytes (its first kMaxBackupOpeningSize bytes,
// or all of a shorter file): the header's count, or with kCountMarker and a count-record right
// after the header, the count-record's. The marker without a count-record after it (another field
// record, or one cut short by the end) is the device's count 0xFFFF. Nothing when the header is not
// valid (parseBackupHeader) or the count-record's value is no count up to kMaxBackupFileRecords.
std::optional<uint32_t> parseBackupOpening(std::string_view firstBytes);

// The number of records a backup of the book holds: the records of the seven tables plus 1 for
// the counters (the full sum, not cut to 16 bits).
uint32_t backupRecordCount(ObjectStore& store);

// The field records of one record, as the writer puts them in the file. Texts are cut to their
// field's longest text and converted to CP949, a character CP949 cannot hold becoming '?'. An
// entry's or reservation's phone and check-card flags are left out when empty.
std::string encodeBackupRecord(const BackupRecord& record);

// Whether the record, once written, reads back complete: false when its closing field is a text it
// holds empty (a reservation's start date, a minor category's in-use flag, an asset's kind), as an
// empty closing field completes nothing and the file would fall short of its count.
bool backupCompletes(const BackupRecord& record);

// Writes the field records of the whole book at the file's current position: the counters (all
// 10000 when the table holds none, so the file always carries the record its count includes),
// then each table by position from its first record to its last. Calls `recordWritten` after
// each record. Returns false when a write fails (the file is then incomplete).
bool writeBackupStream(ObjectStore& store, std::FILE* file, const std::function<void()>& recordWritten);

struct BackupStreamRead {
  uint32_t completed = 0;  // records completed (all tags, the counters included)
  // The stream cannot be trusted and reading stopped: an integer value that is not a decimal
  // number up to 4294967295, a text that is not CP949, holds a NUL or is longer than its field,
  // an entry or reservation with an instalment count outside 0 to kMaxInstalments, or the file
  // could not be read. A truncated last field record is no damage: it ends the stream.
  bool damaged = false;
};

// Reads field records from the file's current position to its end and passes each completed
// record to `completed`. Field records of unknown tags or unknown field numbers are consumed and
// ignored. Reads at most one field record's value (64 KiB) at a time; never fails by itself.
BackupStreamRead decodeBackupStream(std::FILE* file, const std::function<void(const BackupRecord&)>& completed);

enum class BackupReadMode {
  Count,   // only counts the completed records
  Insert,  // also inserts each into its table
};

// Reads the stream from offset 25 (after the header; a count-record there is skipped as any field
// record of another tag is) to the end. In insert mode each completed record is added to its
// table as read, with no id counter raised: the counters as a new IdCounters record, an entry
// through addEntry with restoringBackup set (no balance changes, no instalment rows: the file
// carries both), the others through their table's add; each add writes its change file when
// exchange is on. `recordCompleted` is called after each completed record.
// The caller runs an insert pass in a transaction and judges it by the result.
BackupStreamRead readBackupStream(std::FILE* file, BackupReadMode mode, Book& book,
                                  const std::function<void()>& recordCompleted);

}  // namespace coinest
