#pragma once

// A new book in a temporary device root, with a clock fixed to 2007-03-05 and a change sink that
// records every change instead of writing files.

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/ui_port.h"
#include "store/book.h"
#include "store/book_tables.h"
#include "support/temp_dir.h"

namespace coinest::testing {

class RecordingChangeSink final : public ChangeSink {
 public:
  void writeChange(const ChangeRecord& change) override { changes.push_back(change); }
  // "A1 10001" for each change, in the order written.
  std::vector<std::string> names() const;
  std::vector<ChangeRecord> changes;
};

// Records every message and answers questions from a script (Yes when the script is empty).
// The file choosers give `chosenFile` (none: cancelled); the progress dialog is answered from
// `progressAnswers` (OK when empty) and records every bar position.
class ScriptedUiPort final : public UiPort {
 public:
  void showMessage(std::string_view text, MessageCaption caption) override;
  bool askYesNo(std::string_view text) override;
  std::optional<std::filesystem::path> chooseSaveFile(const FileChoice& choice) override;
  std::optional<std::filesystem::path> chooseOpenFile(const FileChoice& choice) override;
  bool runProgressDialog(std::string_view title, int maximum, int position,
                         const std::function<void(ProgressBar&)>& work) override;

  std::optional<std::filesystem::path> chosenFile;
  std::vector<FileChoice> fileChoices;  // what each chooser offered
  std::deque<bool> progressAnswers;
  struct Progress {
    std::string title;
    int maximum = 0;
    std::vector<int> positions;  // the opening position, then every move
  };
  std::vector<Progress> progressDialogs;

  struct Message {
    std::string text;
    MessageCaption caption;
  };
  std::vector<Message> messages;  // questions too, with the caption Question
  std::deque<bool> answers;
};

// The book of a given device root, opened with the library as the program's start does, for a
// test that writes a book before it runs the command-line tool on that root.
class RootBook {
 public:
  explicit RootBook(const std::filesystem::path& root, CalendarDate today = {2007, 3, 5});
  Book& book() { return *book_; }

 private:
  FixedDateClock clock_;
  BookOpenResult opened_;
  std::unique_ptr<Book> book_;
};

class BookFixture {
 public:
  explicit BookFixture(CalendarDate today = {2007, 3, 5});

  ObjectStore& store() { return *opened_.store; }
  Book& book() { return book_; }
  const std::filesystem::path& root() const { return dir_.path(); }
  // Moves today's date (the time of day still runs).
  void setToday(CalendarDate today);
  // Turns the desktop exchange on, with changes going to `sink`.
  void enableExchange() { book_.modes.exchangeEnabled = true; }

  RecordingChangeSink sink;
  ScriptedUiPort ui;

 private:
  TempDir dir_;
  FixedDateClock clock_;
  BookOpenResult opened_;
  Book book_;
};

}  // namespace coinest::testing
