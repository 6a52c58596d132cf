#include "shell/shell.h"

#include <array>

#include "calendar/date_text.h"
#include "calendar/day_number.h"
#include "calendar/user_holidays.h"
#include "dialogs/login_dialog.h"
#include "dialogs/query_page_state.h"
#include "dialogs/settings_dialog.h"
#include "dialogs/year_month_dialog.h"
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
#include "shell/command_ids.h"
#include "shell/holiday_refresh.h"
#include "shell/ini_file.h"
#include "shell/popup_menus.h"
#include "shell/record_dialogs.h"
#include "shell/shell_context.h"
#include "shell/tab_row.h"
#include "store/book.h"
#include "store/book_tables.h"
#include "store/settings_records.h"

namespace coinest {

namespace {

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

// The query page's condition fields and buttons that open the condition dialog.
bool opensQueryCondition(int id) {
  static constexpr std::array kIds{
      kQueryConditionPanel,
      kQueryBooksDateCaption, kQueryBooksFrom, kQueryBooksTo, kQueryBooksCodeCaption, kQueryBooksCode,
      kQueryBooksAsset, kQueryBooksCategoryCaption, kQueryBooksMajor, kQueryBooksMinor,
      kQueryCardMonthCaption, kQueryCardMonth, kQueryCardNameCaption, kQueryCardName, kQueryCardPayDayCaption,
      kQueryCardPayDay, kQueryCardPeriodCaption, kQueryCardPeriod,
      kQueryAccountDateCaption, kQueryAccountFrom, kQueryAccountTo, kQueryAccountCompanyCaption,
      kQueryAccountCompany, kQueryAccountNameCaption, kQueryAccountName, kQueryAccountNumberCaption,
      kQueryAccountNumber, kQueryAccountHolderCaption, kQueryAccountHolder};
  for (int known : kIds) {
    if (known == id) return true;
  }
  return false;
}

bool inRange(int number, int first, int end) { return number >= first && number < end; }

bool isMenuCommand(int command) {
  return command == kCloseCommand || inRange(command, kMenuCommandsFirst, kMenuCommandsEnd) ||
         command == kResetBookCommand;
}
bool isPopupItemNumber(int command) { return inRange(command, kPopupItemsFirst, kPopupItemsEnd); }
bool isBarCommand(int command) { return inRange(command, kBarCommandsFirst, kBarCommandsEnd); }
bool isControlId(int command) { return inRange(command, kControlIdsFirst, kControlIdsEnd); }

void showFailure(ShellUi& ui, const Status& status) {
  if (!status) ui.showMessage(status.reason(), MessageCaption::Error);
}

}  // namespace

// The command numbers of the window, run against the shell's state.
class ShellDispatch {
 public:
  explicit ShellDispatch(Shell& shell) : shell_(shell), context_(*shell.context_) {}

  void pageCommand(int page);
  CommandOutcome menuCommand(int command);
  CommandOutcome barCommand(int command);
  CommandOutcome fieldCommand(int id);
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
  bookChanged(context_, BookChange::WholeBook);
  if (state.currentPage == PageBooks) state.currentPage = kNoPage;
  pageCommand(PageBooks);
}

CommandOutcome ShellDispatch::menuCommand(int command) {
  ShellState& state = context_.state;
  ShellUi& ui = context_.ui;
  Book& book = context_.book;
  switch (command) {
    case kBackupCommand:
      (void)backupBook(book, ui);
      context_.focusPageList();
      return CommandOutcome::Handled;
    case kRestoreCommand:
      if (restoreBook(book, ui, context_.root).reachedDialog) bookReplaced();
      return CommandOutcome::Handled;
    case kResetBookCommand: {
      const ResetResult reset = resetBook(book, ui);
      showFailure(ui, reset.status);
      if (reset.confirmed && reset.status) bookReplaced();
      context_.focusPageList();
      return CommandOutcome::Handled;
    }
    case kSettingsCommand: {
      SettingsDialog dialog(book.store, ui, openSettingsForm(state.settings, state.carryOver));
      ui.runSettingsDialog(dialog);
      if (const std::optional<SettingsSaveResult>& saved = dialog.saved()) {
        state.settings = saved->con;
        state.carryOver = saved->con2;
        // The start day and the used-only choice shape the settlement.
        bookChanged(context_, BookChange::Settings);
        if (state.currentPage == PageSettlement) rebuildSettlementList(context_);
      }
      ui.showSoftInputPanel(false);
      context_.focusPageList();
      return CommandOutcome::Handled;
    }
    case kAboutCommand:
      ui.showAboutBox();
      context_.focusPageList();
      return CommandOutcome::Handled;
    case kCloseCommand:
    case kExitCommand: shell_.closeRequested_ = true; return CommandOutcome::Handled;
    default: return CommandOutcome::Unknown;
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

CommandOutcome ShellDispatch::barCommand(int command) {
  ShellContext& c = context_;
  auto moveAndNotify = [&](int listId, int direction) {
    const int row = c.moveSelection(listId, direction);
    if (row >= 0) shell_.listSelectionChanged(listId, row);
    c.focus(listId);
  };
  switch (command) {
    case kDeleteEntry: deleteSelectedEntry(c); break;
    case kPreviousBookPeriod: moveBookPeriod(c, -1); break;
    case kNextBookPeriod: moveBookPeriod(c, +1); break;
    case kDayView: setBookViewMode(c, BookViewMode::Day); break;
    case kWeekView: setBookViewMode(c, BookViewMode::Week); break;
    case kMonthView: setBookViewMode(c, BookViewMode::Month); break;
    case kBookToday: showBookToday(c); break;
    case kShowEntryDetail: showEntryDetail(c); break;
    case kHideEntryDetail: hideEntryDetail(c); break;
    case kPreviousEntry: moveAndNotify(kBooksList, -1); break;
    case kNextEntry: moveAndNotify(kBooksList, +1); break;
    case kDeleteReservation: deleteSelectedReservation(c); break;
    case kPreviousSettlementMonth: moveSettlementMonth(c, -1); break;
    case kNextSettlementMonth: moveSettlementMonth(c, +1); break;
    case kCurrentSettlementMonth: moveSettlementMonth(c, 0); break;
    case kChooseSettlementMonth: yearMonthDialog(); break;
    case kShowSettlementDetail: showSettlementDetail(c); break;
    case kHideSettlementDetail: hideSettlementDetail(c); break;
    case kPreviousSettlementRow: moveAndNotify(kSettlementList, -1); break;
    case kNextSettlementRow: moveAndNotify(kSettlementList, +1); break;
    case kMinorRowsButton: toggleSettlementMinorRows(c); break;
    case kDeleteAsset: deleteSelectedAsset(c); break;
    case kShowAssetDetail: showAssetDetail(c); break;
    case kHideAssetDetail: hideAssetDetail(c); break;
    case kPreviousAsset: moveAndNotify(kAssetList, -1); break;
    case kNextAsset: moveAndNotify(kAssetList, +1); break;
    case kShowQueryDetail: showQueryDetail(c); break;
    case kHideQueryDetail: hideQueryDetail(c); break;
    case kPreviousQueryRow: moveAndNotify(kQueryList, -1); break;
    case kNextQueryRow: moveAndNotify(kQueryList, +1); break;
    case kStartCalculator: c.ui.startCalculator(); break;
    case kAddMajorCategory:
    case kEditMajorCategory:
    case kAddMinorCategory:
    case kEditMinorCategory:
      runCategoryDialogCommand(c, command == kAddMinorCategory || command == kEditMinorCategory,
                               command == kEditMajorCategory || command == kEditMinorCategory);
      break;
    case kDeleteMajorCategory:
    case kDeleteMinorCategory:
    case kMoveMinorCategoryUp:
    case kMoveMinorCategoryDown:
    case kMoveMajorCategoryUp:
    case kMoveMajorCategoryDown:
      runCategoryCommand(c, command);
      // The settlement lists the categories in their order and by their names.
      bookChanged(c, BookChange::Categories);
      break;
    case kAddEntry: runEntryDialogCommand(c, false); break;
    case kEditEntry: runEntryDialogCommand(c, true); break;
    case kAddReservation: runReservationDialogCommand(c, false); break;
    case kEditReservation: runReservationDialogCommand(c, true); break;
    case kAddAsset: runAssetDialogCommand(c, false); break;
    case kEditAsset: runAssetDialogCommand(c, true); break;
    case kChangeQueryCondition: runQueryDialogCommand(c); break;
    default: return CommandOutcome::Unknown;
  }
  return CommandOutcome::Handled;
}

CommandOutcome ShellDispatch::fieldCommand(int id) {
  ShellContext& c = context_;
  switch (id) {
    case kDayViewButton: return barCommand(kDayView);
    case kWeekViewButton: return barCommand(kWeekView);
    case kMonthViewButton: return barCommand(kMonthView);
    case kPreviousMonthButton: moveBookMonth(c, -1); return CommandOutcome::Handled;
    case kNextMonthButton: moveBookMonth(c, +1); return CommandOutcome::Handled;
    case kQueryBooksKindButton: setQueryKind(c, QueryKind::Books); return CommandOutcome::Handled;
    case kQueryCardKindButton: setQueryKind(c, QueryKind::Card); return CommandOutcome::Handled;
    case kQueryAccountKindButton: setQueryKind(c, QueryKind::Account); return CommandOutcome::Handled;
    case kIncomeKindButton: setCategoryKind(c, true); return CommandOutcome::Handled;
    case kExpenseKindButton: setCategoryKind(c, false); return CommandOutcome::Handled;
    default: break;
  }
  if (findControl(id) == nullptr) return CommandOutcome::Unknown;
  if (c.state.currentPage == PageQuery && opensQueryCondition(id)) {
    c.focusPageList();
    return barCommand(kChangeQueryCondition);
  }
  // Every other control of the page only hands the focus back to the page's list.
  c.focusPageList();
  return CommandOutcome::Handled;
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
  if (const std::optional<int> command = commandOfPopupItem(chosen); command && *command != 0) {
    (void)barCommand(*command);
  }
}

void ShellDispatch::key(int listId, int keyCode) {
  const DeviceKind device = context_.state.deviceKind;
  const int kind = static_cast<int>(device);
  const bool stepsHere = listId == kBooksList || listId == kAssetList || listId == kMinorCategoryList;
  if (keyCode == keys::Left || keyCode == keys::Right) {
    const int index = tabIndexOfPage(context_.state.currentPage);
    if (index < 0) return;
    const int count = static_cast<int>(kTabRow.size());
    const int next = (index + (keyCode == keys::Left ? count - 1 : 1)) % count;
    pageCommand(kTabRow[static_cast<std::size_t>(next)].page);
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
  switch (state.currentPage) {
    case PageBooks:
      bookChanged(c, BookChange::Entries, ListPage::Books);
      redrawBooksPage(c);
      break;
    case PageSettlement:
      bookChanged(c, BookChange::Entries, ListPage::Settlement);
      rebuildSettlementList(c);
      c.focusPageList();
      break;
    case PageQuery:
      bookChanged(c, BookChange::Entries, ListPage::Query);
      rebuildQueryList(c);
      c.focusPageList();
      break;
    default: bookChanged(c, BookChange::Entries); break;
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
  c.tellOnce(run.status);
  if (run.applied > 0 || run.wiped) {
    bookChanged(c, BookChange::WholeBook);
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
  state.latinInput = ini.latinInput != 0;
  state.currentPage = ini.currentPage;  // what an exit before the first page writes back
  state.bookViewMode = bookViewModeOf(ini.bookViewMode).value_or(BookViewMode::Day);
  state.queryKind = queryKindOf(ini.queryKind);
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
  c.screen.setText(kRangeStartField, now.text);
  c.screen.setText(kRangeEndField, now.text);
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
    (void)command(tabOfPage(firstPage));
  } else {
    c.showPageControls();
  }
  return {StartOutcome::Running, Status::ok()};
}

CommandOutcome Shell::command(int command) {
  ShellDispatch dispatch(*this);
  if (const std::optional<int> page = pageOfTab(command)) {
    dispatch.pageCommand(*page);
    return CommandOutcome::Handled;
  }
  if (isMenuCommand(command)) return dispatch.menuCommand(command);
  if (isPopupItemNumber(command)) {
    const std::optional<int> forwarded = commandOfPopupItem(command);
    if (!forwarded) return CommandOutcome::Unknown;
    return *forwarded == 0 ? CommandOutcome::Handled : dispatch.barCommand(*forwarded);
  }
  if (isBarCommand(command)) return dispatch.barCommand(command);
  if (isControlId(command)) return dispatch.fieldCommand(command);
  return CommandOutcome::Unknown;
}

CommandOutcome Shell::fieldFocused(int controlId) {
  ShellDispatch dispatch(*this);
  if (controlId == kBooksYearField || controlId == kBooksMonthField || controlId == kSettlementMonthField) {
    dispatch.yearMonthDialog();
    return CommandOutcome::Handled;
  }
  return dispatch.fieldCommand(controlId);
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
  ini.latinInput = state.latinInput ? 1 : 0;
  ini.currentPage = state.currentPage;
  ini.bookViewMode = static_cast<char>(state.bookViewMode);
  ini.queryKind = static_cast<int>(state.queryKind);
  return writeIniFile(options_.root, ini);
}

const Screen& Shell::screen() const { return context_->screen; }
const ShellState& Shell::state() const { return context_->state; }

}  // namespace coinest
