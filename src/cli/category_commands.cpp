// category add|edit|delete|up|down: the category dialog and the categories page's delete and moves.
// A command names a major category with --major; with --minor too it works on that minor category.

#include <optional>
#include <string>

#include "cli/console_ui.h"
#include "cli/dialog_options.h"
#include "cli/record_runner.h"
#include "cli/output_line.h"
#include "dialogs/category_dialog.h"
#include "dialogs/choice_list.h"
#include "store/category_tables.h"
#include "store/entry_kind.h"

namespace coinest::cli {

namespace {

struct CategoryArgs {
  CLI::App* add = nullptr;
  CLI::App* edit = nullptr;
  CLI::App* remove = nullptr;
  CLI::App* up = nullptr;
  CLI::App* down = nullptr;
  std::string kind;
  std::optional<std::string> major, minor, name, use;
} args;

// The page's lists as the command names them: the kind, the major and, when given, the minor.
struct Target {
  std::string itemKind;
  MajorList majors;
  int majorRow = -1;
  MinorList minors;
  int minorRow = -1;  // -1: the command is about the major
  const MajorItem& major() const { return majors.items[static_cast<std::size_t>(majorRow)]; }
  const MinorItem& minor() const { return minors.items[static_cast<std::size_t>(minorRow)]; }
};

template <class Item>
ChoiceList namesOf(const std::vector<Item>& items, int32_t Item::*id) {
  ChoiceList list;
  for (const Item& item : items) list.add(item.itemName, item.*id);
  return list;
}

std::optional<Target> findTarget(CommandContext& c) {
  Target target;
  if (args.kind == "수입" || args.kind == kIncomeKind) {
    target.itemKind = kIncomeKind;
  } else if (args.kind == "지출" || args.kind == kExpenseKind) {
    target.itemKind = kExpenseKind;
  } else {
    c.err << "--kind: \"" << args.kind << "\" is not offered; the choices are 수입, 지출\n";
    return std::nullopt;
  }
  target.majors = loadMajorItems(c.book(), target.itemKind);
  if (!args.major) return target;
  const std::optional<int> major = chosenRow(c, namesOf(target.majors.items, &MajorItem::majorId), *args.major, "--major");
  if (!major) return std::nullopt;
  target.majorRow = *major;
  target.minors = loadMinorItems(c.book(), target.major().majorId);
  if (!args.minor) return target;
  const std::optional<int> minor = chosenRow(c, namesOf(target.minors.items, &MinorItem::minorId), *args.minor, "--minor");
  if (!minor) return std::nullopt;
  target.minorRow = *minor;
  return target;
}

std::optional<bool> useNamed(CommandContext& c) {
  if (*args.use == "사용") return true;
  if (*args.use == "미사용") return false;
  c.err << "--use: \"" << *args.use << "\" is not offered; the choices are 사용, 미사용\n";
  return std::nullopt;
}

// Types the name and sets the use, as the options give them.
bool fillForm(CommandContext& c, CategoryDialog& dialog) {
  if (args.name) {
    if (!typedText(c, dialog.nameRefusal(*args.name), "--name")) return false;
    dialog.setName(*args.name);
  }
  if (args.use) {
    const std::optional<bool> use = useNamed(c);
    if (!use) return false;
    dialog.setInUse(*use);
  }
  return true;
}

int runDialog(CommandContext& c, const Target& target, DialogMode mode) {
  ConsoleUi ui(c.err);
  CategoryDialogRequest request{mode, CategoryLevel::Major, target.itemKind};
  if (target.majorRow >= 0) request.majorId = target.major().majorId;
  if (mode == DialogMode::Add ? target.majorRow >= 0 : target.minorRow >= 0) request.level = CategoryLevel::Minor;
  if (target.minorRow >= 0) request.minorId = target.minor().minorId;
  if (args.use && request.level == CategoryLevel::Major) {
    c.err << "--use: only a minor category is used or not\n";
    return kExitUsage;
  }
  std::optional<CategoryDialog> dialog = openCategoryDialog(c.book(), ui, request, false);
  if (!dialog) return kExitFailed;  // a reserved name, told by the dialog
  return fillAndPressOk(c, *dialog, fillForm(c, *dialog));
}

int runDelete(CommandContext& c, const Target& target) {
  const bool minor = target.minorRow >= 0;
  const CategoryLevel level = minor ? CategoryLevel::Minor : CategoryLevel::Major;
  const std::string& name = minor ? target.minor().itemName : target.major().itemName;
  if (const std::string refusal = reservedNameRefusal(level, CategoryAction::Delete, name); !refusal.empty()) {
    ConsoleUi(c.err).showMessage(refusal, MessageCaption::Error);
    return kExitFailed;
  }
  if (minor) return deletedOrFailed(c, deleteMinorCategory(c.book(), target.minor().minorId), target.minor().minorId);
  return deletedOrFailed(c, deleteMajorCategory(c.book(), target.major().majorId), target.major().majorId);
}

// Prints "moved<TAB>ID" when the category moved; one at the end it would move past stays, silently.
int runMove(CommandContext& c, const Target& target, MoveStep step) {
  const bool minor = target.minorRow >= 0;
  const std::size_t row = static_cast<std::size_t>(minor ? target.minorRow : target.majorRow);
  const std::size_t count = minor ? target.minors.items.size() : target.majors.items.size();
  const int32_t id = minor ? target.minor().minorId : target.major().majorId;
  if (!canMoveRow(count, row, step)) return kExitDone;
  const Status moved = minor ? moveMinorCategory(c.book(), target.minors.items, row, step)
                             : moveMajorCategory(c.book(), target.majors.items, row, step);
  if (!moved) return reportFailure(c, moved);
  printLine(c.out, {"moved", std::to_string(id)});
  return kExitDone;
}

int run(CommandContext& c) {
  const std::optional<Target> target = findTarget(c);
  if (!target) return kExitUsage;
  if (args.add->parsed()) return runDialog(c, *target, DialogMode::Add);
  if (args.edit->parsed()) return runDialog(c, *target, DialogMode::Change);
  if (args.remove->parsed()) return runDelete(c, *target);
  return runMove(c, *target, args.up->parsed() ? MoveStep::Up : MoveStep::Down);
}

void addTargetOptions(CLI::App& command, bool majorRequired) {
  command.add_option("--kind", args.kind, "분류: 수입 or 지출")->required();
  CLI::Option* major = command.add_option("--major", args.major, "대항목명, or its id");
  if (majorRequired) major->required();
}

const CommandRegistration kCategory{{
    "category",
    "add, change, delete or move a category through the category dialog and page",
    [](CLI::App& app) {
      app.require_subcommand(1);
      args.add = app.add_subcommand("add", "add a major category, or with --major a minor category under it");
      addTargetOptions(*args.add, false);
      args.add->add_option("--name", args.name, "항목명 of the new category")->required();
      args.add->add_option("--use", args.use, "사용여부 of a minor category: 사용 (default) or 미사용");
      args.edit = app.add_subcommand("edit", "change the major category, or with --minor the minor category");
      args.remove = app.add_subcommand("delete", "delete the major category with its minors, or with --minor the minor");
      args.up = app.add_subcommand("up", "move the category one row up its list");
      args.down = app.add_subcommand("down", "move the category one row down its list");
      for (CLI::App* command : {args.edit, args.remove, args.up, args.down}) {
        addTargetOptions(*command, true);
        command->add_option("--minor", args.minor, "소항목명, or its id");
      }
      args.edit->add_option("--name", args.name, "the new 항목명");
      args.edit->add_option("--use", args.use, "사용여부 of a minor category: 사용 or 미사용");
    },
    run,
}};

}  // namespace

}  // namespace coinest::cli
