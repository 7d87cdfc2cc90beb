#pragma once
#include "platform/gui/dialogs.h"

namespace platform {

class QtDialogs : public Dialogs {
public:
    MessageResult MessageBox(QWidget* parent, const QString& title, const QString& text, MessageIcon icon,
                             MessageButtons buttons) override;
    int ShowModal(QDialog& dialog) override;
    void ShowHelp(const QString& helpFile, int topic) override;
    void PopupMenu(QMenu& menu, const QPoint& at) override;
};

} // namespace platform
