// Fuzzes the reader of the initialisation file: any bytes read as a state that, written again, is
// eight characters that read back as the same state (so a hostile file can never make the program
// write one that starts it differently next time).
//
// Seed mode: with COINEST_FUZZ_WRITE_SEEDS=DIR set, the target writes files made by the writer,
// the older two-character form and a few damaged ones into DIR and exits.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "seed_mode.h"
#include "shell/ini_file.h"

namespace {

using namespace coinest;

[[noreturn]] void fail(const char* what) {
  std::fprintf(stderr, "%s\n", what);
  std::abort();
}

void writeSeeds(const std::filesystem::path& dir) {
  const std::string seeds[] = {
      iniFileText({0, 4, 'W', 0}), iniFileText({1, 6, 'M', 2}), iniFileText({0, 0, 'D', 1}), " 1", "xx 7\x01\x02 2",
      "-9-9-9-9",
  };
  coinest::fuzz::writeSeedFiles(dir, seeds);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  coinest::fuzz::writeSeedsWhenAsked(writeSeeds);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const IniState state = parseIniFile(bytes);
  if (state.bookViewMode != 'D' && state.bookViewMode != 'W' && state.bookViewMode != 'M') fail("mode");
  const std::string text = iniFileText(state);
  if (text.size() != 8) fail("the written file is not eight characters");
  if (!(parseIniFile(text) == state)) fail("the written file reads back as another state");
  return 0;
}
