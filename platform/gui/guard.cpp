#include "platform/gui/guard.h"

#include "platform/gui/dialogs.h"

namespace platform {

void ReportException(const std::exception& error)
{
    ShowMessage(QString::fromUtf8(error.what()), MessageIcon::Error);
}

void ReportUnknownException() { ShowMessage(QStringLiteral("Unexpected error"), MessageIcon::Error); }

} // namespace platform
