#include "exchange/change_file.h"

#include <algorithm>
#include <cstdio>
#include <span>
#include <type_traits>

#include "exchange/backup_stream.h"
#include "exchange/exchange_folder.h"
#include "platform/code_page.h"
#include "platform/durable_file.h"
#include "platform/utf8_text.h"
#include "store/instalment_count.h"
#include "store/record_layout.h"

namespace coinest {

namespace {

// The longest text any field holds (a note); the cut for a field the layout does not know.
constexpr std::size_t kLongestText = 256;

template <class R>
std::size_t layoutMaxChars(uint8_t number) {
  const std::span<const Field<R>> fields = fieldsOf<R>();
  if (number == 0 || number > fields.size()) return kLongestText;
  return fields[number - 1].maxChars;
}

std::size_t textLimit(ChangeLetter letter, uint8_t number) {
  switch (letter) {
    case ChangeLetter::Entry: return layoutMaxChars<LedgerEntry>(number);
    case ChangeLetter::Reservation: return layoutMaxChars<Reservation>(number);
    case ChangeLetter::Link: return layoutMaxChars<ReservationLink>(number);
    case ChangeLetter::Asset: return layoutMaxChars<Asset>(number);
    case ChangeLetter::Minor: return layoutMaxChars<MinorItem>(number);
    case ChangeLetter::Major: return layoutMaxChars<MajorItem>(number);
    case ChangeLetter::PostingDate: return layoutMaxChars<PostingDate>(number);
    case ChangeLetter::Instalment: return layoutMaxChars<InstalmentRow>(number);
  }
  return kLongestText;
}

void appendField(std::string& out, uint8_t number, std::string_view value) {
  // Texts are cut to their field first, so a value never reaches 65535 bytes; the cap is a guard.
  const std::size_t length = std::min<std::size_t>(value.size(), 0xFFFF);
  out += static_cast<char>(number);
  out += static_cast<char>((length >> 8) & 0xFF);
  out += static_cast<char>(length & 0xFF);
  out.append(value.substr(0, length));
}

// Walks the field records of one file. Every read is checked against the size first.
class FieldReader {
 public:
  explicit FieldReader(std::string_view bytes) : bytes_(bytes) {}

  enum class Step { Value, Skipped, Broken };

  // Reads the field record at the current offset when it carries `number`; otherwise consumes one
  // byte (Skipped). Broken when the bytes run out first.
  Step next(uint8_t number, std::string_view& value) {
    if (pos_ >= bytes_.size()) return Step::Broken;
    if (static_cast<uint8_t>(bytes_[pos_]) != number) {
      ++pos_;
      return Step::Skipped;
    }
    if (bytes_.size() - pos_ < 3) return Step::Broken;
    const std::size_t length = (static_cast<std::size_t>(static_cast<uint8_t>(bytes_[pos_ + 1])) << 8) |
                               static_cast<uint8_t>(bytes_[pos_ + 2]);
    if (bytes_.size() - pos_ - 3 < length) return Step::Broken;
    value = bytes_.substr(pos_ + 3, length);
    pos_ += 3 + length;
    return Step::Value;
  }

  bool atEnd() const { return pos_ == bytes_.size(); }

 private:
  std::string_view bytes_;
  std::size_t pos_ = 0;
};

// The record of layout R from the file; `mayEndBeforeLast` lets the file stop before the last field.
template <class R>
std::optional<R> decodeRecord(std::string_view bytes, bool mayEndBeforeLast) {
  const std::span<const Field<R>> fields = fieldsOf<R>();
  R record;
  for (const Field<R>& f : fields) {
    if (f.intMember) {
      record.*f.intMember = 0;
    } else {
      (record.*f.textMember).clear();
    }
  }
  FieldReader reader(bytes);
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (mayEndBeforeLast && i + 1 == fields.size() && reader.atEnd()) break;
    const Field<R>& f = fields[i];
    std::string_view value;
    switch (reader.next(static_cast<uint8_t>(i + 1), value)) {
      case FieldReader::Step::Broken: return std::nullopt;
      case FieldReader::Step::Skipped: continue;
      case FieldReader::Step::Value: break;
    }
    if (f.intMember) {
      const std::optional<int32_t> number = parseUnsignedDecimal(value);
      if (!number) return std::nullopt;
      record.*f.intMember = *number;
    } else {
      std::optional<std::string> text = parseCp949Text(value, f.maxChars);
      if (!text) return std::nullopt;
      record.*f.textMember = std::move(*text);
    }
  }
  if (!reader.atEnd()) return std::nullopt;
  return record;
}

std::optional<DeletedId> decodeDelete(std::string_view bytes) {
  FieldReader reader(bytes);
  std::string_view value;
  if (reader.next(1, value) != FieldReader::Step::Value || !reader.atEnd()) return std::nullopt;
  const std::optional<int32_t> id = parseUnsignedDecimal(value);
  if (!id) return std::nullopt;
  return DeletedId{*id};
}

// Whether the book can take the record: its instalment count is one the program can bill, and a
// backup can write it back (a record whose closing field is an empty text would make every later
// backup fail). An empty or unknown flag elsewhere is taken: the rules read it as no.
template <class R>
bool bookCanHold(const R& record) {
  if constexpr (std::is_constructible_v<BackupRecord, const R&>) {
    if (!backupCompletes(BackupRecord(record))) return false;
  }
  return instalmentsValid(record);
}

template <class R>
std::optional<ChangeContent> decodeContent(std::string_view bytes, bool mayEndBeforeLast = false) {
  std::optional<R> record = decodeRecord<R>(bytes, mayEndBeforeLast);
  if (!record || !bookCanHold(*record)) return std::nullopt;
  return ChangeContent(std::move(*record));
}

}  // namespace

std::string changeFileName(ChangeLetter letter, ChangeOp op, int32_t id) {
  char name[32];
  std::snprintf(name, sizeof name, "%c%c%07d._pd_", static_cast<char>(letter), static_cast<char>(op), id);
  return name;
}

std::string encodeChangeRecord(const ChangeRecord& change) {
  std::string out;
  for (const ChangeField& field : change.fields) {
    if (field.isText) {
      const std::string_view cut = utf8Prefix(field.text, textLimit(change.letter, field.number));
      appendField(out, field.number, toCp949Lossy(cut));
    } else {
      appendField(out, field.number, unsignedDecimalText(field.intValue));
    }
  }
  return out;
}

bool incomingDigitAccepted(char letter, char digit) {
  switch (letter) {
    case 'A': return digit >= '0' && digit <= '3';
    case 'B':
    case 'D':
    case 'E':
    case 'F': return digit >= '1' && digit <= '3';
    case 'C': return digit == '1' || digit == '3';
    case 'G': return digit == '2';
    default: return false;
  }
}

std::optional<DecodedChange> decodeChangeFile(char letter, char digit, std::string_view bytes) {
  if (bytes.size() > kMaxChangeFileSize) return std::nullopt;
  if (!incomingDigitAccepted(letter, digit) || digit == '0') return std::nullopt;
  const auto op = static_cast<ChangeOp>(digit);

  std::optional<ChangeContent> content;
  if (op == ChangeOp::Delete) {
    if (const std::optional<DeletedId> id = decodeDelete(bytes)) content = *id;
  } else {
    switch (letter) {
      case 'A': content = decodeContent<LedgerEntry>(bytes, true); break;
      case 'B': content = decodeContent<Reservation>(bytes); break;
      case 'C': content = decodeContent<ReservationLink>(bytes); break;
      case 'D': content = decodeContent<Asset>(bytes); break;
      case 'E': content = decodeContent<MinorItem>(bytes); break;
      case 'F': content = decodeContent<MajorItem>(bytes); break;
      case 'G': content = decodeContent<PostingDate>(bytes); break;
      default: break;
    }
  }
  if (!content) return std::nullopt;
  return DecodedChange{static_cast<ChangeLetter>(letter), op, std::move(*content)};
}

ChangeRecord changeRecordOf(const DecodedChange& decoded) {
  struct Visitor {
    const DecodedChange& d;
    ChangeRecord operator()(const DeletedId& v) const { return deleteChange(d.letter, v.id); }
    ChangeRecord operator()(const LedgerEntry& r) const { return recordChange(d.letter, d.op, r.entryId, r); }
    ChangeRecord operator()(const Reservation& r) const { return recordChange(d.letter, d.op, r.reserveId, r); }
    ChangeRecord operator()(const ReservationLink& r) const { return recordChange(d.letter, d.op, r.linkId, r); }
    ChangeRecord operator()(const Asset& r) const { return recordChange(d.letter, d.op, r.assetId, r); }
    ChangeRecord operator()(const MinorItem& r) const { return recordChange(d.letter, d.op, r.minorId, r); }
    ChangeRecord operator()(const MajorItem& r) const { return recordChange(d.letter, d.op, r.majorId, r); }
    ChangeRecord operator()(const PostingDate& r) const { return recordChange(d.letter, d.op, 1, r); }
  };
  return std::visit(Visitor{decoded}, decoded.content);
}

Status writeExchangeFile(const std::filesystem::path& folder, std::string_view name, std::string_view bytes,
                         FolderSync folderSync) {
  if (name.empty() || name == "." || name == ".." || name.find('/') != std::string_view::npos ||
      name.find('\0') != std::string_view::npos) {
    return Status::failure("\"" + std::string(name) + "\" is no name of a change file");
  }
  // The hidden temporary name ends in neither "._pd_" nor "._pc_": no reader takes it for a change.
  const std::filesystem::path file = folder / std::string(name);
  const Status written = replaceFileDurably(FileTarget::inRoot(deviceRootOfExchangeFolder(folder), file), bytes, folderSync);
  return written ? Status::ok() : Status::failure(written.reason());
}

bool ChangeFileWriter::queueChange(ObjectStore& store, const ChangeRecord& change) {
  if (!queueExchangeWrite(store, changeFileName(change.letter, change.op, change.id), encodeChangeRecord(change))) {
    return false;
  }
  ObjectStore* const flushed = &store;
  store.afterCommit([this, flushed] { lastFlush_ = flushOutbox(*flushed, folder_); }, this);
  return true;
}

Status writeChangeFileNow(const std::filesystem::path& folder, const ChangeRecord& change, FolderSync folderSync) {
  return writeExchangeFile(folder, changeFileName(change.letter, change.op, change.id), encodeChangeRecord(change),
                           folderSync);
}

void ChangeFileWriter::writeChange(const ChangeRecord& change) {
  // Nothing to report to: changes of a transaction go through queueChange, which keeps them.
  static_cast<void>(writeChangeFileNow(folder_, change));
}

}  // namespace coinest
