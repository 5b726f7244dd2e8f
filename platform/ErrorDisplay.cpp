#include "platform/ErrorDisplay.h"

#include "platform/AnsiText.h"
#include "platform/Dialogs.h"

namespace ostrak {

ErrorSink MessageBoxErrorSink(Dialogs& dialogs, const QString& applicationTitle) {
  return [&dialogs, applicationTitle](const std::string& message) {
    dialogs.ShowMessage(MessageToQString(DisplayedErrorText(message)), applicationTitle, MessageIcon::Stop);
  };
}

}  // namespace ostrak
