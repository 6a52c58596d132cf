#pragma once

// What the entry, asset, category and reservation dialogs share: their buttons, the field with the
// keyboard focus, the remembered input mode and the id last saved.
//
// "확인" saves and closes; "계속등록" (add mode only) saves and empties the form for the next
// record; "취소" closes without saving. A save that a check refuses, or that the book refuses,
// has told the user why (caption "오류") and keeps the dialog open with the form as typed.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "dialogs/dialog_mode.h"
#include "platform/status.h"
#include "platform/ui_port.h"

namespace coinest {

// The note ("비고") of an asset, an entry or a reservation holds at most this many characters.
inline constexpr std::size_t kNoteMaxChars = 256;
// The content ("내용") of an entry, and of a reservation, whose postings are entries.
inline constexpr std::size_t kContentMaxChars = 40;

template <typename Field>
class RecordDialog {
 public:
  virtual ~RecordDialog() = default;

  DialogMode mode() const { return mode_; }
  // "계속등록" is offered in add mode only.
  bool continueShown() const { return mode_ == DialogMode::Add; }

  // True when the form was saved.
  bool pressOk() {
    if (!save()) return false;
    closed_ = true;
    return true;
  }
  bool pressContinue() {
    if (mode_ != DialogMode::Add || !save()) return false;
    clearForNext();
    return true;
  }
  void pressCancel() { closed_ = true; }
  bool closed() const { return closed_; }

  // The record written by the last save; nothing before one.
  std::optional<int32_t> savedId() const { return savedId_; }

  // The field that has the keyboard focus.
  Field focus() const { return focus_; }
  void setFocus(Field field) { focus_ = field; }

  // The input mode (Latin rather than Hangul) the dialog's first text field opens in; the window
  // sets it when the user switches, and the caller keeps it for the next dialog once closed.
  bool latinInput() const { return latinInput_; }
  void setLatinInput(bool latin) { latinInput_ = latin; }

 protected:
  RecordDialog(UiPort& ui, DialogMode mode, Field first, bool latinInput)
      : ui_(&ui), mode_(mode), focus_(first), latinInput_(latinInput) {}

  // Checks and writes the form; false (after a message) when nothing was written.
  virtual bool save() = 0;
  // After a "계속등록" save: the form as the next record starts, the focus placed.
  virtual void clearForNext() = 0;

  // A refusal: the message (caption "오류") and the focus on the field to correct. Returns false.
  bool refuse(std::string_view message, Field field) {
    ui_->showMessage(message, MessageCaption::Error);
    focus_ = field;
    return false;
  }
  // The outcome of the write: true and the id remembered when done; else the reason is told.
  bool written(const Status& status, int32_t id) {
    if (!status) {
      ui_->showMessage(status.reason(), MessageCaption::Error);
      return false;
    }
    savedId_ = id;
    return true;
  }

  UiPort& ui() { return *ui_; }

 private:
  UiPort* ui_;  // a pointer, so a dialog that holds no other reference can be assigned
  DialogMode mode_;
  Field focus_;
  bool latinInput_;
  bool closed_ = false;
  std::optional<int32_t> savedId_;
};

}  // namespace coinest
