#pragma once

// A new book in a temporary device root, with a clock fixed to 2007-03-05 and a change sink that
// records every change instead of writing files.

#include <deque>
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
class ScriptedUiPort final : public UiPort {
 public:
  void showMessage(std::string_view text, MessageCaption caption) override;
  bool askYesNo(std::string_view text) override;

  struct Message {
    std::string text;
    MessageCaption caption;
  };
  std::vector<Message> messages;  // questions too, with the caption Question
  std::deque<bool> answers;
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
