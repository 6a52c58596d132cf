#include "platform/registry_file.h"

#include <vector>

#include "platform/durable_file.h"

namespace coinest {

namespace {

std::vector<std::string_view> splitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

struct Entry {
  std::string_view key;
  std::string_view name;
  std::string_view value;
};

// A line with exactly two TABs and no NUL; a CR before the line end is tolerated (hand edits).
std::optional<Entry> parseLine(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  if (line.find('\0') != std::string_view::npos) return std::nullopt;
  const std::size_t first = line.find('\t');
  if (first == std::string_view::npos) return std::nullopt;
  const std::size_t second = line.find('\t', first + 1);
  if (second == std::string_view::npos) return std::nullopt;
  if (line.find('\t', second + 1) != std::string_view::npos) return std::nullopt;
  return Entry{line.substr(0, first), line.substr(first + 1, second - first - 1), line.substr(second + 1)};
}

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

bool matches(const Entry& entry, std::string_view key, std::string_view name) {
  return equalsIgnoringAsciiCase(entry.key, key) && equalsIgnoringAsciiCase(entry.name, name);
}

bool holdsLineBreakOrTab(std::string_view text) {
  return text.find_first_of(std::string_view("\t\r\n\0", 4)) != std::string_view::npos;
}

}  // namespace

std::optional<std::string> findRegistryValue(std::string_view text, std::string_view key, std::string_view name) {
  for (const std::string_view line : splitLines(text)) {
    const std::optional<Entry> entry = parseLine(line);
    if (!entry || !matches(*entry, key, name)) continue;
    if (entry->value.size() > kRegistryValueMaxBytes) return std::nullopt;
    return std::string(entry->value);
  }
  return std::nullopt;
}

std::optional<std::string> registryTextWith(std::string_view text, std::string_view key, std::string_view name,
                                            std::string_view value) {
  if (key.empty() || holdsLineBreakOrTab(key) || holdsLineBreakOrTab(name) || holdsLineBreakOrTab(value) ||
      value.size() > kRegistryValueMaxBytes) {
    return std::nullopt;
  }
  std::string newLine;
  newLine.append(key).append("\t").append(name).append("\t").append(value).append("\n");

  std::string content;
  bool placed = false;
  for (const std::string_view line : splitLines(text)) {
    if (line.empty()) continue;
    const std::optional<Entry> entry = parseLine(line);
    if (entry && matches(*entry, key, name)) {
      // The first match takes the new value; later duplicates go, so the file says one thing.
      if (!placed) content += newLine;
      placed = true;
      continue;
    }
    content.append(line).append("\n");
  }
  if (!placed) content += newLine;
  // A file the reader would ignore would lose the value just written.
  if (content.size() > kRegistryFileMaxBytes) return std::nullopt;
  return content;
}

std::optional<std::string> readRegistryValue(const std::filesystem::path& file, std::string_view key,
                                             std::string_view name) {
  const RegularFileRead read = readRegularFile(file, kRegistryFileMaxBytes);
  if (read.status != FileStatus::Ok) return std::nullopt;
  return findRegistryValue(read.bytes, key, name);
}

bool writeRegistryValue(const std::filesystem::path& file, std::string_view key, std::string_view name,
                        std::string_view value) {
  const RegularFileRead read = readRegularFile(file, kRegistryFileMaxBytes);
  // Anything but a readable file of ours (none, too large, a link, a FIFO) is replaced, never
  // followed; a file we may not read is not overwritten blind.
  if (read.status == FileStatus::Failed) return false;
  const std::optional<std::string> content = registryTextWith(read.bytes, key, name, value);
  const std::filesystem::path root = file.parent_path().empty() ? std::filesystem::path(".") : file.parent_path();
  return content && replaceFileDurably(FileTarget::inRoot(root, file), *content);
}

}  // namespace coinest
