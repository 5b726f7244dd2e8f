#pragma once

// The application's general error display: every failure that leaves an
// event handler ends here, as a message box titled with the application
// title, with the stop icon and OK, its text after the period rule.

#include <QString>

#include "platform/ErrorGuard.h"

namespace ostrak {

class Dialogs;

// `dialogs` must outlive the sink.
ErrorSink MessageBoxErrorSink(Dialogs& dialogs, const QString& applicationTitle);

}  // namespace ostrak
