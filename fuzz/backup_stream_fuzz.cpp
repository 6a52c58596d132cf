// Fuzzes the reader of a backup file's opening (the header and its count-record) and of its field
// records (the bytes after the 25-byte header, taken here from the start of the input). Every
// record it completes must hold texts that fit their fields, and must survive writing and reading
// again unchanged; reading what was written must complete exactly as many records, undamaged.
//
// Seed mode: with COINEST_FUZZ_WRITE_SEEDS=DIR set, the target writes a few valid streams into
// DIR and exits, so the seeds always follow the writer.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/backup_stream.h"
#include "platform/utf8_text.h"
#include "seed_mode.h"
#include "seed_records.h"
#include "store/record_layout.h"

namespace {

using namespace coinest;

[[noreturn]] void fail(const char* what) {
  std::fprintf(stderr, "%s\n", what);
  std::abort();
}

struct Read {
  BackupStreamRead result;
  std::vector<BackupRecord> records;
};

Read readStream(std::string_view bytes) {
  Read out;
  if (bytes.empty()) return out;
  std::FILE* file = fmemopen(const_cast<char*>(bytes.data()), bytes.size(), "rb");
  if (file == nullptr) fail("fmemopen failed");
  out.result = decodeBackupStream(file, [&](const BackupRecord& r) { out.records.push_back(r); });
  std::fclose(file);
  if (out.result.completed != out.records.size()) fail("completed count differs from the records passed on");
  return out;
}

template <class R>
void checkTexts(const R& record) {
  for (const Field<R>& f : fieldsOf<R>()) {
    if (f.textMember != nullptr && utf8Length(record.*f.textMember) > f.maxChars) fail("a text longer than its field");
  }
}

// The writer leaves out empty flags, which read back as "N".
BackupRecord normalised(BackupRecord record) {
  auto fix = [](auto& r) {
    if (r.phoneFlag.empty()) r.phoneFlag = "N";
    if (r.checkCardFlag.empty()) r.checkCardFlag = "N";
  };
  if (auto* e = std::get_if<LedgerEntry>(&record)) fix(*e);
  if (auto* r = std::get_if<Reservation>(&record)) fix(*r);
  return record;
}

std::string written(const std::vector<BackupRecord>& records) {
  std::string out;
  for (const BackupRecord& r : records) out += encodeBackupRecord(normalised(r));
  return out;
}

void writeSeeds(const std::filesystem::path& dir) {
  fuzz::SeedRecords samples = fuzz::seedRecords();
  LedgerEntry& e = samples.entry;
  e.phoneFlag = "";  // a flag the writer leaves out
  Reservation& r = samples.reservation;
  r.checkCardFlag = "Y";
  Asset& a = samples.card;
  a.balance = -5;
  const std::vector<std::vector<BackupRecord>> seeds = {
      {IdCounters{10001, 10002, 10003, 10004, 10005}, e, InstalmentRow{10010, "2007-04-05", e.entryId, 2, a.assetId}},
      {r, ReservationLink{10007, "200703", r.reserveId, e.entryId}, MajorItem{10004, "2", "식비", 1},
       MinorItem{10010, 10004, "간식", 3, "Y"}, a},
      {e, e, a, a},
  };
  int n = 0;
  for (const auto& seed : seeds) {
    std::string bytes;
    for (const BackupRecord& record : seed) bytes += encodeBackupRecord(record);
    std::ofstream(dir / ("stream" + std::to_string(++n) + ".seed"), std::ios::binary) << bytes;
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::writeSeedsWhenAsked(writeSeeds);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  // The device's header is read as it is; only the marker may send the count elsewhere.
  const std::optional<uint16_t> header = parseBackupHeader(bytes);
  const std::optional<uint32_t> count = parseBackupOpening(bytes);
  if (!header && count) fail("an opening read without a valid header");
  if (header && *header != kCountMarker && count != *header) fail("a device header's count read as another");
  if (count && *count > kMaxBackupFileRecords) fail("an opening read with a count beyond the largest file");
  const Read first = readStream(bytes);
  for (const BackupRecord& r : first.records) std::visit([](const auto& record) { checkTexts(record); }, r);

  const std::string again = written(first.records);
  const Read second = readStream(again);
  if (second.result.damaged) fail("what the writer wrote reads as damaged");
  if (second.records.size() != first.records.size()) fail("what the writer wrote completes another count");
  if (written(second.records) != again) fail("a record does not survive writing and reading");
  return 0;
}
