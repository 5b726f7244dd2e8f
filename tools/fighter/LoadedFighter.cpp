#include "tools/fighter/LoadedFighter.h"

#include "core/Errors.h"
#include "platform/AnsiText.h"

namespace ostrak::fighter {

std::string Utf8FromFileText(const std::string& bytes) {
  // ASCII reads the same in both; the export converts most lines this way.
  for (const char byte : bytes) {
    if (static_cast<unsigned char>(byte) >= 0x80) return AnsiToQString(bytes).toUtf8().toStdString();
  }
  return bytes;
}

LoadedFighter LoadLikeTheEditor(const std::string& path) {
  LoadedFighter loaded;
  try {
    loaded.record.LoadFromFile(path);
    loaded.opened = true;
    loaded.fileLines = loaded.record.Lines();
    loaded.form.Load(loaded.record);
  } catch (const ConversionError& failure) {
    loaded.failure = Utf8FromFileText(failure.message());  // quotes a line of the file
  } catch (const Error& failure) {
    loaded.failure = failure.message();  // a list error, or a file error quoting the path as named
  }
  if (loaded.failure) return loaded;

  FighterRecord copy = loaded.record;
  try {
    copy.PrepareForSave();
  } catch (const ListError& failure) {
    loaded.saveFailure = failure.message();
  }
  return loaded;
}

}  // namespace ostrak::fighter
