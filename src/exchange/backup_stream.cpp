#include "exchange/backup_stream.h"

#include <array>
#include <initializer_list>
#include <span>
#include <tuple>
#include <vector>

#include "exchange/field_values.h"
#include "ledger/entry_rules.h"
#include "platform/utf8_text.h"
#include "store/asset_table.h"
#include "store/category_tables.h"
#include "store/entry_table.h"
#include "store/id_counters.h"
#include "store/instalment_count.h"
#include "store/record_layout.h"
#include "store/reservation_tables.h"
#include "store/table_catalogue.h"
#include "store/yes_no_flag.h"

namespace coinest {

namespace {

constexpr std::size_t kFieldRecordHead = 5;  // tag, field number, value length
constexpr std::size_t kMaxFieldNumber = 15;  // the highest field number any table uses
constexpr std::size_t kWriteChunk = 64 * 1024;

// One field of a table's stream: its number in the file and the record field it carries.
template <class R>
struct StreamField {
  uint16_t number = 0;
  const Field<R>* layout = nullptr;
  bool optional = false;  // written only when its text is not empty
};

// The fields of one table in writing order; the last is the closing field.
template <class R>
struct StreamLayout {
  StreamLayout(BackupTag tag, std::string_view table, std::initializer_list<uint16_t> order,
               uint16_t (*propertyOf)(uint16_t), std::initializer_list<uint16_t> optional = {})
      : tag(tag), table(table) {
    for (const uint16_t number : order) {
      StreamField<R> field;
      field.number = number;
      for (const Field<R>& f : fieldsOf<R>()) {
        if (propNumber(f.id) == propertyOf(number)) field.layout = &f;
      }
      for (const uint16_t o : optional) field.optional = field.optional || o == number;
      fields.push_back(field);
    }
    for (const StreamField<R>& field : fields) byNumber[field.number] = &field;
  }
  StreamLayout(const StreamLayout&) = delete;
  StreamLayout& operator=(const StreamLayout&) = delete;

  const StreamField<R>& closing() const { return fields.back(); }

  BackupTag tag;
  std::string_view table;
  std::vector<StreamField<R>> fields;
  std::array<const StreamField<R>*, kMaxFieldNumber + 1> byNumber{};
};

uint16_t sameNumber(uint16_t field) { return field; }
// The counters' fields 1 to 5 carry properties 0 to 4.
uint16_t counterProperty(uint16_t field) { return static_cast<uint16_t>(field - 1); }
// An asset's field 8 carries the billing period's start month, property 14.
uint16_t assetProperty(uint16_t field) { return field == 8 ? 14 : field; }

template <class R>
const StreamLayout<R>& streamLayout();

template <>
const StreamLayout<IdCounters>& streamLayout() {
  static const StreamLayout<IdCounters> layout(BackupTag::Counters, kCountersTable, {1, 2, 3, 4, 5}, counterProperty);
  return layout;
}
template <>
const StreamLayout<LedgerEntry>& streamLayout() {
  static const StreamLayout<LedgerEntry> layout(BackupTag::Entry, kBooksTable,
                                                {1, 2, 3, 4, 5, 6, 7, 8, 13, 14, 9, 11, 12, 15, 10}, sameNumber,
                                                {13, 14});
  return layout;
}
template <>
const StreamLayout<InstalmentRow>& streamLayout() {
  static const StreamLayout<InstalmentRow> layout(BackupTag::Instalment, kInstalmentsTable, {1, 2, 3, 4, 5},
                                                  sameNumber);
  return layout;
}
template <>
const StreamLayout<Reservation>& streamLayout() {
  static const StreamLayout<Reservation> layout(BackupTag::Reservation, kReservationsTable,
                                                {1, 2, 3, 4, 5, 6, 7, 8, 10, 13, 14, 11, 12, 9}, sameNumber,
                                                {13, 14});
  return layout;
}
template <>
const StreamLayout<ReservationLink>& streamLayout() {
  static const StreamLayout<ReservationLink> layout(BackupTag::Link, kReservationLinksTable, {1, 2, 3, 4},
                                                    sameNumber);
  return layout;
}
template <>
const StreamLayout<MajorItem>& streamLayout() {
  static const StreamLayout<MajorItem> layout(BackupTag::Major, kMajorItemsTable, {1, 2, 3, 4}, sameNumber);
  return layout;
}
template <>
const StreamLayout<MinorItem>& streamLayout() {
  static const StreamLayout<MinorItem> layout(BackupTag::Minor, kMinorItemsTable, {1, 2, 3, 4, 5}, sameNumber);
  return layout;
}
template <>
const StreamLayout<Asset>& streamLayout() {
  static const StreamLayout<Asset> layout(BackupTag::Asset, kAssetsTable,
                                          {1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 2}, assetProperty);
  return layout;
}

// What a record gets at field 1 for the fields a file may leave out.
template <class R>
void beginRecord(R&) {}

template <class R>
void resetOptionalEntryFields(R& r) {
  r.assetId = 0;
  r.instalments = 0;
  r.phoneFlag = kNo;
  r.checkCardFlag = kNo;
}
template <>
void beginRecord(LedgerEntry& e) { resetOptionalEntryFields(e); }
template <>
void beginRecord(Reservation& r) { resetOptionalEntryFields(r); }
template <>
void beginRecord(Asset& a) {
  a.periodFromMonth = a.periodFromDay = a.periodToMonth = a.periodToDay = a.linkOrPayDay = a.balance = 0;
}

void appendFieldRecord(std::string& out, uint8_t tag, uint16_t number, std::string_view value) {
  // Texts are cut to their field (at most 256 characters, 512 bytes); the cap only keeps the
  // length field honest.
  const std::size_t length = std::min<std::size_t>(value.size(), 0xFFFF);
  out += static_cast<char>(tag);
  out += static_cast<char>(number >> 8);
  out += static_cast<char>(number & 0xFF);
  out += static_cast<char>(length >> 8);
  out += static_cast<char>(length & 0xFF);
  out.append(value.substr(0, length));
}

// Texts end at a NUL, as the C strings the reader expects do.
std::string_view writtenText(const std::string& stored) {
  return std::string_view(stored).substr(0, stored.find('\0'));
}

template <class R>
void appendRecord(std::string& out, const R& record) {
  const StreamLayout<R>& layout = streamLayout<R>();
  for (const StreamField<R>& field : layout.fields) {
    const Field<R>& f = *field.layout;
    if (f.intMember) {
      appendFieldRecord(out, static_cast<uint8_t>(layout.tag), field.number,
                        unsignedDecimalText(record.*f.intMember));
    } else {
      const std::string_view text = writtenText(record.*f.textMember);
      if (field.optional && text.empty()) continue;
      appendFieldRecord(out, static_cast<uint8_t>(layout.tag), field.number,
                        toCp949Lossy(utf8Prefix(text, f.maxChars)));
    }
  }
}

// Reads the current record of `table` as the writer sees it: a property the record lacks reads
// as 0 or the empty text (so a missing flag is left out of the file), a text is cut to its field.
template <class R>
class RecordReader {
 public:
  RecordReader() {
    for (const Field<R>& f : fieldsOf<R>()) props_.push_back(PropValue{f.id, 0, {}, false});
  }

  R read(const TableHandle& table) {
    for (PropValue& p : props_) {
      p.intValue = 0;
      p.text.clear();
    }
    table.readProps(props_);
    R record;
    const std::span<const Field<R>> fields = fieldsOf<R>();
    for (std::size_t i = 0; i < fields.size(); ++i) {
      if (fields[i].intMember) {
        record.*fields[i].intMember = props_[i].intValue;
      } else {
        record.*fields[i].textMember = std::string(utf8Prefix(props_[i].text, fields[i].maxChars));
      }
    }
    return record;
  }

 private:
  std::vector<PropValue> props_;
};

// Buffers the stream and writes it in large pieces.
class StreamOut {
 public:
  explicit StreamOut(std::FILE* file) : file_(file) {}
  std::string& buffer() { return buffer_; }
  bool flushIfFull() { return buffer_.size() < kWriteChunk || flush(); }
  bool flush() {
    const bool ok = std::fwrite(buffer_.data(), 1, buffer_.size(), file_) == buffer_.size();
    buffer_.clear();
    return ok;
  }

 private:
  std::FILE* file_;
  std::string buffer_;
};

template <class R>
bool writeTable(ObjectStore& store, StreamOut& out, const std::function<void()>& recordWritten) {
  const StreamLayout<R>& layout = streamLayout<R>();
  TableHandle table = store.openTable(layout.table, 0);
  if (!table) return true;  // a table that cannot be opened gives nothing, as its count is 0
  const uint32_t total = store.recordCount(layout.table);
  RecordReader<R> reader;
  for (uint32_t i = 0; i < total; ++i) {
    // A record that vanished would leave the file short of its count: the check then fails it.
    if (table.seek(SeekMode::SeekFromFirst, static_cast<int32_t>(i)) == 0) break;
    appendRecord(out.buffer(), reader.read(table));
    if (!out.flushIfFull()) return false;
    if (recordWritten) recordWritten();
  }
  return true;
}

bool writeCountersRecord(ObjectStore& store, StreamOut& out, const std::function<void()>& recordWritten) {
  // The header counts the counters record always; the book reads an empty table as all 10000.
  IdCounters counters;
  if (TableHandle table = store.openTable(kCountersTable, 0); table && table.seek(SeekMode::SeekFromFirst, 0) != 0) {
    readRecord(table, counters);  // a counter the record lacks reads as 0, as in any record
  }
  appendRecord(out.buffer(), counters);
  if (recordWritten) recordWritten();
  return true;
}

// The pending record of each table, filled field by field.
class PendingRecords {
 public:
  enum class Fed { Stored, Completed, Damaged };

  Fed feed(uint8_t tag, uint16_t number, std::string_view value) {
    switch (static_cast<BackupTag>(tag)) {
      case BackupTag::Counters: return feedInto(std::get<IdCounters>(pending_), number, value);
      case BackupTag::Entry: return feedInto(std::get<LedgerEntry>(pending_), number, value);
      case BackupTag::Reservation: return feedInto(std::get<Reservation>(pending_), number, value);
      case BackupTag::Link: return feedInto(std::get<ReservationLink>(pending_), number, value);
      case BackupTag::Major: return feedInto(std::get<MajorItem>(pending_), number, value);
      case BackupTag::Minor: return feedInto(std::get<MinorItem>(pending_), number, value);
      case BackupTag::Asset: return feedInto(std::get<Asset>(pending_), number, value);
      case BackupTag::Instalment: return feedInto(std::get<InstalmentRow>(pending_), number, value);
    }
    return Fed::Stored;  // another tag: consumed and ignored
  }

  // The record the last Completed came from.
  BackupRecord completedRecord(uint8_t tag) const {
    switch (static_cast<BackupTag>(tag)) {
      case BackupTag::Counters: return std::get<IdCounters>(pending_);
      case BackupTag::Entry: return std::get<LedgerEntry>(pending_);
      case BackupTag::Reservation: return std::get<Reservation>(pending_);
      case BackupTag::Link: return std::get<ReservationLink>(pending_);
      case BackupTag::Major: return std::get<MajorItem>(pending_);
      case BackupTag::Minor: return std::get<MinorItem>(pending_);
      case BackupTag::Asset: return std::get<Asset>(pending_);
      case BackupTag::Instalment: break;
    }
    return std::get<InstalmentRow>(pending_);
  }

 private:
  template <class R>
  static Fed feedInto(R& pending, uint16_t number, std::string_view value) {
    const StreamLayout<R>& layout = streamLayout<R>();
    const StreamField<R>* field = number < layout.byNumber.size() ? layout.byNumber[number] : nullptr;
    if (field == nullptr) return Fed::Stored;  // a field its table does not use: ignored
    if (number == 1 && !value.empty()) beginRecord(pending);
    const Field<R>& f = *field->layout;
    if (f.intMember) {
      // An empty integer leaves the pending value as it was.
      if (!value.empty()) {
        const std::optional<int32_t> parsed = parseUnsignedDecimal(value);
        if (!parsed) return Fed::Damaged;
        pending.*f.intMember = *parsed;
      }
    } else {
      std::optional<std::string> text = value.empty() ? std::string() : parseCp949Text(value, f.maxChars);
      if (!text) return Fed::Damaged;
      pending.*f.textMember = std::move(*text);
    }
    if (field != &layout.closing() || value.empty()) return Fed::Stored;
    // A count the program never writes would send the instalment rules round for minutes.
    return instalmentsValid(pending) ? Fed::Completed : Fed::Damaged;
  }

  std::tuple<IdCounters, LedgerEntry, InstalmentRow, Reservation, ReservationLink, MajorItem, MinorItem, Asset>
      pending_;
};

// Reads up to `size` bytes; fewer only at the end of the file or on an error.
std::size_t readBytes(std::FILE* file, char* into, std::size_t size) {
  return size == 0 ? 0 : std::fread(into, 1, size, file);
}

// Each insert runs inside the reload's transaction: a failed one fails it whole.
struct InsertRecord {
  Book& book;
  Status operator()(const IdCounters& c) const {
    return writeCounters(book.store, c) ? Status::ok() : Status::failure(book.store.lastError());
  }
  Status operator()(const LedgerEntry& e) const { return addEntry(book, e); }
  Status operator()(const InstalmentRow& r) const { return addInstalmentRow(book, r); }
  Status operator()(const Reservation& r) const { return addReservation(book, r); }
  Status operator()(const ReservationLink& l) const { return addReservationLink(book, l); }
  Status operator()(const MajorItem& m) const { return addMajorItem(book, m); }
  Status operator()(const MinorItem& m) const { return addMinorItem(book, m); }
  Status operator()(const Asset& a) const { return addAsset(book, a); }
};

}  // namespace

std::string backupHeader(uint32_t recordCount) {
  std::string header(kBackupMagic);
  header += static_cast<char>((recordCount >> 8) & 0xFF);
  header += static_cast<char>(recordCount & 0xFF);
  return header;
}

std::string backupOpening(uint32_t recordCount) {
  if (recordCount <= kMaxDeviceBackupRecords) return backupHeader(recordCount);
  std::string opening = backupHeader(kCountMarker);
  appendFieldRecord(opening, kCountRecordTag, kCountRecordField,
                    unsignedDecimalText(static_cast<int32_t>(recordCount)));
  return opening;
}

std::optional<uint16_t> parseBackupHeader(std::string_view firstBytes) {
  if (firstBytes.size() < kBackupHeaderSize || firstBytes.substr(0, kBackupMagic.size()) != kBackupMagic) {
    return std::nullopt;
  }
  return static_cast<uint16_t>((static_cast<uint8_t>(firstBytes[23]) << 8) | static_cast<uint8_t>(firstBytes[24]));
}

std::optional<uint32_t> parseBackupOpening(std::string_view firstBytes) {
  const std::optional<uint16_t> headerCount = parseBackupHeader(firstBytes);
  if (!headerCount || *headerCount != kCountMarker) return headerCount;
  const std::string_view after = firstBytes.substr(kBackupHeaderSize);
  if (after.size() < kFieldRecordHead) return headerCount;
  const auto byteAt = [&](std::size_t i) { return static_cast<uint8_t>(after[i]); };
  const auto field = static_cast<uint16_t>((byteAt(1) << 8) | byteAt(2));
  const auto length = static_cast<std::size_t>((byteAt(3) << 8) | byteAt(4));
  if (byteAt(0) != kCountRecordTag || field != kCountRecordField) return headerCount;
  // kMaxBackupOpeningSize holds the longest value a count may have (a longer one is no count); a
  // count-record the end of the file cuts short is none, as a cut field record ends the stream.
  if (length > kMaxNumberTextBytes) return std::nullopt;
  if (after.size() < kFieldRecordHead + length) return headerCount;
  const std::optional<int32_t> count = parseUnsignedDecimal(after.substr(kFieldRecordHead, length));
  if (!count || static_cast<uint32_t>(*count) > kMaxBackupFileRecords) return std::nullopt;
  return static_cast<uint32_t>(*count);
}

uint32_t backupRecordCount(ObjectStore& store) {
  uint32_t count = 1;  // the counters
  for (const std::string_view table : {kBooksTable, kInstalmentsTable, kReservationsTable, kReservationLinksTable,
                                       kMajorItemsTable, kMinorItemsTable, kAssetsTable}) {
    count += store.recordCount(table);
  }
  return count;
}

std::string encodeBackupRecord(const BackupRecord& record) {
  std::string out;
  std::visit([&](const auto& r) { appendRecord(out, r); }, record);
  return out;
}

bool backupCompletes(const BackupRecord& record) {
  return std::visit(
      [](const auto& r) {
        using R = std::decay_t<decltype(r)>;
        const Field<R>& closing = *streamLayout<R>().closing().layout;
        return closing.intMember != nullptr || !writtenText(r.*closing.textMember).empty();
      },
      record);
}

bool writeBackupStream(ObjectStore& store, std::FILE* file, const std::function<void()>& recordWritten) {
  StreamOut out(file);
  const bool written = writeCountersRecord(store, out, recordWritten) &&
                       writeTable<LedgerEntry>(store, out, recordWritten) &&
                       writeTable<InstalmentRow>(store, out, recordWritten) &&
                       writeTable<Reservation>(store, out, recordWritten) &&
                       writeTable<ReservationLink>(store, out, recordWritten) &&
                       writeTable<MajorItem>(store, out, recordWritten) &&
                       writeTable<MinorItem>(store, out, recordWritten) && writeTable<Asset>(store, out, recordWritten);
  return out.flush() && written;
}

BackupStreamRead decodeBackupStream(std::FILE* file, const std::function<void(const BackupRecord&)>& completed) {
  BackupStreamRead result;
  PendingRecords pending;
  std::string value;
  while (true) {
    unsigned char head[kFieldRecordHead];
    const std::size_t got = readBytes(file, reinterpret_cast<char*>(head), sizeof head);
    if (got < sizeof head) break;  // the end, or a field record cut short, which ends the stream
    const uint8_t tag = head[0];
    const auto number = static_cast<uint16_t>((head[1] << 8) | head[2]);
    const auto length = static_cast<std::size_t>((head[3] << 8) | head[4]);
    value.resize(length);
    if (readBytes(file, value.data(), length) < length) break;
    const PendingRecords::Fed fed = pending.feed(tag, number, value);
    if (fed == PendingRecords::Fed::Damaged) {
      result.damaged = true;
      return result;
    }
    if (fed == PendingRecords::Fed::Completed) {
      ++result.completed;
      if (completed) completed(pending.completedRecord(tag));
    }
  }
  if (std::ferror(file)) result.damaged = true;
  return result;
}

BackupStreamRead readBackupStream(std::FILE* file, BackupReadMode mode, Book& book,
                                  const std::function<void()>& recordCompleted) {
  if (std::fseek(file, static_cast<long>(kBackupHeaderSize), SEEK_SET) != 0) return BackupStreamRead{0, true};
  if (mode == BackupReadMode::Count) {
    return decodeBackupStream(file, [&](const BackupRecord&) {
      if (recordCompleted) recordCompleted();
    });
  }
  ModeScope restoring(book.modes.restoringBackup);
  return decodeBackupStream(file, [&](const BackupRecord& record) {
    if (Status inserted = std::visit(InsertRecord{book}, record); !inserted) book.store.fail(inserted.reason());
    if (recordCompleted) recordCompleted();
  });
}

}  // namespace coinest
