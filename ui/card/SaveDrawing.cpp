#include "ui/card/SaveDrawing.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "platform/Dialogs.h"

namespace ostrak {

namespace {

// The characters a file name cannot hold here.
QString FileNameOf(QString name) {
  name.replace(QLatin1Char('/'), QLatin1Char('-'));
  name.remove(QChar(0));
  return name.trimmed();
}

}  // namespace

std::optional<QString> SaveDrawingAs(Dialogs& dialogs, const DrawingSave& save, const DrawingMaker& make) {
  const int type = PngTypeIndex(save.scale);
  const QString extension = ExtensionOf(DrawingTypes()[static_cast<std::size_t>(type)].format);
  FileChoice choice{FileDialogKind::Save, save.title, save.folder, DrawingFilters(), extension, type};
  choice.fileName = FileNameOf(save.name) + QLatin1Char('.') + extension;
  choice.suffixRule = DefaultSuffix::OfFilter;
  const auto chosen = dialogs.ChooseFile(choice);
  if (!chosen) return std::nullopt;
  const DrawingTarget target = TargetOf(chosen->path, chosen->filter);
  // The dialog asked about the name as typed; an ending added since names
  // another file.
  if (target.path != chosen->path && QFileInfo::exists(target.path) &&
      !dialogs.Ask(QCoreApplication::translate("ostrak::SaveDrawing", "\"%1\" already exists. Replace it?")
                       .arg(target.path),
                   save.title)) {
    return std::nullopt;
  }
  const std::unique_ptr<Drawing> drawing = make(target.path);
  if (const auto failure = WriteWhole(target.path, Encode(*drawing, target.type.format, target.type.scale))) {
    dialogs.ShowMessage(QCoreApplication::translate("ostrak::SaveDrawing", "\"%1\" could not be saved: %2")
                            .arg(target.path, *failure),
                        save.title, MessageIcon::Stop);
    return std::nullopt;
  }
  return QFileInfo(target.path).absolutePath();
}

}  // namespace ostrak
