#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <QFileInfo>

namespace ostrak::test {

void ScriptedDialogs::ShowMessage(const QString& text, const QString& title, MessageIcon icon) {
  messages.push_back({text, title, icon, false});
}

void ScriptedDialogs::ShowNotice(const QString& text, const QString& title) {
  messages.push_back({text, title, MessageIcon::None, true});
}

bool ScriptedDialogs::RunFileDialog(TFileDialog& dialog) {
  fileDialogs.push_back({dialog.Kind(), dialog.Title(), dialog.FileName(), dialog.StartDirectory()});
  dialog.DoShow();
  const bool asks =
      dialog.Kind() == FileDialogKind::Save && dialog.OnExistingFile() == ExistingFile::AskBeforeReplacing;
  for (;;) {
    if (answers_.empty()) {
      ADD_FAILURE() << "a file dialog opened or stayed open without a scripted answer";
      return false;
    }
    const std::optional<QString> answer = answers_.front();
    answers_.pop_front();
    if (!answer) return false;
    if (asks && QFileInfo::exists(*answer)) {
      replaceQuestions.push_back(*answer);
      if (replaceAnswers_.empty()) {
        ADD_FAILURE() << "a question before replacing came that the test did not expect";
        return false;
      }
      const bool replace = replaceAnswers_.front();
      replaceAnswers_.pop_front();
      if (!replace) continue;
    }
    dialog.SetFileName(*answer);
    return true;
  }
}

std::optional<QString> ScriptedDialogs::ChooseDirectory(const QString& title, const QString& start) {
  fileDialogs.push_back({FileDialogKind::Open, title, {}, start});
  return NextAnswer();
}

// A typed name without a dot gets the default ending, as Qt's dialog adds it.
std::optional<ChosenFile> ScriptedDialogs::ChooseFile(const FileChoice& choice) {
  fileDialogs.push_back({choice.kind, choice.title, choice.fileName, choice.directory});
  const int filter = filter_.value_or(choice.filter);
  filter_.reset();
  const std::optional<QString> answer = NextAnswer();
  if (!answer) return std::nullopt;
  QString path = *answer;
  const QString suffix = choice.suffixRule == DefaultSuffix::OfFilter
                             ? FilterSuffix(choice.filters.at(static_cast<std::size_t>(filter)))
                             : choice.defaultSuffix;
  if (choice.kind == FileDialogKind::Save && !suffix.isEmpty() && !QFileInfo(path).fileName().contains('.'))
    path += '.' + suffix;
  return ChosenFile{path, filter};
}

bool ScriptedDialogs::Ask(const QString& text, const QString&) {
  questions.push_back(text);
  if (questionAnswers_.empty()) {
    ADD_FAILURE() << "a question came that the test did not expect: " << text.toStdString();
    return false;
  }
  const bool yes = questionAnswers_.front();
  questionAnswers_.pop_front();
  return yes;
}

std::optional<QString> ScriptedDialogs::AskText(const QString& label, const QString&, const QString&) {
  textQuestions.push_back(label);
  if (textAnswers_.empty()) {
    ADD_FAILURE() << "a text was asked for that the test did not expect: " << label.toStdString();
    return std::nullopt;
  }
  const bool cancelled = !textAnswers_.front().has_value();
  const QString answer = textAnswers_.front().value_or(QString());
  textAnswers_.pop_front();
  if (cancelled) return std::nullopt;
  return answer;
}

std::optional<QString> ScriptedDialogs::NextAnswer() {
  if (answers_.empty()) {
    ADD_FAILURE() << "a file dialog opened that the test did not expect";
    return std::nullopt;
  }
  const bool accepted = answers_.front().has_value();
  const QString path = answers_.front().value_or(QString());
  answers_.pop_front();
  if (!accepted) return std::nullopt;
  return path;
}

}  // namespace ostrak::test
