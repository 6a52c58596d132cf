// Fuzzes the reader and the writer of the registry file's text. The first input byte picks the
// value looked up and set; the rest is the file. A value found must be one the writer could have
// written; setting a value must give a text in which it is found, that setting it again leaves
// as it is, and in which every other value reads as before.
//
// Seed mode: with COINEST_FUZZ_WRITE_SEEDS=DIR set, the target writes a few files made by the
// writer (and one edited by hand) into DIR and exits, so the seeds always follow the writer.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>

#include "platform/registry_file.h"
#include "seed_mode.h"

namespace {

using namespace coinest;

struct ValueName {
  std::string_view key;
  std::string_view name;
};

// The program's own value, the same in other letter case, a value without a name, and another.
constexpr ValueName kNames[] = {
    {"HKEY_LOCAL_MACHINE\\SOFTWARE\\Brivanta_Coinest", "Coinest ChangeRest"},
    {"hkey_local_machine\\software\\brivanta_coinest", "COINEST CHANGEREST"},
    {"HKEY_CURRENT_USER\\Other", ""},
    {"K", "N"},
};
constexpr std::size_t kNameCount = sizeof kNames / sizeof kNames[0];

[[noreturn]] void fail(const char* what) {
  std::fprintf(stderr, "%s\n", what);
  std::abort();
}

bool sameIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

bool sameValueName(const ValueName& a, const ValueName& b) {
  return sameIgnoringAsciiCase(a.key, b.key) && sameIgnoringAsciiCase(a.name, b.name);
}

void writeSeed(const std::filesystem::path& dir, const char* name, uint8_t pick, std::string_view text) {
  std::string input(1, static_cast<char>(pick));
  input += text;
  std::ofstream(dir / name, std::ios::binary) << input;
}

void writeSeeds(const std::filesystem::path& dir) {
  std::string text;
  for (std::size_t i = 0; i < kNameCount; ++i) {
    if (std::optional<std::string> next = registryTextWith(text, kNames[i].key, kNames[i].name, "0")) text = *next;
  }
  writeSeed(dir, "written.seed", 0, text);
  writeSeed(dir, "other-case.seed", 1, text);
  // A file edited by hand: CR LF line ends, a comment, a duplicate and a value at its longest.
  std::string edited = "# kept as it is\r\nK\tN\tfirst\r\nK\tN\tsecond\r\n";
  edited += std::string(kNames[0].key) + "\t" + std::string(kNames[0].name) + "\t" +
            std::string(kRegistryValueMaxBytes, 'v') + "\r\n";
  writeSeed(dir, "edited.seed", 3, edited);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::writeSeedsWhenAsked(writeSeeds);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const ValueName& chosen = kNames[data[0] % kNameCount];
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

  if (const std::optional<std::string> found = findRegistryValue(text, chosen.key, chosen.name)) {
    if (found->size() > kRegistryValueMaxBytes) fail("a value longer than the reader takes");
    if (found->find_first_of(std::string_view("\t\n\0", 3)) != std::string::npos) fail("a value across fields");
  }

  const std::optional<std::string> updated = registryTextWith(text, chosen.key, chosen.name, "7");
  if (!updated) return 0;
  if (updated->size() > kRegistryFileMaxBytes) fail("a file larger than the reader takes");
  if (findRegistryValue(*updated, chosen.key, chosen.name) != "7") fail("the value set is not found");
  if (registryTextWith(*updated, chosen.key, chosen.name, "7") != *updated) fail("setting it again changes the file");
  for (const ValueName& other : kNames) {
    if (sameValueName(other, chosen)) continue;
    if (findRegistryValue(*updated, other.key, other.name) != findRegistryValue(text, other.key, other.name)) {
      fail("setting one value changed another");
    }
  }
  return 0;
}
