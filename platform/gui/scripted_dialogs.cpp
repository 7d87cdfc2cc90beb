#include "platform/gui/scripted_dialogs.h"

#include <QAction>
#include <QDialog>
#include <QMenu>

namespace platform {
namespace {

MessageResult FirstButton(MessageButtons buttons)
{
    return buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel ? MessageResult::Yes
                                                                                       : MessageResult::Ok;
}

} // namespace

MessageResult ScriptedDialogs::MessageBox(QWidget*, const QString& title, const QString& text, MessageIcon icon,
                                          MessageButtons buttons)
{
    messages.push_back({title, text, icon, buttons});
    if (answers_.empty())
        return FirstButton(buttons);
    const MessageResult answer = answers_.front();
    answers_.pop_front();
    return answer;
}

int ScriptedDialogs::ShowModal(QDialog& dialog)
{
    modalTitles << dialog.windowTitle();
    if (modalHandlers_.empty())
        return QDialog::Rejected;
    auto handler = std::move(modalHandlers_.front());
    modalHandlers_.pop_front();
    return handler(dialog);
}

void ScriptedDialogs::PopupMenu(QMenu& menu, const QPoint&)
{
    QStringList items;
    for (const QAction* action : menu.actions())
        if (action->isVisible())
            items << (action->isSeparator() ? QStringLiteral("-") : action->text());
    popupMenus.push_back(items);
}

void ScriptedDialogs::ShowHelp(const QString& helpFile, int topic) { helpRequests.push_back({helpFile, topic}); }

void ScriptedDialogs::AnswerMessages(std::initializer_list<MessageResult> answers)
{
    answers_.insert(answers_.end(), answers);
}

void ScriptedDialogs::OnModal(std::function<int(QDialog&)> handler) { modalHandlers_.push_back(std::move(handler)); }

} // namespace platform
