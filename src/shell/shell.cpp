#include "shell/shell.h"

#include <array>

#include "calendar/date_text.h"
#include "calendar/user_holidays.h"
#include "calendar/day_number.h"
#include "dialogs/query_page_state.h"
#include "exchange/backup_restore.h"
#include "exchange/change_file.h"
#include "exchange/desktop_import.h"
#include "exchange/exchange_folder.h"
#include "exchange/outbox.h"
#include "exchange/upgrade.h"
#include "ledger/carry_over.h"
#include "ledger/reservation_posting.h"
#include "ledger/settlement_month.h"
#include "platform/device_root.h"
#include "platform/object_store.h"
#include "shell/holiday_refresh.h"
#include "shell/ini_file.h"
#include "dialogs/login_dialog.h"
#include "shell/popup_menus.h"
#include "shell/record_dialogs.h"
#include "dialogs/settings_dialog.h"
#include "shell/shell_context.h"
#include "dialogs/year_month_dialog.h"
#include "store/book.h"
#include "store/book_tables.h"
#include "store/settings_records.h"

namespace coinest {

namespace {

// The tab row, left to right: each tab's command and page.
struct Tab {
  int command;
  int page;
};
constexpr std::array<Tab, 6> kTabs{{{20015, PageBooks},
                                    {20011, PageQuery},
                                    {20017, PageSettlement},
                                    {20016, PageReservations},
                                    {20018, PageCategories},
                                    {20012, PageAssets}}};

int tabIndexOfPage(int page) {
  for (std::size_t i = 0; i < kTabs.size(); ++i) {
    if (kTabs[i].page == page) return static_cast<int>(i);
  }
  return -1;
}

int pageOfTabCommand(int command) {
  for (const Tab& tab : kTabs) {
    if (tab.command == command) return tab.page;
  }
  return kNoPage;
}

int tabCommandOfPage(int page) {
  const int index = tabIndexOfPage(page);
  return index < 0 ? 0 : kTabs[static_cast<std::size_t>(index)].command;
}

DayNumber dayNumberOf(const LocalTime& t) {
  DateTime time;
  time.year = static_cast<std::uint16_t>(t.year);
  time.month = static_cast<std::uint16_t>(t.month);
  time.day = static_cast<std::uint16_t>(t.day);
  time.hour = static_cast<std::uint16_t>(t.hour);
  time.minute = static_cast<std::uint16_t>(t.minute);
  time.second = static_cast<std::uint16_t>(t.second);
  time.millisecond = static_cast<std::uint16_t>(t.millisecond);
  return toDayNumber(time);
}

bool inRange(int id, int first, int last) { return id >= first && id <= last; }

// The query page's condition fields and buttons that open the condition dialog.
bool opensQueryCondition(int id) {
  static constexpr std::array kIds{21043, 21067, 21068, 21069, 21070, 21071, 21072, 21073, 21088, 21099, 21100,
                                   21101, 21102, 21103, 21104, 21105, 21106, 21116, 21117, 21118, 21119, 21120,
                                   21121, 21122, 21123, 21124, 21125, 21126, 21127};
  for (int known : kIds) {
    if (known == id) return true;
  }
  return false;
}

void showFailure(ShellUi& ui, const Status& status) {
  if (!status) ui.showMessage(status.reason(), MessageCaption::Error);
}

}  // namespace

// The command numbers of the window, run against the shell's state.
class ShellDispatch {
 public:
  explicit ShellDispatch(Shell& shell) : shell_(shell), context_(*shell.context_) {}

  void pageCommand(int page);
  void menuCommand(int command);
  void barCommand(int command);
  void fieldCommand(int id);
  void yearMonthDialog();
  void bookReplaced();
  void step(int listId, int direction);
  void openPopup(int listId, std::optional<ScreenPoint> at);
  void key(int listId, int keyCode);
  void dayChanged();
  void exchangeTick();

 private:
  Shell& shell_;
  ShellContext& context_;
};

void ShellDispatch::pageCommand(int page) {
  ShellState& state = context_.state;
  if (page == state.currentPage) {
    context_.focusPageList();
    return;
  }
  if (page != PageQuery && page != PageAssets) context_.ui.showSoftInputPanel(false);
  state.currentPage = page;
  // A page left in its detail panel is found in its list when shown again.
  if (page != PageBooks && state.booksPanel == PanelMode::Detail) hideEntryDetail(context_);
  if (page != PageAssets && state.assetsPanel == PanelMode::Detail) hideAssetDetail(context_);
  if (page != PageQuery && state.queryPanel == PanelMode::Detail) hideQueryDetail(context_);
  if (page != PageSettlement && state.settlementPanel == PanelMode::Detail) hideSettlementDetail(context_);
  context_.showPageControls();

  auto rebuildOrRestore = [&](ListPage list, auto rebuild, auto restore) {
    bool& pending = state.rebuild(list);
    if (pending) {
      state.selectedRow[static_cast<int>(list)] = 0;
      rebuild(context_);
      pending = false;
    } else {
      restore(context_);
    }
  };
  switch (page) {
    case PageBooks:
      rebuildOrRestore(
          ListPage::Books,
          [](ShellContext& c) {
            c.books.selectedEntryId = 0;
            setBookViewMode(c, c.state.bookViewMode);
          },
          restoreBooksList);
      break;
    case PageQuery: rebuildOrRestore(ListPage::Query, rebuildQueryList, restoreQueryList); break;
    case PageAssets: rebuildOrRestore(ListPage::Assets, rebuildAssetsPage, restoreAssetsList); break;
    case PageReservations:
      rebuildOrRestore(ListPage::Reservations, rebuildReservationList, restoreReservationList);
      break;
    case PageSettlement: rebuildOrRestore(ListPage::Settlement, rebuildSettlementList, restoreSettlementList); break;
    case PageCategories: reloadCategoryLists(context_); break;
    default: break;
  }
  context_.showPageControls();
  context_.focusPageList();
}

void ShellDispatch::bookReplaced() {
  ShellState& state = context_.state;
  forgetEntryReads(context_);
  for (bool& pending : state.rebuildPending) pending = true;
  if (state.currentPage == PageBooks) state.currentPage = kNoPage;
  pageCommand(PageBooks);
}

void ShellDispatch::menuCommand(int command) {
  ShellState& state = context_.state;
  ShellUi& ui = context_.ui;
  Book& book = context_.book;
  switch (command) {
    case 40028:
      (void)backupBook(book, ui);
      context_.focusPageList();
      return;
    case 40029:
      if (restoreBook(book, ui, context_.root).reachedDialog) bookReplaced();
      return;
    case 40203: {
      const ResetResult reset = resetBook(book, ui);
      showFailure(ui, reset.status);
      if (reset.confirmed && reset.status) bookReplaced();
      context_.focusPageList();
      return;
    }
    case 40032: {
      SettingsDialog dialog(book.store, ui, openSettingsForm(state.settings, state.carryOver));
      ui.runSettingsDialog(dialog);
      if (const std::optional<SettingsSaveResult>& saved = dialog.saved()) {
        state.settings = saved->con;
        state.carryOver = saved->con2;
        // The start day and the used-only choice shape the settlement.
        forgetSettlementRead(context_);
        state.rebuild(ListPage::Settlement) = true;
        if (state.currentPage == PageSettlement) rebuildSettlementList(context_);
      }
      ui.showSoftInputPanel(false);
      context_.focusPageList();
      return;
    }
    case 40003:
      ui.showAboutBox();
      context_.focusPageList();
      return;
    case 1:
    case 40012: shell_.closeRequested_ = true; return;
    default: return;
  }
}

void ShellDispatch::yearMonthDialog() {
  ShellState& state = context_.state;
  const bool books = state.currentPage == PageBooks;
  if (!books && state.currentPage != PageSettlement) return;
  context_.focusPageList();
  const YearMonthForm form = books ? openYearMonthForm(context_.screen.calendar.year, context_.screen.calendar.month)
                                   : openYearMonthForm(state.settlementYear, state.settlementMonth);
  YearMonthDialog dialog(context_.ui, form);
  context_.ui.runYearMonthDialog(dialog);
  const std::optional<YearMonth>& chosen = dialog.chosen();
  if (!chosen) {
    context_.focusPageList();
    return;
  }
  if (books) {
    state.bookDate = bookDateOfMonth(*chosen);
    setBookViewMode(context_, state.bookViewMode);
  } else {
    showSettlementMonth(context_, chosen->year, chosen->month);
  }
  context_.focusPageList();
}

void ShellDispatch::barCommand(int command) {
  ShellContext& c = context_;
  auto moveAndNotify = [&](int listId, int direction) {
    const int row = c.moveSelection(listId, direction);
    if (row >= 0) shell_.listSelectionChanged(listId, row);
    c.focus(listId);
  };
  switch (command) {
    case 10103: deleteSelectedEntry(c); return;
    case 10110: moveBookPeriod(c, -1); return;
    case 10111: moveBookPeriod(c, +1); return;
    case 10112: setBookViewMode(c, 'D'); return;
    case 10113: setBookViewMode(c, 'W'); return;
    case 10114: setBookViewMode(c, 'M'); return;
    case 10115: showBookToday(c); return;
    case 10118: showEntryDetail(c); return;
    case 10119: hideEntryDetail(c); return;
    case 10120: moveAndNotify(kBooksList, -1); return;
    case 10121: moveAndNotify(kBooksList, +1); return;
    case 10203: deleteSelectedReservation(c); return;
    case 10301: moveSettlementMonth(c, -1); return;
    case 10302: moveSettlementMonth(c, +1); return;
    case 10303: moveSettlementMonth(c, 0); return;
    case 10304: yearMonthDialog(); return;
    case 10307: showSettlementDetail(c); return;
    case 10308: hideSettlementDetail(c); return;
    case 10309: moveAndNotify(kSettlementList, -1); return;
    case 10310: moveAndNotify(kSettlementList, +1); return;
    case 10311: toggleSettlementMinorRows(c); return;
    case 10403: deleteSelectedAsset(c); return;
    case 10406: showAssetDetail(c); return;
    case 10407: hideAssetDetail(c); return;
    case 10408: moveAndNotify(kAssetList, -1); return;
    case 10409: moveAndNotify(kAssetList, +1); return;
    case 10605: showQueryDetail(c); return;
    case 10606: hideQueryDetail(c); return;
    case 10607: moveAndNotify(kQueryList, -1); return;
    case 10608: moveAndNotify(kQueryList, +1); return;
    case 10701: c.ui.startCalculator(); return;
    default: break;
  }
  if (command == 10501 || command == 10502 || command == 10509 || command == 10510) {
    runCategoryDialogCommand(c, command >= 10509, command == 10502 || command == 10510);
    return;
  }
  if (inRange(command, 10501, 10511)) {
    runCategoryCommand(c, command);
    // The settlement lists the categories in their order and by their names.
    forgetSettlementRead(c);
    c.state.rebuild(ListPage::Settlement) = true;
    return;
  }
  switch (command) {
    case 10101: runEntryDialogCommand(c, false); return;
    case 10102: runEntryDialogCommand(c, true); return;
    case 10201: runReservationDialogCommand(c, false); return;
    case 10202: runReservationDialogCommand(c, true); return;
    case 10401: runAssetDialogCommand(c, false); return;
    case 10402: runAssetDialogCommand(c, true); return;
    case 10601: runQueryDialogCommand(c); return;
    default: return;
  }
}

void ShellDispatch::fieldCommand(int id) {
  ShellContext& c = context_;
  switch (id) {
    case 21032: barCommand(10112); return;
    case 21033: barCommand(10113); return;
    case 21034: barCommand(10114); return;
    case 21112: moveBookMonth(c, -1); return;
    case 21113: moveBookMonth(c, +1); return;
    case 21097: setQueryKind(c, 0); return;
    case 21098: setQueryKind(c, 1); return;
    case 21115: setQueryKind(c, 2); return;
    case 21041: setCategoryKind(c, true); return;
    case 21042: setCategoryKind(c, false); return;
    default: break;
  }
  if (c.state.currentPage == PageQuery && opensQueryCondition(id)) {
    c.focusPageList();
    barCommand(10601);
    return;
  }
  c.focusPageList();
}

void ShellDispatch::step(int listId, int direction) {
  ShellContext& c = context_;
  switch (listId) {
    case kBooksList:
      if (c.state.booksPanel == PanelMode::List) moveBookPeriod(c, direction);
      return;
    case kAssetList:
      if (c.state.assetsPanel == PanelMode::List) stepAssetKind(c, direction);
      return;
    case kMinorCategoryList: stepMajorCategory(c, direction); return;
    default: return;
  }
}

void ShellDispatch::openPopup(int listId, std::optional<ScreenPoint> at) {
  const PopupMenu menu = popupMenuOf(listId, context_.state);
  if (menu.items.empty()) return;
  const int chosen = context_.ui.trackPopupMenu(menu, at);
  if (const int command = commandOfPopupItem(chosen); command != 0) barCommand(command);
}

void ShellDispatch::key(int listId, int keyCode) {
  const DeviceKind device = context_.state.deviceKind;
  const int kind = static_cast<int>(device);
  const bool stepsHere = listId == kBooksList || listId == kAssetList || listId == kMinorCategoryList;
  if (keyCode == keys::Left || keyCode == keys::Right) {
    const int index = tabIndexOfPage(context_.state.currentPage);
    if (index < 0) return;
    const int count = static_cast<int>(kTabs.size());
    const int next = (index + (keyCode == keys::Left ? count - 1 : 1)) % count;
    pageCommand(kTabs[static_cast<std::size_t>(next)].page);
    return;
  }
  if (keyCode == keys::Enter) {
    const bool armed = shell_.enterArmed_;
    shell_.enterArmed_ = false;
    if (kind == 4 && !armed) {
      if (stepsHere) step(listId, -1);
      return;
    }
    openPopup(listId, std::nullopt);
    return;
  }
  if (keyCode == keys::ArmEnter) {
    if (kind == 4) shell_.enterArmed_ = true;
    return;
  }
  if (keyCode == keys::Shift) {
    if (stepsHere) shell_.shiftArmed_ = true;
    return;
  }
  if (shell_.shiftArmed_ && (keyCode == keys::Digit3 || keyCode == keys::Digit8)) {
    shell_.shiftArmed_ = false;
    step(listId, keyCode == keys::Digit3 ? +1 : -1);
    return;
  }
  if (listId == kBooksList && context_.state.booksPanel == PanelMode::List) {
    const bool today = keyCode == keys::Digit0 || (kind == 2 && keyCode == keys::Space) ||
                       ((kind == 1 || kind == 4) && keyCode == keys::Today190);
    if (today) {
      showBookToday(context_);
      return;
    }
  }
  if (!stepsHere) return;
  if ((kind == 2 && keyCode == keys::Next136) || ((kind == 3 || kind == 4) && keyCode == keys::Space)) {
    step(listId, +1);
  } else if ((kind == 2 && keyCode == keys::Previous137) || (kind == 3 && keyCode == keys::Previous229)) {
    step(listId, -1);
  }
}

void ShellDispatch::dayChanged() {
  ShellContext& c = context_;
  ShellState& state = c.state;
  {
    ModeScope busy(c.book.modes.importBusy);
    showFailure(c.ui, postDueReservations(c.book));
  }
  forgetEntryReads(c);
  switch (state.currentPage) {
    case PageBooks:
      redrawBooksPage(c);
      state.rebuild(ListPage::Settlement) = true;
      break;
    case PageSettlement:
      rebuildSettlementList(c);
      c.focusPageList();
      state.rebuild(ListPage::Books) = true;
      break;
    case PageQuery:
      rebuildQueryList(c);
      c.focusPageList();
      state.rebuild(ListPage::Books) = true;
      state.rebuild(ListPage::Settlement) = true;
      break;
    default:
      state.rebuild(ListPage::Books) = true;
      state.rebuild(ListPage::Settlement) = true;
      break;
  }
}

void ShellDispatch::exchangeTick() {
  ShellContext& c = context_;
  const std::filesystem::path folder = exchangeFolderPath(c.root);
  if (!c.book.modes.exchangeEnabled) {
    c.state.exchangeEnabled = checkExchangeFolder(c.book, folder);
    return;
  }
  if (c.book.modes.importBusy) return;
  const ImportRun run = importChangeFiles(c.book, folder);
  if (!run.ran) return;
  if (run.applied > 0 || run.wiped) {
    forgetEntryReads(c);
    for (bool& pending : c.state.rebuildPending) pending = true;
    const int page = c.state.currentPage;
    c.state.currentPage = kNoPage;
    if (isPageNumber(page)) pageCommand(page);
  }
}

Shell::Shell(ShellOptions options, ShellUi& ui) : options_(std::move(options)), ui_(ui) {}
Shell::~Shell() = default;

StartResult Shell::start() {
  const Clock& clock = *options_.clock;
  BookOpenResult opened = openBook(objectStoreFilePath(options_.root), clock);
  if (!opened.store) return {StartOutcome::Failed, Status::failure(opened.error)};
  store_ = std::move(opened.store);
  const std::filesystem::path folder = exchangeFolderPath(options_.root);
  changes_ = std::make_unique<ChangeFileWriter>(folder);
  book_ = std::make_unique<Book>(*store_, clock);
  book_->changes = changes_.get();
  UserHolidays userHolidays = loadUserHolidays(options_.root);
  book_->holidays.setUserDays(std::move(userHolidays.days));
  context_ = std::make_unique<ShellContext>(*book_, ui_, options_.root);
  for (const std::string& problem : userHolidays.problems) ui_.showMessage(problem, MessageCaption::Notice);
  ShellContext& c = *context_;
  ShellState& state = c.state;

  showFailure(ui_, refreshHolidaysOnce(*store_, options_.root, !opened.created.allRecordTablesNew()).status);
  state.exchangeEnabled = checkExchangeFolder(*book_, folder);
  showFailure(ui_, flushOutbox(*store_, folder).status);
  state.dayStamp = dayNumberOf(clock.now());
  dayChange_ = std::make_unique<DayChangeDetector>(state.dayStamp);

  const IniState ini = readIniFile(options_.root);
  state.latinInput = ini.latinInput;
  state.currentPage = ini.currentPage;  // what an exit before the first page writes back
  state.bookViewMode = ini.bookViewMode;
  state.queryKind = ini.queryKind;
  state.deviceKind = deviceKindOf(options_.oemInfo);

  readConSettings(*store_, state.settings);
  readCon2Settings(*store_, state.carryOver);
  if (loginRequired(state.settings)) {
    LoginDialog login(state.settings.password, ui_);
    ui_.runLoginDialog(login);
    if (!login.passed()) return {StartOutcome::LoginRefused, Status::ok()};
  }

  ui_.setWaitCursor(true);
  const TodayDate now = today(clock);
  state.bookDate = now.text;
  c.books.period = BookPeriod{now.text, now.text, now.text};
  c.screen.setText(20047, now.text);
  c.screen.setText(20048, now.text);
  const YearMonth settlement =
      settlementMonthOf(now.year, now.month, now.day, settlementStartDayOf(state.settings.settlementStartDay));
  state.settlementYear = settlement.year;
  state.settlementMonth = settlement.month;
  c.query.model = startQueryPageState(clock);
  for (bool& pending : state.rebuildPending) pending = true;

  (void)checkUpgradeAtStart(*book_, ui_, options_.root);
  ui_.setWaitCursor(false);

  showFailure(ui_, offerCarryOver(*book_, ui_));
  readCon2Settings(*store_, state.carryOver);

  state.currentPage = kNoPage;
  const int firstPage = options_.firstPage.value_or(ini.currentPage);
  if (isPageNumber(firstPage)) {
    command(tabCommandOfPage(firstPage));
  } else {
    c.showPageControls();
  }
  return {StartOutcome::Running, Status::ok()};
}

void Shell::command(int command) {
  ShellDispatch dispatch(*this);
  if (const int page = pageOfTabCommand(command); page != kNoPage) {
    dispatch.pageCommand(page);
  } else if (command == 1 || (command >= 40000 && command < 40100) || command == 40203) {
    dispatch.menuCommand(command);
  } else if (command >= 40100 && command < 40300) {
    if (const int forwarded = commandOfPopupItem(command); forwarded != 0) dispatch.barCommand(forwarded);
  } else if (command >= 10000 && command < 11000) {
    dispatch.barCommand(command);
  } else if (command >= 20000 && command < 23000) {
    dispatch.fieldCommand(command);
  }
}

void Shell::fieldFocused(int controlId) {
  ShellDispatch dispatch(*this);
  if (controlId == 20100 || controlId == 20101 || controlId == 21066) {
    dispatch.yearMonthDialog();
    return;
  }
  dispatch.fieldCommand(controlId);
}

void Shell::listSelectionChanged(int listId, int row) {
  ShellContext& c = *context_;
  switch (listId) {
    case kBooksList: booksSelectionChanged(c, row); break;
    case kQueryList: querySelectionChanged(c, row); break;
    case kAssetList: assetSelectionChanged(c, row); break;
    case kReservationList: reservationSelectionChanged(c, row); break;
    case kSettlementList: settlementSelectionChanged(c, row); break;
    case kMinorCategoryList: minorSelectionChanged(c, row); break;
    case kMajorCategoryList: majorSelectionChanged(c, row); break;
    case kAssetKindList: assetKindSelectionChanged(c, row); break;
    default:
      if (c.screen.contains(listId)) c.screen.selectRow(listId, row);
      break;
  }
}

void Shell::listTapped(int listId, int row) {
  ShellContext& c = *context_;
  if (listId == kMajorCategoryList) majorTapped(c, row);
  if (listId == kAssetKindList) assetKindTapped(c, row);
}

void Shell::listHeld(int listId, std::optional<ScreenPoint> at) { ShellDispatch(*this).openPopup(listId, at); }

void Shell::listKey(int listId, int keyCode) { ShellDispatch(*this).key(listId, keyCode); }

void Shell::calendarTapped(int day, int row) { pickCalendarDay(*context_, day, row); }

void Shell::tick() {
  if (!context_) return;
  ShellDispatch dispatch(*this);
  if (dayChange_->dayChanged(dayNumberOf(options_.clock->now()))) dispatch.dayChanged();
  dispatch.exchangeTick();
}

Status Shell::exit() {
  if (!context_) return Status::ok();
  const ShellState& state = context_->state;
  IniState ini;
  ini.latinInput = state.latinInput;
  ini.currentPage = state.currentPage;
  ini.bookViewMode = state.bookViewMode;
  ini.queryKind = state.queryKind;
  return writeIniFile(options_.root, ini);
}

const Screen& Shell::screen() const { return context_->screen; }
const ShellState& Shell::state() const { return context_->state; }

}  // namespace coinest
