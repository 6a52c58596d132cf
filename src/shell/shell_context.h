#pragma once

// Everything a page of the shell works on: the book, the window's port, the shell's state, the
// Screen model and each page's own state. The dispatcher and the command bar hand it to the page
// functions; nothing else is shared between pages.

#include <filesystem>
#include <optional>

#include "shell/assets_page.h"
#include "shell/books_page.h"
#include "shell/categories_page.h"
#include "shell/query_page.h"
#include "shell/reservations_page.h"
#include "shell/screen.h"
#include "shell/settlement_page.h"
#include "shell/shell_state.h"
#include "shell/shell_ui.h"
#include "store/book.h"

namespace coinest {

struct ShellContext {
  ShellContext(Book& book, ShellUi& ui, const std::filesystem::path& root)
      : book(book), ui(ui), root(root) {}

  Book& book;
  ShellUi& ui;
  std::filesystem::path root;
  ShellState state;
  Screen screen;

  BooksPageState books;
  SettlementPageState settlement;
  AssetsPageState assets;
  ReservationsPageState reservations;
  CategoriesPageState categories;
  QueryPageModel query;

  // The page list of `page` (the minor-category list on the categories page); 0 for no page.
  static int listOfPage(int page);
  // Shows the controls of the current page as its state says (the field group of `queryKind`,
  // the detail panel of a page in 'V', the date caption of the books page) and the button set
  // of the command bar that goes with them; hides every other control.
  void showPageControls();
  // Moves the keyboard focus to the current page's list.
  void focusPageList();
  void focus(int controlId) { screen.focus = controlId; screen.touch(); }
  // Selects the row `step` rows above (-1) or below (+1) the selection of `listId`, as the arrow
  // keys do; returns the row selected, or -1 when the list is empty.
  int moveSelection(int listId, int step);

  // Tells (caption "오류") a read of the book that failed, or a run of the desktop's changes that
  // failed, once: a redraw after it does not tell the same again; a read or run that goes through
  // clears the way for the next failure to be told.
  void tellOnce(const Status& outcome);
  bool failureTold = false;
};

// Entries were added, changed or deleted: the books page, the settlement page and the query page
// forget what they read, so each reads the book again when it is next drawn.
void forgetEntryReads(ShellContext& context);

// What a change of the book touched.
enum class BookChange {
  Entries,       // entries added, changed or deleted (a posting, a dialog's save, a delete)
  Categories,    // names or order of the categories, which the settlement lists
  Settings,      // the settings that shape the settlement
  Reservations,  // the reservation list
  WholeBook,     // a restore, a reset, the desktop's changes
};

// The one place that decides which pages a change concerns: they forget what they read and are
// rebuilt when next shown, all but `drawnPage`, which the caller draws afresh itself.
void bookChanged(ShellContext& context, BookChange change, std::optional<ListPage> drawnPage = std::nullopt);

}  // namespace coinest
