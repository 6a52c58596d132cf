#include "shell/shell_context.h"

#include <algorithm>
#include <initializer_list>

namespace coinest {

void ShellContext::tellOnce(const Status& outcome) {
  if (outcome) {
    failureTold = false;
    return;
  }
  if (failureTold) return;
  failureTold = true;
  ui.showMessage(outcome.reason(), MessageCaption::Error);
}

int ShellContext::listOfPage(int page) {
  switch (page) {
    case PageQuery: return kQueryList;
    case PageAssets: return kAssetList;
    case PageBooks: return kBooksList;
    case PageReservations: return kReservationList;
    case PageSettlement: return kSettlementList;
    case PageCategories: return kMinorCategoryList;
    default: return 0;
  }
}

namespace {

// A page's detail panel or detail list covers the page's controls below its totals.
constexpr int kDetailAreaTop = 140;

PanelMode panelOf(const ShellState& state, int page) {
  switch (page) {
    case PageQuery: return state.queryPanel;
    case PageAssets: return state.assetsPanel;
    case PageBooks: return state.booksPanel;
    case PageSettlement: return state.settlementPanel;
    default: return PanelMode::List;
  }
}

int commandBarSetOf(int page, PanelMode panel) {
  const bool detail = panel == PanelMode::Detail;
  switch (page) {
    case PageQuery: return detail ? 2 : 1;
    case PageBooks: return detail ? 4 : 3;
    case PageReservations: return 5;
    case PageSettlement: return detail ? 7 : 6;
    case PageCategories: return 8;
    case PageAssets: return detail ? 10 : 9;
    default: return 0;
  }
}

bool shownOnPage(const ControlSpec& control, const ShellContext& context, PanelMode panel) {
  const ShellState& state = context.state;
  const bool detail = panel == PanelMode::Detail;
  switch (control.group) {
    case ControlGroup::NeverShown: return false;
    case ControlGroup::DetailPanel: return detail;
    case ControlGroup::DateCaption: return !detail && control.id == context.books.dateCaption;
    case ControlGroup::QueryBooks:
    case ControlGroup::QueryCard:
    case ControlGroup::QueryAccount: {
      const int kind = static_cast<int>(control.group) - static_cast<int>(ControlGroup::QueryBooks);
      if (kind != static_cast<int>(state.queryKind)) return false;
      break;
    }
    case ControlGroup::Page: break;
  }
  return !(detail && control.rect.y >= kDetailAreaTop);
}

}  // namespace

void ShellContext::showPageControls() {
  const int page = state.currentPage;
  const PanelMode panel = panelOf(state, page);
  for (const ControlSpec& control : controlTable()) {
    bool visible = false;
    if (control.page == kEveryPage) {
      visible = true;
    } else if (control.page == page || (control.page == kDetailPanelPages && (page == PageQuery || page == PageAssets ||
                                                                         page == PageBooks))) {
      visible = shownOnPage(control, *this, panel);
    }
    screen.setVisible(control.id, visible);
  }
  screen.currentTab = page;
  if (screen.commandBar.visibleSet != commandBarSetOf(page, panel)) {
    screen.commandBar.visibleSet = commandBarSetOf(page, panel);
    screen.touch();
  }
}

void ShellContext::focusPageList() {
  if (const int list = listOfPage(state.currentPage); list != 0) focus(list);
}

int ShellContext::moveSelection(int listId, int step) {
  const int count = screen.rowCount(listId);
  if (count == 0) return -1;
  const int selected = screen.selectedRow(listId);
  const int row = selected < 0 ? 0 : std::clamp(selected + step, 0, count - 1);
  screen.selectRow(listId, row);
  return row;
}

void forgetEntryReads(ShellContext& context) {
  forgetBookRead(context);
  forgetSettlementRead(context);
  context.query.model.entriesChanged();
}

void bookChanged(ShellContext& context, BookChange change, std::optional<ListPage> drawnPage) {
  ShellState& state = context.state;
  auto rebuild = [&](std::initializer_list<ListPage> pages) {
    for (const ListPage page : pages) {
      if (page != drawnPage) state.rebuild(page) = true;
    }
  };
  switch (change) {
    case BookChange::Entries:
      forgetEntryReads(context);
      rebuild({ListPage::Books, ListPage::Settlement, ListPage::Query});
      break;
    case BookChange::Categories:
    case BookChange::Settings:
      forgetSettlementRead(context);
      rebuild({ListPage::Settlement});
      break;
    case BookChange::Reservations: rebuild({ListPage::Reservations}); break;
    case BookChange::WholeBook:
      forgetEntryReads(context);
      rebuild({ListPage::Query, ListPage::Assets, ListPage::Books, ListPage::Reservations, ListPage::Settlement});
      break;
  }
}

}  // namespace coinest
