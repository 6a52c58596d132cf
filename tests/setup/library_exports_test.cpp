// The built libcoinest-setup.so as the installer meets it: it loads, shows the four hooks by name
// and nothing else, and needs no library but the C and C++ runtimes.

#include <dlfcn.h>
#include <elf.h>
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

const std::set<std::string> kHooks = {"Install_Init", "Install_Exit", "Uninstall_Init", "Uninstall_Exit"};

// The parts of a 64-bit ELF shared object's dynamic linking that the test looks at.
struct DynamicFacts {
  std::set<std::string> exported;  // defined global and weak symbols of .dynsym
  std::vector<std::string> needed;  // DT_NEEDED entries
};

template <typename T>
std::optional<T> readAt(const std::vector<char>& bytes, std::size_t offset) {
  if (offset > bytes.size() || bytes.size() - offset < sizeof(T)) return std::nullopt;
  T value;
  std::memcpy(&value, bytes.data() + offset, sizeof(T));
  return value;
}

std::optional<std::string> stringAt(const std::vector<char>& bytes, const Elf64_Shdr& table, std::size_t index) {
  if (index >= table.sh_size || table.sh_offset + table.sh_size > bytes.size()) return std::nullopt;
  const char* start = bytes.data() + table.sh_offset + index;
  return std::string(start, strnlen(start, table.sh_size - index));
}

std::optional<DynamicFacts> readDynamicFacts(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  const auto header = readAt<Elf64_Ehdr>(bytes, 0);
  if (!header || std::memcmp(header->e_ident, ELFMAG, SELFMAG) != 0 || header->e_ident[EI_CLASS] != ELFCLASS64) {
    return std::nullopt;
  }
  std::vector<Elf64_Shdr> sections;
  for (std::size_t i = 0; i < header->e_shnum; ++i) {
    const auto section = readAt<Elf64_Shdr>(bytes, header->e_shoff + i * sizeof(Elf64_Shdr));
    if (!section) return std::nullopt;
    sections.push_back(*section);
  }
  DynamicFacts facts;
  for (const Elf64_Shdr& section : sections) {
    if (section.sh_type != SHT_DYNSYM && section.sh_type != SHT_DYNAMIC) continue;
    if (section.sh_link >= sections.size()) return std::nullopt;
    const Elf64_Shdr& strings = sections[section.sh_link];
    if (section.sh_type == SHT_DYNSYM) {
      for (std::size_t at = 0; at + sizeof(Elf64_Sym) <= section.sh_size; at += sizeof(Elf64_Sym)) {
        const auto symbol = readAt<Elf64_Sym>(bytes, section.sh_offset + at);
        if (!symbol) return std::nullopt;
        const unsigned bind = ELF64_ST_BIND(symbol->st_info);
        if (symbol->st_shndx == SHN_UNDEF || (bind != STB_GLOBAL && bind != STB_WEAK)) continue;
        const auto name = stringAt(bytes, strings, symbol->st_name);
        if (!name) return std::nullopt;
        facts.exported.insert(*name);
      }
    } else {
      for (std::size_t at = 0; at + sizeof(Elf64_Dyn) <= section.sh_size; at += sizeof(Elf64_Dyn)) {
        const auto entry = readAt<Elf64_Dyn>(bytes, section.sh_offset + at);
        if (!entry) return std::nullopt;
        if (entry->d_tag != DT_NEEDED) continue;
        const auto name = stringAt(bytes, strings, entry->d_un.d_val);
        if (!name) return std::nullopt;
        facts.needed.push_back(*name);
      }
    }
  }
  return facts;
}

bool isRuntimeLibrary(const std::string& name) {
  static const std::set<std::string> runtimes = {"libc.so.6", "libm.so.6", "libstdc++.so.6", "libgcc_s.so.1",
                                                 "ld-linux-x86-64.so.2"};
  // A sanitized build brings the sanitizers' own runtimes.
  return runtimes.count(name) != 0 || name.starts_with("libasan.") || name.starts_with("libubsan.");
}

TEST(SetupLibraryTest, LoadsAndShowsTheFourHooksByName) {
  void* library = ::dlopen(COINEST_SETUP_LIBRARY, RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(library, nullptr) << ::dlerror();
  for (const std::string& hook : kHooks) EXPECT_NE(::dlsym(library, hook.c_str()), nullptr) << hook;
  // The host switch exists inside the library but is not the installer's to call.
  EXPECT_EQ(::dlsym(library, "_ZN7coinest5setup12useSetupHostEPNS0_9SetupHostE"), nullptr);
  auto installInit = reinterpret_cast<int (*)(void*, int, int, const char*)>(::dlsym(library, "Install_Init"));
  ASSERT_NE(installInit, nullptr);
  EXPECT_EQ(installInit(nullptr, 1, 0, "\\Program Files\\Coinest"), 0);
  ::dlclose(library);
}

TEST(SetupLibraryTest, ExportsExactlyTheHooksAndNeedsOnlyTheRuntimes) {
  const std::optional<DynamicFacts> facts = readDynamicFacts(COINEST_SETUP_LIBRARY);
  ASSERT_TRUE(facts.has_value()) << "not a readable 64-bit ELF file: " << COINEST_SETUP_LIBRARY;
  EXPECT_EQ(facts->exported, kHooks);
  EXPECT_FALSE(facts->needed.empty());  // a section the reader missed would pass the loop below
  for (const std::string& name : facts->needed) EXPECT_TRUE(isRuntimeLibrary(name)) << "needs " << name;
}

}  // namespace
