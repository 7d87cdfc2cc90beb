#include "platform/gui/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace platform {

void SetClipboardText(const QString& text)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}

QString ClipboardText() { return QGuiApplication::clipboard()->text(); }

} // namespace platform
