#pragma once

// The install library as the installer sees it: loaded from a file, its four hooks found by name.

#include <filesystem>
#include <memory>
#include <string>

#include "setup/install_hooks.h"

namespace coinest::setup {

struct InstallHooks {
  InstallInitHook installInit = nullptr;
  InstallExitHook installExit = nullptr;
  UninstallInitHook uninstallInit = nullptr;
  UninstallExitHook uninstallExit = nullptr;
};

class HookLibrary {
 public:
  // Loads the library at `file` and finds all four hooks. On failure nothing stays loaded and
  // the result holds no library, only the reason (the file, the hook that is missing).
  static HookLibrary load(const std::filesystem::path& file);

  bool loaded() const { return handle_ != nullptr; }
  const std::string& error() const { return error_; }
  // REQUIRES: loaded(). The hooks stay callable while this object lives.
  const InstallHooks& hooks() const { return hooks_; }

 private:
  struct Unloader {
    void operator()(void* handle) const;
  };
  std::unique_ptr<void, Unloader> handle_;
  InstallHooks hooks_;
  std::string error_;
};

// Where the installer looks when it is not told: libcoinest-setup.so next to its own executable.
std::filesystem::path defaultHookLibraryPath();

}  // namespace coinest::setup
