#include "setup/hook_library.h"

#include <dlfcn.h>

namespace coinest::setup {

namespace {

template <typename Hook>
bool find(void* handle, const char* name, Hook& hook) {
  hook = reinterpret_cast<Hook>(::dlsym(handle, name));
  return hook != nullptr;
}

}  // namespace

void HookLibrary::Unloader::operator()(void* handle) const { ::dlclose(handle); }

HookLibrary HookLibrary::load(const std::filesystem::path& file) {
  HookLibrary library;
  // A bare name would send dlopen searching the system's folders instead of opening this file.
  const std::filesystem::path path = file.has_parent_path() ? file : std::filesystem::path(".") / file;
  std::unique_ptr<void, Unloader> handle(::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL));
  if (!handle) {
    const char* reason = ::dlerror();
    library.error_ = "cannot load the install library " + file.string() + ": " + (reason != nullptr ? reason : "");
    return library;
  }
  InstallHooks hooks;
  const char* missing = !find(handle.get(), "Install_Init", hooks.installInit)       ? "Install_Init"
                        : !find(handle.get(), "Install_Exit", hooks.installExit)     ? "Install_Exit"
                        : !find(handle.get(), "Uninstall_Init", hooks.uninstallInit) ? "Uninstall_Init"
                        : !find(handle.get(), "Uninstall_Exit", hooks.uninstallExit) ? "Uninstall_Exit"
                                                                                      : nullptr;
  if (missing != nullptr) {
    library.error_ = "the install library " + file.string() + " has no hook " + missing;
    return library;
  }
  library.handle_ = std::move(handle);
  library.hooks_ = hooks;
  return library;
}

std::filesystem::path defaultHookLibraryPath() {
  std::error_code ec;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
  return (ec ? std::filesystem::path(".") : self.parent_path()) / "libcoinest-setup.so";
}

}  // namespace coinest::setup
