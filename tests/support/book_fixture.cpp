#include "support/book_fixture.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/device_root.h"

namespace coinest::testing {

std::vector<std::string> RecordingChangeSink::names() const {
  std::vector<std::string> out;
  for (const ChangeRecord& c : changes) {
    out.push_back(std::string(1, static_cast<char>(c.letter)) + static_cast<char>(c.op) + " " + std::to_string(c.id));
  }
  return out;
}

void ScriptedUiPort::showMessage(std::string_view text, MessageCaption caption) {
  messages.push_back({std::string(text), caption});
}

bool ScriptedUiPort::askYesNo(std::string_view text) {
  messages.push_back({std::string(text), MessageCaption::Question});
  if (answers.empty()) return true;
  const bool answer = answers.front();
  answers.pop_front();
  return answer;
}

std::optional<std::filesystem::path> ScriptedUiPort::chooseSaveFile(const FileChoice& choice) {
  fileChoices.push_back(choice);
  return chosenFile;
}

std::optional<std::filesystem::path> ScriptedUiPort::chooseOpenFile(const FileChoice& choice) {
  fileChoices.push_back(choice);
  return chosenFile;
}

namespace {

class RecordingBar final : public ProgressBar {
 public:
  explicit RecordingBar(std::vector<int>& positions) : positions_(positions) {}
  void setPosition(int position) override { positions_.push_back(position); }

 private:
  std::vector<int>& positions_;
};

}  // namespace

bool ScriptedUiPort::runProgressDialog(std::string_view title, int maximum, int position,
                                       const std::function<void(ProgressBar&)>& work) {
  progressDialogs.push_back({std::string(title), maximum, {position}});
  const bool ok = progressAnswers.empty() ? true : progressAnswers.front();
  if (!progressAnswers.empty()) progressAnswers.pop_front();
  if (!ok) return false;
  RecordingBar bar(progressDialogs.back().positions);
  work(bar);
  return true;
}

RootBook::RootBook(const std::filesystem::path& root, CalendarDate today)
    : clock_(today.year, today.month, today.day) {
  if (!prepareDeviceRoot(root).ok) ADD_FAILURE() << "cannot prepare " << root;
  opened_ = openBook(objectStoreFilePath(root), clock_);
  if (!opened_.store) {
    ADD_FAILURE() << opened_.error;
    std::abort();  // nothing below could run without the book
  }
  book_ = std::make_unique<Book>(*opened_.store, clock_);
}

BookFixture::BookFixture(CalendarDate today)
    : clock_(today.year, today.month, today.day),
      opened_(openBook(objectStoreFilePath(dir_.path()), clock_)),
      book_{*opened_.store, clock_} {
  if (!opened_.store) ADD_FAILURE() << opened_.error;
  book_.changes = &sink;
}

void BookFixture::setToday(CalendarDate today) { clock_ = FixedDateClock(today.year, today.month, today.day); }

}  // namespace coinest::testing
