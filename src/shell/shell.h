#pragma once

// The program's main window without the window: start-up, the commands of menus, tabs, display
// fields and the command bar, the notifications of the page lists, the keys, the two one-second
// timers and the exit. The window layer calls these and draws `screen()`.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "platform/clock.h"
#include "platform/status.h"
#include "shell/screen.h"
#include "shell/shell_state.h"
#include "shell/shell_ui.h"

namespace coinest {

struct ShellContext;
class ObjectStore;
class ChangeFileWriter;
class DayChangeDetector;
struct Book;

struct ShellOptions {
  std::filesystem::path root;  // the device root, prepared
  const Clock* clock = nullptr;
  std::string oemInfo;         // the device's OEM information text
  std::optional<int> firstPage;  // overrides the page of the initialisation file
};

enum class StartOutcome {
  Running,        // the first page is shown
  LoginRefused,   // the password was not given: the program ends
  Failed,         // the book could not be opened (see the status)
};

struct StartResult {
  StartOutcome outcome = StartOutcome::Failed;
  Status status;
};

// Whether the shell has a handler for a number it was sent. A handled command may still find
// nothing to do (a change without a selected row); a number the shell does not know changes
// nothing, and the sender's table is at fault.
enum class CommandOutcome { Handled, Unknown };

// Virtual key codes of the keys the page lists react to.
namespace keys {
inline constexpr int Enter = 0x0D;
inline constexpr int Shift = 0x10;
inline constexpr int Space = 0x20;
inline constexpr int Left = 0x25;
inline constexpr int Up = 0x26;
inline constexpr int Right = 0x27;
inline constexpr int Down = 0x28;
inline constexpr int Digit0 = 0x30;
inline constexpr int Digit3 = 0x33;
inline constexpr int Digit8 = 0x38;
inline constexpr int ArmEnter = 134;   // arms Enter on device kind 4
inline constexpr int Next136 = 136;
inline constexpr int Previous137 = 137;
inline constexpr int Today190 = 190;
inline constexpr int Previous229 = 229;
}  // namespace keys

class Shell {
 public:
  Shell(ShellOptions options, ShellUi& ui);
  ~Shell();
  Shell(const Shell&) = delete;
  Shell& operator=(const Shell&) = delete;

  // Opens the book and runs the start-up in its order, up to the first page.
  StartResult start();

  // A command number: menu item, accelerator, tab button, display-field button, command-bar
  // button or popup-menu item.
  CommandOutcome command(int command);
  // An edit field of a page received the focus.
  CommandOutcome fieldFocused(int controlId);
  void listSelectionChanged(int listId, int row);
  void listTapped(int listId, int row);
  // Tap-and-hold, or a right click, at `at`.
  void listHeld(int listId, std::optional<ScreenPoint> at);
  // A key pressed while `listId` has the focus.
  void listKey(int listId, int keyCode);
  // A tap on the calendar's cell of `day` in `row` (0 to 5).
  void calendarTapped(int day, int row);
  // Timers 2 and 3; the window calls this once a second.
  void tick();

  // The close command (kCloseCommand, kExitCommand) ran: the window should close now and call exit().
  bool closeRequested() const { return closeRequested_; }
  // Writes the initialisation file with the state of this moment.
  Status exit();

  const Screen& screen() const;
  const ShellState& state() const;
  ShellContext& context() { return *context_; }

 private:
  ShellOptions options_;
  ShellUi& ui_;
  std::unique_ptr<ObjectStore> store_;
  std::unique_ptr<ChangeFileWriter> changes_;
  std::unique_ptr<Book> book_;
  std::unique_ptr<ShellContext> context_;
  bool closeRequested_ = false;
  bool shiftArmed_ = false;
  bool enterArmed_ = false;
  std::unique_ptr<DayChangeDetector> dayChange_;

  friend class ShellDispatch;
};

}  // namespace coinest
