// Fuzzes the reader of one incoming change file. The first input byte picks the letter (A to H),
// the second the digit ('0' to '3'); the rest is the file. Whatever it decodes must encode again
// to a file that decodes to the same bytes, and no bigger than a change file may be.
//
// Seed mode: with COINEST_FUZZ_WRITE_SEEDS=DIR set, the target writes one valid input per letter
// and digit into DIR and exits, so the seeds always follow the encoder.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "exchange/change_file.h"
#include "seed_mode.h"
#include "seed_records.h"

namespace {

using namespace coinest;

constexpr std::string_view kLetters = "ABCDEFGH";

void writeSeed(const std::filesystem::path& dir, char letter, char digit, const ChangeRecord& change) {
  std::string input;
  input += static_cast<char>(kLetters.find(letter));
  input += static_cast<char>(digit - '0');
  input += encodeChangeRecord(change);
  std::ofstream(dir / (std::string{letter, digit} + ".seed"), std::ios::binary) << input;
}

void writeSeeds(const std::filesystem::path& dir) {
  const fuzz::SeedRecords seeds = fuzz::seedRecords();
  const LedgerEntry& e = seeds.entry;
  const Reservation& r = seeds.reservation;
  const Asset& a = seeds.card;
  writeSeed(dir, 'A', '1', recordChange(ChangeLetter::Entry, ChangeOp::Add, e.entryId, e));
  writeSeed(dir, 'A', '2', recordChange(ChangeLetter::Entry, ChangeOp::Modify, e.entryId, e));
  writeSeed(dir, 'B', '1', recordChange(ChangeLetter::Reservation, ChangeOp::Add, r.reserveId, r));
  writeSeed(dir, 'C', '1', recordChange(ChangeLetter::Link, ChangeOp::Add, 10002, ReservationLink{10002, "200703", 10005, 10001}));
  writeSeed(dir, 'D', '2', recordChange(ChangeLetter::Asset, ChangeOp::Modify, a.assetId, a));
  writeSeed(dir, 'E', '1', recordChange(ChangeLetter::Minor, ChangeOp::Add, 10010, MinorItem{10010, 10004, "간식", 3, "Y"}));
  writeSeed(dir, 'F', '1', recordChange(ChangeLetter::Major, ChangeOp::Add, 10004, MajorItem{10004, "2", "식비", 1}));
  writeSeed(dir, 'G', '2', recordChange(ChangeLetter::PostingDate, ChangeOp::Modify, 1, PostingDate{"2007-03-05"}));
  writeSeed(dir, 'A', '3', deleteChange(ChangeLetter::Entry, 10001));
  writeSeed(dir, 'E', '3', deleteChange(ChangeLetter::Minor, -999));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::writeSeedsWhenAsked(writeSeeds);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const char letter = kLetters[data[0] % kLetters.size()];
  const char digit = static_cast<char>('0' + data[1] % 4);
  const std::string_view file(reinterpret_cast<const char*>(data + 2), size - 2);

  const std::optional<DecodedChange> decoded = decodeChangeFile(letter, digit, file);
  if (!decoded) return 0;
  const std::string again = encodeChangeRecord(changeRecordOf(*decoded));
  if (again.size() > kMaxChangeFileSize) {
    std::fprintf(stderr, "re-encoded file of %zu bytes\n", again.size());
    std::abort();
  }
  const std::optional<DecodedChange> second = decodeChangeFile(letter, digit, again);
  if (!second || encodeChangeRecord(changeRecordOf(*second)) != again) {
    std::fprintf(stderr, "a decoded change does not survive encoding\n");
    std::abort();
  }
  return 0;
}
