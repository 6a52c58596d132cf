// coinest-install: stands in for the device's installer. It loads the install library, finds its
// four hooks and calls them in the installer's order; it copies no files.
//
//   coinest-install [--library FILE] [--root DIR] install DIR
//   coinest-install [--library FILE] [--root DIR] uninstall
//
// Exit status: 0 done, 1 the library or a hook is missing or a hook refused, 2 wrong usage.

#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>

#include <CLI/CLI.hpp>

#include "setup/hook_library.h"

namespace {

constexpr int kExitDone = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

int refused(const char* hook, int result) {
  std::cerr << "coinest-install: " << hook << " returned " << result << "; the installer stops\n";
  return kExitFailed;
}

int install(const coinest::setup::InstallHooks& hooks, const std::string& dir) {
  if (const int result = hooks.installInit(nullptr, 1, 0, dir.c_str()); result != kInstallInitContinue) {
    return refused("Install_Init", result);
  }
  // The files would be copied here; a Linux installation has its own packages for that.
  if (const int result = hooks.installExit(nullptr, dir.c_str(), 0, 0, 0, 0, 0); result != kInstallExitDone) {
    return refused("Install_Exit", result);
  }
  return kExitDone;
}

int uninstall(const coinest::setup::InstallHooks& hooks) {
  if (const int result = hooks.uninstallInit(nullptr, ""); result != kUninstallInitContinue) {
    return refused("Uninstall_Init", result);
  }
  if (const int result = hooks.uninstallExit(nullptr); result != kUninstallExitDone) {
    return refused("Uninstall_Exit", result);
  }
  return kExitDone;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"Calls the install hooks of Coinest's install library as the device's installer does."};
  app.require_subcommand(1);
  std::optional<std::string> library;
  std::optional<std::string> root;
  app.add_option("--library", library, "The install library (default: libcoinest-setup.so beside this program)");
  app.add_option("--root", root, "The device root (default: $COINEST_ROOT, else $XDG_DATA_HOME/coinest)");
  std::string installDir;
  CLI::App* installCommand = app.add_subcommand("install", "Install_Init, then Install_Exit with DIR");
  installCommand->add_option("DIR", installDir, "The installation folder named in the shortcut")->required();
  app.add_subcommand("uninstall", "Uninstall_Init, then Uninstall_Exit");
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    app.exit(e);
    return kExitUsage;
  }

  if (root && root->empty()) {
    std::cerr << "coinest-install: --root needs a folder\n";
    return kExitUsage;
  }
  // The library finds the root as the program does, so --root speaks to it through the same variable.
  if (root && ::setenv("COINEST_ROOT", root->c_str(), 1) != 0) {
    std::cerr << "coinest-install: cannot pass on the device root\n";
    return kExitFailed;
  }
  const coinest::setup::HookLibrary hooks =
      coinest::setup::HookLibrary::load(library ? std::filesystem::path(*library) : coinest::setup::defaultHookLibraryPath());
  if (!hooks.loaded()) {
    std::cerr << "coinest-install: " << hooks.error() << '\n';
    return kExitFailed;
  }
  return installCommand->parsed() ? install(hooks.hooks(), installDir) : uninstall(hooks.hooks());
}
