#include "platform/gui/qt_dialogs.h"

#include "platform/gui/help_viewer.h"

#include <QDialog>
#include <QMenu>
#include <QMessageBox>

namespace platform {
namespace {

QMessageBox::Icon ToQtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Error: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQtButtons(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::Ok: break;
    }
    return QMessageBox::Ok;
}

MessageResult FromQtButton(int button)
{
    switch (button) {
    case QMessageBox::Cancel: return MessageResult::Cancel;
    case QMessageBox::Yes: return MessageResult::Yes;
    case QMessageBox::No: return MessageResult::No;
    default: return MessageResult::Ok;
    }
}

} // namespace

MessageResult QtDialogs::MessageBox(QWidget* parent, const QString& title, const QString& text, MessageIcon icon,
                                    MessageButtons buttons)
{
    QMessageBox box(ToQtIcon(icon), title, text, ToQtButtons(buttons), parent);
    return FromQtButton(box.exec());
}

int QtDialogs::ShowModal(QDialog& dialog) { return dialog.exec(); }

void QtDialogs::PopupMenu(QMenu& menu, const QPoint& at) { menu.exec(at); }

void QtDialogs::ShowHelp(const QString& helpFile, int topic) { HelpViewer::Instance().ShowTopic(helpFile, topic); }

} // namespace platform
