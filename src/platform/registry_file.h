#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace coinest {

// The device kept a few registry string values; we keep them in one small UTF-8 text file, one
// value a line: KEY<TAB>NAME<TAB>VALUE<LF>. Keys and value names compare with ASCII case
// folding, as the registry's do.

// The program reads at most this many bytes of a value; a longer value counts as missing.
inline constexpr std::size_t kRegistryValueMaxBytes = 100;
// A registry file larger than this is not ours and counts as empty.
inline constexpr std::size_t kRegistryFileMaxBytes = 64 * 1024;

// The value `name` under `key`, or nothing when the file, the key or the value is missing, the
// file is larger than kRegistryFileMaxBytes or is no regular file (a link is not followed), or
// the value is longer than kRegistryValueMaxBytes. Lines without exactly two TABs are skipped; the
// first matching line wins.
std::optional<std::string> readRegistryValue(const std::filesystem::path& file, std::string_view key,
                                             std::string_view name);

// Sets the value `name` under `key`, keeping every other line of the file. The file is replaced
// durably (durable_file.h), so a crash leaves the old file or the new one, mode 0600. Returns
// false, changing nothing, when the key is empty, any of key, name or value holds a TAB, CR, LF
// or NUL, the value is longer than kRegistryValueMaxBytes, the file exists but cannot be read, or
// the file cannot be written. An existing file over kRegistryFileMaxBytes, or a link or FIFO in
// its place, counts as empty and is replaced (a link itself, never what it points to).
bool writeRegistryValue(const std::filesystem::path& file, std::string_view key, std::string_view name,
                        std::string_view value);

// The lookup of readRegistryValue in the text of a registry file.
std::optional<std::string> findRegistryValue(std::string_view text, std::string_view key, std::string_view name);

// The text of a registry file `text` with the value set as writeRegistryValue sets it; nothing
// when writeRegistryValue would refuse (the arguments, or a result over kRegistryFileMaxBytes).
std::optional<std::string> registryTextWith(std::string_view text, std::string_view key, std::string_view name,
                                            std::string_view value);

}  // namespace coinest
