#pragma once

// An open or save dialog as the windows configure it: what it shows the next
// time it opens, and what the user chose the last time.

#include <QString>
#include <functional>
#include <vector>

namespace ostrak {

class Dialogs;

enum class FileDialogKind { Open, Save };

// What accepting the name of a file that exists does in a save dialog: ask
// first (No goes back to the dialog), or take it.
enum class ExistingFile { Take, AskBeforeReplacing };

struct FileFilter {
  QString name;     // "Texto"
  QString pattern;  // "*.txt"
};

// The ending a filter of one pattern names ("*.json": "json"); empty for
// any other ("*", "*.csv *.json").
QString FilterSuffix(const FileFilter& filter);

// What a save dialog adds to a typed name without an ending.
enum class DefaultSuffix {
  Given,     // FileChoice::defaultSuffix
  OfFilter,  // the selected filter's (FilterSuffix), following the user's choice of filter
};

// A dialog that picks a file without the editor dialogs' rules (see
// Dialogs::ChooseFile).
struct FileChoice {
  FileDialogKind kind = FileDialogKind::Open;
  QString title;
  QString directory;  // where it opens
  std::vector<FileFilter> filters;
  QString defaultSuffix;  // added to a typed name without one
  int filter = 0;         // into filters: the one selected when it opens
  QString fileName = {};  // in the name box when it opens
  DefaultSuffix suffixRule = DefaultSuffix::Given;
};

struct ChosenFile {
  QString path;
  int filter = 0;  // into FileChoice::filters: the one selected when it was accepted
};

class TFileDialog {
public:
  explicit TFileDialog(FileDialogKind kind) : kind_(kind) {}

  FileDialogKind Kind() const { return kind_; }

  const QString& Title() const { return title_; }
  void SetTitle(const QString& title) { title_ = title; }
  // Empty: every file is listed.
  const std::vector<FileFilter>& Filters() const { return filters_; }
  void SetFilters(std::vector<FileFilter> filters) { filters_ = std::move(filters); }
  // 1-based, into Filters: the one selected when the dialog opens.
  int FilterIndex() const { return filterIndex_; }
  void SetFilterIndex(int index) { filterIndex_ = index; }
  // Appended (with a dot) to a typed name that has no extension.
  const QString& DefaultExt() const { return defaultExt_; }
  void SetDefaultExt(const QString& extension) { defaultExt_ = extension; }
  // Shown in the file-name box when the dialog opens; the chosen path after
  // it was accepted.
  const QString& FileName() const { return fileName_; }
  void SetFileName(const QString& fileName) { fileName_ = fileName; }
  ExistingFile OnExistingFile() const { return existingFile_; }
  void SetOnExistingFile(ExistingFile rule) { existingFile_ = rule; }
  // Where the dialog opens, relative to the current directory; empty, or a
  // folder that does not exist, opens in the current directory.
  const QString& InitialDir() const { return initialDir_; }
  void SetInitialDir(const QString& directory) { initialDir_ = directory; }

  // Runs the dialog. Accepted: FileName holds the chosen path and the
  // current directory has moved to the folder that holds it.
  bool Execute(Dialogs& dialogs);

  // Raised once the dialog is open; Dialogs implementations call DoShow.
  std::function<void()> OnShow;
  void DoShow();

  // The folder the dialog opens in, resolved against the current directory.
  QString StartDirectory() const;

private:
  FileDialogKind kind_;
  QString title_;
  std::vector<FileFilter> filters_;
  int filterIndex_ = 1;
  QString defaultExt_;
  QString fileName_;
  QString initialDir_;
  ExistingFile existingFile_ = ExistingFile::Take;
};

}  // namespace ostrak
