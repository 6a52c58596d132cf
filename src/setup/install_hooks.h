#pragma once

// The four functions the installer looks up by name in libcoinest-setup.so and calls while it
// installs or removes the program. They keep the installer's calling convention: the owner
// window and the failure counts are passed but not used here, and every hook returns 0, which
// tells the installer to go on (the Init hooks) or that the step is done (the Exit hooks).
//
// Texts are UTF-8. The device root is found as the program finds it: $COINEST_ROOT, else
// $XDG_DATA_HOME/coinest, else ~/.local/share/coinest.

#ifdef __cplusplus
extern "C" {
#endif

#define COINEST_SETUP_EXPORT __attribute__((visibility("default")))

enum {
  kInstallInitContinue = 0,
  kInstallExitDone = 0,
  kUninstallInitContinue = 0,
  kUninstallExitDone = 0
};

// Before the files are copied: does nothing.
COINEST_SETUP_EXPORT int Install_Init(void* ownerWindow, int firstCall, int previouslyInstalled,
                                      const char* installDir);

// After the files are copied: puts the Start-menu shortcut to "<installDir>\Coinest.exe" in
// place, tells the user "Brivanta 가계부가 설치되었습니다." and asks for a restart.
COINEST_SETUP_EXPORT int Install_Exit(void* ownerWindow, const char* installDir,
                                      unsigned short failedDirs, unsigned short failedFiles,
                                      unsigned short failedRegKeys, unsigned short failedRegValues,
                                      unsigned short failedShortcuts);

// Before the files are removed: does nothing.
COINEST_SETUP_EXPORT int Uninstall_Init(void* ownerWindow, const char* installDir);

// After the files are removed: deletes the shortcut (one removed by hand is no matter), tells the
// user "Brivanta 가계부가 제거되었습니다." and asks for a restart.
COINEST_SETUP_EXPORT int Uninstall_Exit(void* ownerWindow);

typedef int (*InstallInitHook)(void*, int, int, const char*);
typedef int (*InstallExitHook)(void*, const char*, unsigned short, unsigned short, unsigned short,
                               unsigned short, unsigned short);
typedef int (*UninstallInitHook)(void*, const char*);
typedef int (*UninstallExitHook)(void*);

#ifdef __cplusplus
}
#endif
