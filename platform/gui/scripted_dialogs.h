#pragma once
// Dialogs for tests: records every request and answers from a script (or with the
// first button when the script is empty) without showing anything.
#include "platform/gui/dialogs.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

namespace platform {

class ScriptedDialogs : public Dialogs {
public:
    struct Message {
        QString title;
        QString text;
        MessageIcon icon;
        MessageButtons buttons;
    };
    struct HelpRequest {
        QString helpFile;
        int topic;
    };

    MessageResult MessageBox(QWidget* parent, const QString& title, const QString& text, MessageIcon icon,
                             MessageButtons buttons) override;
    int ShowModal(QDialog& dialog) override;
    void ShowHelp(const QString& helpFile, int topic) override;
    // Records the visible items of the menu (separators as "-") and runs none.
    void PopupMenu(QMenu& menu, const QPoint& at) override;

    // Answers for the next message boxes, in order.
    void AnswerMessages(std::initializer_list<MessageResult> answers);
    // Runs for the next modal window instead of showing it; its return is the result.
    void OnModal(std::function<int(QDialog&)> handler);

    std::vector<Message> messages;
    QStringList modalTitles;
    std::vector<HelpRequest> helpRequests;
    std::vector<QStringList> popupMenus;

private:
    std::deque<MessageResult> answers_;
    std::deque<std::function<int(QDialog&)>> modalHandlers_;
};

} // namespace platform
