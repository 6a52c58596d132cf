#include "platform/registry_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

namespace coinest {

namespace {

enum class LoadState { Missing, Loaded, Oversized, Failed };

struct LoadedFile {
  LoadState state = LoadState::Failed;
  std::string text;
};

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }
  // Closes now so that the caller learns of a failed close; the destructor then does nothing.
  bool close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

LoadedFile loadFile(const std::filesystem::path& file) {
  LoadedFile loaded;
  // O_NONBLOCK so that a FIFO planted at the path cannot hang the start.
  FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
  if (fd.get() < 0) {
    loaded.state = errno == ENOENT ? LoadState::Missing : LoadState::Failed;
    return loaded;
  }
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) return loaded;

  // Read one byte past the limit to see whether the file is too large, whatever fstat said.
  std::string text(kRegistryFileMaxBytes + 1, '\0');
  std::size_t total = 0;
  while (total < text.size()) {
    const ssize_t n = ::read(fd.get(), text.data() + total, text.size() - total);
    if (n < 0) {
      if (errno == EINTR) continue;
      return loaded;
    }
    if (n == 0) break;
    total += static_cast<std::size_t>(n);
  }
  if (total > kRegistryFileMaxBytes) {
    loaded.state = LoadState::Oversized;
    return loaded;
  }
  text.resize(total);
  loaded.state = LoadState::Loaded;
  loaded.text = std::move(text);
  return loaded;
}

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

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

bool syncFolder(const std::filesystem::path& folder) {
  FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.get() < 0) return false;
  return ::fsync(fd.get()) == 0;
}

bool replaceFileAtomically(const std::filesystem::path& file, std::string_view content) {
  std::filesystem::path folder = file.parent_path();
  if (folder.empty()) folder = ".";
  std::string tempName = ".";
  tempName.append(file.filename().string()).append(".XXXXXX");
  std::string temp = (folder / tempName).string();
  FileDescriptor fd(::mkostemp(temp.data(), O_CLOEXEC));
  if (fd.get() < 0) return false;
  const bool written = writeAll(fd.get(), content) && ::fsync(fd.get()) == 0;
  if (!fd.close() || !written || ::rename(temp.c_str(), file.c_str()) != 0) {
    ::unlink(temp.c_str());
    return false;
  }
  // Without this the rename itself may not survive a power cut.
  return syncFolder(folder);
}

}  // namespace

std::optional<std::string> readRegistryValue(const std::filesystem::path& file, std::string_view key,
                                             std::string_view name) {
  const LoadedFile loaded = loadFile(file);
  if (loaded.state != LoadState::Loaded) return std::nullopt;
  for (const std::string_view line : splitLines(loaded.text)) {
    const std::optional<Entry> entry = parseLine(line);
    if (!entry || !matches(*entry, key, name)) continue;
    if (entry->value.size() > kRegistryValueMaxBytes) return std::nullopt;
    return std::string(entry->value);
  }
  return std::nullopt;
}

bool writeRegistryValue(const std::filesystem::path& file, std::string_view key, std::string_view name,
                        std::string_view value) {
  if (key.empty() || holdsLineBreakOrTab(key) || holdsLineBreakOrTab(name) || holdsLineBreakOrTab(value) ||
      value.size() > kRegistryValueMaxBytes) {
    return false;
  }
  LoadedFile loaded = loadFile(file);
  if (loaded.state == LoadState::Failed) return false;
  if (loaded.state != LoadState::Loaded) loaded.text.clear();  // missing, or too large to be ours

  std::string newLine;
  newLine.append(key).append("\t").append(name).append("\t").append(value).append("\n");

  std::string content;
  bool placed = false;
  for (const std::string_view line : splitLines(loaded.text)) {
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
  if (content.size() > kRegistryFileMaxBytes) return false;
  return replaceFileAtomically(file, content);
}

}  // namespace coinest
