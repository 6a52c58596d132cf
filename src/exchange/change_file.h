#pragma once

// Change files exchanged with the desktop companion: one record change per file, named
// letter + operation digit + the id as seven digits + "._pd_" (device to desktop) or "._pc_"
// (desktop to device). The content is field records back to back: one byte field number, the
// value length as two bytes (high byte first), then the value: an integer as the unsigned
// decimal text of its 32 bits (-1 is "4294967295"), a text in CP949 without terminator.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "exchange/field_values.h"
#include "exchange/outbox.h"
#include "platform/durable_file.h"
#include "store/book.h"
#include "store/change_record.h"
#include "store/records.h"

namespace coinest {

// No change file is larger; a bigger incoming file is refused unread.
inline constexpr std::size_t kMaxChangeFileSize = 1000;

// "A10010001._pd_" for the add of entry 10001: the id is printed as "%07d".
std::string changeFileName(ChangeLetter letter, ChangeOp op, int32_t id);

// The file content of a change. Each text is cut to its field's longest text (as the table keeps
// it) and converted to CP949; a character CP949 cannot hold (an emoji, say) is written as '?', so
// the file stays readable and the rest of the text survives. A file built from a record of the
// book is therefore at most kMaxChangeFileSize bytes.
std::string encodeChangeRecord(const ChangeRecord& change);

// The id of a record deleted on the other side (the content of a digit-3 file).
struct DeletedId {
  int32_t id = 0;
};

using ChangeContent =
    std::variant<DeletedId, LedgerEntry, Reservation, ReservationLink, Asset, MinorItem, MajorItem, PostingDate>;

struct DecodedChange {
  ChangeLetter letter = ChangeLetter::Entry;
  ChangeOp op = ChangeOp::Add;
  ChangeContent content;
};

// Whether the letter takes the digit in an incoming file: A '0' (the wipe order) to '3'; B, D, E, F
// '1' to '3'; C '1' and '3'; G '2' only. Every other letter takes none.
bool incomingDigitAccepted(char letter, char digit);

// Decodes one incoming file of the letters A to G with a record digit ('1' to '3'). Fields come in
// layout order; a field record whose number is not the expected one costs one byte and leaves that
// field 0 or empty. The bytes consumed must equal the size exactly; an entry's add or modify may
// end after field 14 (toAssetId 0); a delete holds field 1 only. Nothing comes back (the file is
// to be deleted unapplied) for: a digit the letter does not take, the wipe digit, a file larger
// than kMaxChangeFileSize, a length that runs past the end, an integer text that is empty, longer
// than kMaxNumberTextBytes, not all decimal digits or above 4294967295, a text that is not valid
// CP949, holds a NUL character or is longer than its field's longest text, an entry or reservation
// whose instalments lie outside 0 to kMaxInstalments, and a reservation, asset or minor category
// whose closing field in the backup (start date, kind, in-use flag) is empty.
std::optional<DecodedChange> decodeChangeFile(char letter, char digit, std::string_view bytes);

// The change that describes the decoded content again (for a delete: field 1 only).
ChangeRecord changeRecordOf(const DecodedChange& decoded);

// Writes `bytes` as folder/name, mode 0600, by the durable replacement of durable_file.h: a reader
// never sees half a file, the file survives a power cut once this returns true, and a link of
// that name is replaced, not followed. Fails with the reason, leaving nothing behind, when the name
// is not a plain file name, the folder does not exist or a step fails. With FolderSync::Deferred
// the file survives a power cut only once the caller has synced the folder (syncFolder).
Status writeExchangeFile(const std::filesystem::path& folder, std::string_view name, std::string_view bytes,
                       FolderSync folderSync = FolderSync::Now);

// Writes the change's "._pd_" file into the folder at once (no outbox).
Status writeChangeFileNow(const std::filesystem::path& folder, const ChangeRecord& change,
                          FolderSync folderSync = FolderSync::Now);

// Writes each change as its "._pd_" file in the exchange folder, replacing a file of the same name
// (so only the latest change of a kind to a record waits there). A change made in a transaction is
// kept in the book's outbox with it and written once it commits (outbox.h): a file that cannot be
// written then waits in the outbox for the next flush instead of being lost.
class ChangeFileWriter final : public ChangeSink {
 public:
  explicit ChangeFileWriter(std::filesystem::path folder) : folder_(std::move(folder)) {}
  bool queueChange(ObjectStore& store, const ChangeRecord& change) override;
  // Writes the change's file at once, without the outbox.
  void writeChange(const ChangeRecord& change) override;
  const std::filesystem::path& folder() const { return folder_; }
  // What the last flush after a commit left undone.
  const OutboxFlush& lastFlush() const { return lastFlush_; }

 private:
  std::filesystem::path folder_;
  OutboxFlush lastFlush_;
};

}  // namespace coinest
