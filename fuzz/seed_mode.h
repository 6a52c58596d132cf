#pragma once

// The seed mode every fuzz target has: with COINEST_FUZZ_WRITE_SEEDS=DIR set, the target writes
// its seed inputs into DIR and exits, so the seeds always follow the writers of the format.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>

namespace coinest::fuzz {

// For LLVMFuzzerInitialize: in seed mode, creates DIR, writes the seeds with `writeSeeds` and
// exits; otherwise returns at once.
inline void writeSeedsWhenAsked(void (*writeSeeds)(const std::filesystem::path& dir)) {
  const char* dir = std::getenv("COINEST_FUZZ_WRITE_SEEDS");
  if (dir == nullptr || *dir == '\0') return;
  std::filesystem::create_directories(dir);
  writeSeeds(dir);
  std::exit(0);
}

// Writes each seed as its own file DIR/seedN, N counting from 0.
inline void writeSeedFiles(const std::filesystem::path& dir, std::span<const std::string> seeds) {
  int n = 0;
  for (const std::string& seed : seeds) {
    std::ofstream(dir / ("seed" + std::to_string(n++)), std::ios::binary) << seed;
  }
}

}  // namespace coinest::fuzz
