#pragma once

// The dialogs answered from a script: every message is recorded instead of
// shown, and each file dialog takes the next scripted answer, after raising
// its OnShow as an open dialog would.

#include <QString>
#include <deque>
#include <optional>
#include <vector>

#include "platform/Dialogs.h"
#include "platform/FileDialog.h"

namespace ostrak::test {

struct ShownMessage {
  QString text;
  QString title;
  MessageIcon icon = MessageIcon::None;
  bool notice = false;  // the editor's own notice rather than a message box
};

// A file dialog as it was when it opened.
struct OpenedFileDialog {
  FileDialogKind kind;
  QString title;
  QString fileName;
  QString startDirectory;
};

class ScriptedDialogs : public Dialogs {
public:
  // The next file dialog is accepted with `path`, or cancelled with nullopt.
  void Answer(std::optional<QString> path) { answers_.push_back(std::move(path)); }
  // The next question before replacing a file: Yes or No. A No takes the
  // dialog's next Answer, as the open dialog would.
  void AnswerReplace(bool replace) { replaceAnswers_.push_back(replace); }

  void ShowMessage(const QString& text, const QString& title, MessageIcon icon) override;
  void ShowNotice(const QString& text, const QString& title) override;
  bool RunFileDialog(TFileDialog& dialog) override;
  // Folder and table choices take the next answer of the same script, and
  // are recorded with the file dialogs (a folder choice as an open dialog).
  std::optional<QString> ChooseDirectory(const QString& title, const QString& start) override;
  std::optional<ChosenFile> ChooseFile(const FileChoice& choice) override;
  // The filter the next table choice is accepted with; else the one it opens with.
  void AnswerFilter(int filter) { filter_ = filter; }
  // The next question: Yes or No. Each question asked is recorded.
  void AnswerQuestion(bool yes) { questionAnswers_.push_back(yes); }
  bool Ask(const QString& text, const QString& title) override;
  // The next line of text asked for: the answer, or nullopt to cancel. Each
  // label asked with is recorded.
  void AnswerText(std::optional<QString> text) { textAnswers_.push_back(std::move(text)); }
  std::optional<QString> AskText(const QString& label, const QString& title, const QString& initial) override;
  std::vector<QString> textQuestions;

  std::vector<ShownMessage> messages;
  std::vector<OpenedFileDialog> fileDialogs;
  // The paths each question before replacing named.
  std::vector<QString> replaceQuestions;
  std::vector<QString> questions;

private:
  std::optional<QString> NextAnswer();

  std::deque<std::optional<QString>> answers_;
  std::deque<bool> replaceAnswers_;
  std::deque<bool> questionAnswers_;
  std::deque<std::optional<QString>> textAnswers_;
  std::optional<int> filter_;
};

}  // namespace ostrak::test
