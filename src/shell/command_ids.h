#pragma once

// Every number the window and the shell exchange, named once: the commands of the menu bar, the
// accelerators, the tab row, the command bar and the popup menus, and the id of every control of
// the pages. Tables and pages use these names; a number is written here and nowhere else.
//
namespace coinest {

// The ranges the dispatcher routes by, each from its first number up to, not including, its end.
// The menu bar's commands are kCloseCommand, kResetBookCommand and the numbers of their range;
// the popup menus themselves are numbered 423 to 432.
inline constexpr int kMenuCommandsFirst = 40000;
inline constexpr int kMenuCommandsEnd = 40100;
inline constexpr int kPopupItemsFirst = 40100;
inline constexpr int kPopupItemsEnd = 40300;
inline constexpr int kBarCommandsFirst = 10000;
inline constexpr int kBarCommandsEnd = 11000;
inline constexpr int kControlIdsFirst = 20000;  // tabs, buttons and fields of the pages
inline constexpr int kControlIdsEnd = 23000;
inline constexpr int kListIdsFirst = 30000;     // the lists, which answer through notifications only

// The menu bar and the accelerators.
inline constexpr int kCloseCommand = 1;  // Ctrl+Q
inline constexpr int kAboutCommand = 40003;
inline constexpr int kExitCommand = 40012;
inline constexpr int kBackupCommand = 40028;
inline constexpr int kRestoreCommand = 40029;
inline constexpr int kSettingsCommand = 40032;
inline constexpr int kResetBookCommand = 40203;

// The tab row, which is also the page commands, and the filler right of it.
inline constexpr int kQueryTab = 20011;
inline constexpr int kAssetsTab = 20012;
inline constexpr int kBooksTab = 20015;
inline constexpr int kReservationsTab = 20016;
inline constexpr int kSettlementTab = 20017;
inline constexpr int kCategoriesTab = 20018;
inline constexpr int kFillerButton = 20019;

// Command bar: the books page.
inline constexpr int kAddEntry = 10101;
inline constexpr int kEditEntry = 10102;
inline constexpr int kDeleteEntry = 10103;
inline constexpr int kPreviousBookPeriod = 10110;
inline constexpr int kNextBookPeriod = 10111;
inline constexpr int kDayView = 10112;
inline constexpr int kWeekView = 10113;
inline constexpr int kMonthView = 10114;
inline constexpr int kBookToday = 10115;
inline constexpr int kShowEntryDetail = 10118;
inline constexpr int kHideEntryDetail = 10119;
inline constexpr int kPreviousEntry = 10120;
inline constexpr int kNextEntry = 10121;
// The reservations page.
inline constexpr int kAddReservation = 10201;
inline constexpr int kEditReservation = 10202;
inline constexpr int kDeleteReservation = 10203;
// The settlement page.
inline constexpr int kPreviousSettlementMonth = 10301;
inline constexpr int kNextSettlementMonth = 10302;
inline constexpr int kCurrentSettlementMonth = 10303;
inline constexpr int kChooseSettlementMonth = 10304;
inline constexpr int kShowSettlementDetail = 10307;
inline constexpr int kHideSettlementDetail = 10308;
inline constexpr int kPreviousSettlementRow = 10309;
inline constexpr int kNextSettlementRow = 10310;
inline constexpr int kMinorRowsButton = 10311;  // the set's check button: the minor-rows switch
// The assets page.
inline constexpr int kAddAsset = 10401;
inline constexpr int kEditAsset = 10402;
inline constexpr int kDeleteAsset = 10403;
inline constexpr int kShowAssetDetail = 10406;
inline constexpr int kHideAssetDetail = 10407;
inline constexpr int kPreviousAsset = 10408;
inline constexpr int kNextAsset = 10409;
// The categories page.
inline constexpr int kAddMajorCategory = 10501;
inline constexpr int kEditMajorCategory = 10502;
inline constexpr int kDeleteMajorCategory = 10503;
inline constexpr int kMoveMinorCategoryUp = 10505;
inline constexpr int kMoveMinorCategoryDown = 10506;
inline constexpr int kMoveMajorCategoryUp = 10507;
inline constexpr int kMoveMajorCategoryDown = 10508;
inline constexpr int kAddMinorCategory = 10509;
inline constexpr int kEditMinorCategory = 10510;
inline constexpr int kDeleteMinorCategory = 10511;
// The query page.
inline constexpr int kChangeQueryCondition = 10601;
inline constexpr int kShowQueryDetail = 10605;
inline constexpr int kHideQueryDetail = 10606;
inline constexpr int kPreviousQueryRow = 10607;
inline constexpr int kNextQueryRow = 10608;
// Every set.
inline constexpr int kStartCalculator = 10701;

// The popup menus of the page lists and their items. A "취소하기" item forwards to no command.
namespace popup {
inline constexpr int BooksListMenu = 423;
inline constexpr int BooksDetailMenu = 424;
inline constexpr int SettlementListMenu = 425;
inline constexpr int SettlementDetailMenu = 426;
inline constexpr int AssetListMenu = 427;
inline constexpr int AssetDetailMenu = 428;
inline constexpr int ReservationListMenu = 429;
inline constexpr int MinorCategoryMenu = 430;
inline constexpr int QueryListMenu = 431;
inline constexpr int QueryDetailMenu = 432;

inline constexpr int BooksListDetail = 40128;
inline constexpr int BooksListDayView = 40129;
inline constexpr int BooksListWeekView = 40130;
inline constexpr int BooksListMonthView = 40131;
inline constexpr int BooksListCancel = 40132;
inline constexpr int BooksListAdd = 40133;
inline constexpr int BooksListEdit = 40134;
inline constexpr int BooksListDelete = 40135;

inline constexpr int BooksDetailBack = 40140;
inline constexpr int BooksDetailEdit = 40141;
inline constexpr int BooksDetailDelete = 40142;
inline constexpr int BooksDetailCancel = 40143;

inline constexpr int SettlementListDetail = 40147;
inline constexpr int SettlementListPrevious = 40148;
inline constexpr int SettlementListCurrent = 40149;
inline constexpr int SettlementListNext = 40150;
inline constexpr int SettlementListChooseMonth = 40151;
inline constexpr int SettlementListCancel = 40152;

inline constexpr int SettlementDetailBack = 40156;
inline constexpr int SettlementDetailCancel = 40157;

inline constexpr int AssetListDetail = 40161;
inline constexpr int AssetListAdd = 40162;
inline constexpr int AssetListEdit = 40163;
inline constexpr int AssetListDelete = 40164;
inline constexpr int AssetListCancel = 40165;

inline constexpr int AssetDetailBack = 40169;
inline constexpr int AssetDetailEdit = 40170;
inline constexpr int AssetDetailDelete = 40171;
inline constexpr int AssetDetailCancel = 40172;

inline constexpr int ReservationListAdd = 40176;
inline constexpr int ReservationListEdit = 40177;
inline constexpr int ReservationListDelete = 40178;
inline constexpr int ReservationListCancel = 40179;

inline constexpr int MinorCategoryAdd = 40183;
inline constexpr int MinorCategoryEdit = 40184;
inline constexpr int MinorCategoryDelete = 40185;
inline constexpr int MinorCategoryCancel = 40186;
inline constexpr int MinorCategoryUp = 40187;
inline constexpr int MinorCategoryDown = 40188;

inline constexpr int QueryListDetail = 40192;
inline constexpr int QueryListCondition = 40193;
inline constexpr int QueryListCancel = 40194;

inline constexpr int QueryDetailBack = 40198;
inline constexpr int QueryDetailCancel = 40199;
}  // namespace popup

// The page lists. Lists answer through notifications, not command numbers, so they carry ids of
// our own, above every command number of the window: 30000 + page for the page lists, 30100 +
// page for the rest.
inline constexpr int kQueryList = 30000;
inline constexpr int kAssetList = 30001;
inline constexpr int kBooksList = 30004;
inline constexpr int kReservationList = 30005;
inline constexpr int kSettlementList = 30006;
inline constexpr int kMinorCategoryList = 30007;
inline constexpr int kAssetKindList = 30101;
inline constexpr int kSettlementDetailList = 30106;
inline constexpr int kMajorCategoryList = 30107;

// The query page: the header strip, the kind buttons and the panel behind the field groups.
inline constexpr int kQueryDateHeader = 20021;
inline constexpr int kQueryCategoryHeader = 20022;
inline constexpr int kQueryAmountHeader = 20023;
inline constexpr int kQueryBooksKindButton = 21097;
inline constexpr int kQueryCardKindButton = 21098;
inline constexpr int kQueryAccountKindButton = 21115;
inline constexpr int kQueryConditionPanel = 21043;
// The books query's field group: its two totals with their signs, then caption and value rows.
inline constexpr int kQueryBooksIncomeSign = 21074;
inline constexpr int kQueryBooksIncome = 21076;
inline constexpr int kQueryBooksExpenseSign = 21075;
inline constexpr int kQueryBooksExpense = 21077;
inline constexpr int kQueryBooksDateCaption = 21067;
inline constexpr int kQueryBooksFrom = 21068;
inline constexpr int kQueryBooksTo = 21069;
inline constexpr int kQueryBooksCodeCaption = 21070;
inline constexpr int kQueryBooksCode = 21071;
inline constexpr int kQueryBooksAsset = 21088;
inline constexpr int kQueryBooksCategoryCaption = 21072;
inline constexpr int kQueryBooksMajor = 21073;
inline constexpr int kQueryBooksMinor = 21116;
// The card query's.
inline constexpr int kQueryCardBilledSign = 21107;
inline constexpr int kQueryCardBilled = 21108;
inline constexpr int kQueryCardToComeSign = 21109;
inline constexpr int kQueryCardToCome = 21110;
inline constexpr int kQueryCardMonthCaption = 21099;
inline constexpr int kQueryCardMonth = 21100;
inline constexpr int kQueryCardNameCaption = 21101;
inline constexpr int kQueryCardName = 21102;
inline constexpr int kQueryCardPayDayCaption = 21103;
inline constexpr int kQueryCardPayDay = 21104;
inline constexpr int kQueryCardPeriodCaption = 21105;
inline constexpr int kQueryCardPeriod = 21106;
// The account query's.
inline constexpr int kQueryAccountBalanceSign = 21128;
inline constexpr int kQueryAccountBalance = 21129;
inline constexpr int kQueryAccountDateCaption = 21117;
inline constexpr int kQueryAccountFrom = 21118;
inline constexpr int kQueryAccountTo = 21119;
inline constexpr int kQueryAccountCompanyCaption = 21120;
inline constexpr int kQueryAccountCompany = 21121;
inline constexpr int kQueryAccountNameCaption = 21122;
inline constexpr int kQueryAccountName = 21123;
inline constexpr int kQueryAccountNumberCaption = 21124;
inline constexpr int kQueryAccountNumber = 21125;
inline constexpr int kQueryAccountHolderCaption = 21126;
inline constexpr int kQueryAccountHolder = 21127;

// The assets page's header strip.
inline constexpr int kAssetCompanyHeader = 20025;
inline constexpr int kAssetNameHeader = 20026;

// The books page. The calendar panel and its frame are the backgrounds below the totals.
inline constexpr int kBooksTitleHeader = 20043;
inline constexpr int kBooksRangeHeader = 20044;
inline constexpr int kBooksIncomeSign = 21050;
inline constexpr int kBooksIncomeTotal = 21047;
inline constexpr int kBooksExpenseSign = 21051;
inline constexpr int kBooksExpenseTotal = 21048;
inline constexpr int kBooksCashSign = 21052;
inline constexpr int kBooksCashTotal = 21049;
inline constexpr int kDayViewButton = 21032;
inline constexpr int kWeekViewButton = 21033;
inline constexpr int kMonthViewButton = 21034;
inline constexpr int kBooksCalendarPanel = 20045;
inline constexpr int kBooksCalendarFrame = 20046;
inline constexpr int kRangeStartField = 20047;
inline constexpr int kRangeEndField = 20048;
inline constexpr int kSpareDateField = 20102;
// The calendar's weekday heads, Sunday to Saturday, consecutive.
inline constexpr int kSundayHead = 20103;
inline constexpr int kMondayHead = 20104;
inline constexpr int kTuesdayHead = 20105;
inline constexpr int kWednesdayHead = 20106;
inline constexpr int kThursdayHead = 20107;
inline constexpr int kFridayHead = 20108;
inline constexpr int kSaturdayHead = 20109;
inline constexpr int kMonthCalendar = 20132;
inline constexpr int kBooksYearField = 20100;
inline constexpr int kBooksMonthField = 20101;
inline constexpr int kPreviousMonthButton = 21112;
inline constexpr int kNextMonthButton = 21113;
// The seven date captions, Sunday (or a holiday) to Saturday, consecutive.
inline constexpr int kSundayCaption = 20124;
inline constexpr int kMondayCaption = 20125;
inline constexpr int kTuesdayCaption = 20126;
inline constexpr int kWednesdayCaption = 20127;
inline constexpr int kThursdayCaption = 20128;
inline constexpr int kFridayCaption = 20129;
inline constexpr int kSaturdayCaption = 20130;
inline constexpr int kLunarField = 20110;
inline constexpr int kHolidayField = 21114;

// The reservations page's header strip.
inline constexpr int kReservationDateHeader = 20111;
inline constexpr int kReservationAmountHeader = 20112;

// The settlement page: the header strip, the month, and the summary's captions and values.
inline constexpr int kSettlementTitleHeader = 20133;
inline constexpr int kSettlementPeriodHeader = 20134;
inline constexpr int kSettlementMonthField = 21066;
inline constexpr int kSettlementSummaryPanel = 21053;
inline constexpr int kCarriedOverCaption = 21054;
inline constexpr int kCarriedOverTotal = 21055;
inline constexpr int kIncomeCaption = 21056;
inline constexpr int kIncomeTotal = 21057;
inline constexpr int kExpenseCaption = 21058;
inline constexpr int kExpenseTotal = 21059;
inline constexpr int kBalanceCaption = 21060;
inline constexpr int kBalanceTotal = 21061;
inline constexpr int kCashIncomeCaption = 21093;
inline constexpr int kCashIncomeTotal = 21094;
inline constexpr int kAccountIncomeCaption = 21095;
inline constexpr int kAccountIncomeTotal = 21096;
inline constexpr int kCashExpenseCaption = 21062;
inline constexpr int kCashExpenseTotal = 21063;
inline constexpr int kAccountExpenseCaption = 21089;
inline constexpr int kAccountExpenseTotal = 21090;
inline constexpr int kCardExpenseCaption = 21064;
inline constexpr int kCardExpenseTotal = 21065;
inline constexpr int kOtherExpenseCaption = 21091;
inline constexpr int kOtherExpenseTotal = 21092;

// The categories page.
inline constexpr int kMinorNameHeader = 20142;
inline constexpr int kMinorInUseHeader = 20143;
inline constexpr int kIncomeKindButton = 21041;
inline constexpr int kExpenseKindButton = 21042;

// The detail panel the books, assets and query pages share: its background, four lines and the
// note.
inline constexpr int kDetailPanel = 21078;
inline constexpr int kDetailLine1 = 21079;
inline constexpr int kDetailLine2 = 21080;
inline constexpr int kDetailLine3 = 21081;
inline constexpr int kDetailLine4 = 21111;
inline constexpr int kDetailNote = 21082;

}  // namespace coinest
