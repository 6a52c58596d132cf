#include "shell/menu_bar.h"

namespace coinest {
namespace {

constexpr MenuBarItem kSeparator{};

constexpr MenuBarItem kFileMenu[] = {
    {kBackupCommand, "가계부 자료백업"},
    {kRestoreCommand, "가계부 자료복원"},
    kSeparator,
    {kResetBookCommand, "가계부 장부 초기화"},
    kSeparator,
    {kSettingsCommand, "환경설정"},
    kSeparator,
    {kExitCommand, "종료"},
};
constexpr MenuBarItem kHelpMenu[] = {{kAboutCommand, "Brivanta 가계부 정보"}};

constexpr MenuBarMenu kMenus[] = {{"파일", kFileMenu}, {"도움말", kHelpMenu}};

constexpr Accelerator kAccelerators[] = {{"Ctrl+A", kAboutCommand}, {"Ctrl+Q", kCloseCommand}};

}  // namespace

std::span<const MenuBarMenu> menuBar() { return kMenus; }

std::span<const Accelerator> accelerators() { return kAccelerators; }

}  // namespace coinest
