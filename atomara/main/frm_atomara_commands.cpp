// The main window's menus and commands: every menu item, tool bar button, popup item
// and tile double click ends in MenuClick; the Trends items in MenuTrendsClick.
#include "atomara/controls/element_tile.h"
#include "atomara/data/trends.h"
#include "atomara/main/frm_about.h"
#include "atomara/main/frm_atomara.h"
#include "atomara/tools/frm_element_info.h"
#include "atomara/tools/frm_find_element.h"
#include "atomara/tools/frm_graph.h"
#include "atomara/tools/frm_options.h"
#include "atomara/tools/frm_set_temperature.h"
#include "platform/core/decimal_separator.h"
#include "platform/gui/application.h"
#include "platform/gui/dialogs.h"
#include "platform/gui/guard.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

namespace atomara {

void TfrmAtomara::CreateMenus()
{
    const auto add = [this](QMenu* menu, Command command, const QString& caption, const QKeySequence& shortcut = {},
                            bool checkable = false, bool checked = false) {
        QAction* action = menu->addAction(caption);
        action->setShortcut(shortcut);
        action->setCheckable(checkable);
        action->setChecked(checked);
        connect(action, &QAction::triggered, this, platform::Guarded([this, command] { MenuClick(command); }));
        actions_.emplace_back(command, action);
        return action;
    };

    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    add(file, Command::SaveConfigNow, QStringLiteral("&Save Config &Now"));
    add(file, Command::SaveConfigOnExit, QStringLiteral("Save Config On &Exit"), {}, true, true);
    file->addSeparator();
    add(file, Command::Exit, QStringLiteral("E&xit"));

    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    add(view, Command::Toolbar, QStringLiteral("&Toolbar"), {}, true, true);
    add(view, Command::StatusBar, QStringLiteral("Status &Bar"), {}, true, true);
    view->addSeparator();
    add(view, Command::ElementOnTop, QStringLiteral("&Element Info On Top"), {}, true);
    add(view, Command::TrendsOnTop, QStringLiteral("&Trends Graph On Top"), {}, true);
    view->addSeparator();
    QMenu* naming = view->addMenu(QStringLiteral("&Naming Scheme"));
    namingGroup_ = new QActionGroup(this);
    namingGroup_->addAction(add(naming, Command::IupacProvisional, QStringLiteral("IUPAC - &Provisional"), {}, true, true));
    namingGroup_->addAction(add(naming, Command::IupacRecommended, QStringLiteral("IUPAC - &Recommended"), {}, true));
    namingGroup_->addAction(add(naming, Command::AcsRecommended, QStringLiteral("&ACS - Recommended"), {}, true));
    view->addSeparator();
    add(view, Command::Options, QStringLiteral("&Options..."));

    QMenu* element = menuBar()->addMenu(QStringLiteral("&Element"));
    add(element, Command::FindElement, QStringLiteral("&Find Element..."), QKeySequence(Qt::CTRL | Qt::Key_F));
    add(element, Command::SetTemperature, QStringLiteral("Set &Temperature..."), QKeySequence(Qt::CTRL | Qt::Key_T));
    element->addSeparator();
    add(element, Command::ElementInfoMenu, QStringLiteral("Element &Information"), QKeySequence(Qt::CTRL | Qt::Key_I),
        true);

    QMenu* trends = menuBar()->addMenu(QStringLiteral("&Trends"));
    trendGroup_ = new QActionGroup(this);
    for (int item = 0; item <= static_cast<int>(kTrendProperties.size()); ++item) {
        const QString caption = item == 0 ? QStringLiteral("&None")
                                          : QString::fromLatin1(kTrendProperties[static_cast<std::size_t>(item - 1)].caption);
        QAction* action = trends->addAction(caption);
        action->setCheckable(true);
        action->setChecked(item == 0);
        trendGroup_->addAction(action);
        connect(action, &QAction::triggered, this, platform::Guarded([this, item] { MenuTrendsClick(item); }));
        trendActions_[static_cast<std::size_t>(item)] = action;
    }
    trends->addSeparator();
    add(trends, Command::Graph, QStringLiteral("&Graph Trends"));

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    add(help, Command::HelpContents, QStringLiteral("Help &Contents"), QKeySequence(Qt::Key_F1));
    add(help, Command::About, QStringLiteral("&About Atomara..."));

    // Tool bar buttons run the same commands.
    constexpr std::array<Command, 7> buttonCommands = {Command::Options, Command::ElementInfoShow, Command::FindElement,
                                                       Command::SetTemperature, Command::Graph, Command::HelpContents,
                                                       Command::About};
    for (std::size_t i = 0; i < buttonCommands.size(); ++i)
        connect(toolButtons_[i], &QToolButton::clicked, this,
                platform::Guarded([this, command = buttonCommands[i]] { MenuClick(command); }));
}

void TfrmAtomara::CreatePopupMenu()
{
    PopupMenu_ = new QMenu(this);
    const auto add = [this](const QString& caption, Command command) {
        QAction* action = PopupMenu_->addAction(caption);
        connect(action, &QAction::triggered, this, platform::Guarded([this, command] { MenuClick(command); }));
        return action;
    };
    mnuElementInfoPop_ = add(QStringLiteral("&Element Information"), Command::ElementInfoShow);
    N6_ = PopupMenu_->addSeparator();
    add(QStringLiteral("&Find Element..."), Command::FindElement);
    add(QStringLiteral("Change &Temperature..."), Command::SetTemperature);
    add(QStringLiteral("Setup &Colours..."), Command::Options);
}

QAction* TfrmAtomara::Action(Command command) const
{
    for (const auto& [c, action] : actions_)
        if (c == command)
            return action;
    return nullptr;
}

QAction* TfrmAtomara::TrendAction(int item) const { return trendActions_.at(static_cast<std::size_t>(item)); }

void TfrmAtomara::SetToolWindows(const ToolWindows& windows)
{
    tools_ = windows;
    if (tools_.elementInfo)
        connect(tools_.elementInfo, &TfrmElementInfo::hidden, this,
                [this] { Action(Command::ElementInfoMenu)->setChecked(false); });
}

void TfrmAtomara::ShowElementInfo()
{
    Action(Command::ElementInfoMenu)->setChecked(true);
    if (tools_.elementInfo) {
        tools_.elementInfo->UpdateInfo(SelectedElement);
        tools_.elementInfo->show();
    }
}

void TfrmAtomara::SetOnTop(QWidget* window, bool onTop)
{
    if (!window || !window->isVisible())
        return;
    window->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    window->show(); // changing the flags hides the window
}

void TfrmAtomara::MenuClick(Command command)
{
    auto& dialogs = platform::CurrentDialogs();
    switch (command) {
    case Command::File:
        break;
    case Command::SaveConfigNow:
        SaveSettings();
        break;
    case Command::ElementInfoMenu:
        // The menu item toggles the window; the button, the popup and the tiles only show it.
        if (!Action(Command::ElementInfoMenu)->isChecked()) { // Qt has already toggled the check
            Action(Command::ElementInfoMenu)->setChecked(false);
            if (tools_.elementInfo)
                tools_.elementInfo->close();
            break;
        }
        ShowElementInfo();
        break;
    case Command::ElementInfoShow:
        ShowElementInfo();
        break;
    case Command::SaveConfigOnExit:
        break; // the action toggles its own check mark
    case Command::IupacProvisional:
    case Command::IupacRecommended:
    case Command::AcsRecommended:
        namingScheme_ = command == Command::IupacProvisional   ? NamingScheme::IupacProvisional
                        : command == Command::IupacRecommended ? NamingScheme::IupacRecommended
                                                               : NamingScheme::AcsRecommended;
        Action(command)->setChecked(true);
        ApplyNamingScheme(true);
        break;
    case Command::Options:
        if (tools_.options)
            dialogs.ShowModal(*tools_.options);
        break;
    case Command::TrendsOnTop:
        platform::ProcessMessages();
        SetOnTop(tools_.graph, Action(Command::TrendsOnTop)->isChecked());
        break;
    case Command::ElementOnTop:
        platform::ProcessMessages();
        SetOnTop(tools_.elementInfo, Action(Command::ElementOnTop)->isChecked());
        break;
    case Command::Exit:
        close();
        break;
    case Command::Toolbar:
        ToolBar_->setVisible(Action(Command::Toolbar)->isChecked());
        LayoutClientArea();
        break;
    case Command::StatusBar:
        StatusBar_->setVisible(Action(Command::StatusBar)->isChecked());
        LayoutClientArea();
        break;
    case Command::SetTemperature:
        if (tools_.setTemperature)
            dialogs.ShowModal(*tools_.setTemperature);
        break;
    case Command::FindElement:
        if (tools_.findElement)
            dialogs.ShowModal(*tools_.findElement);
        break;
    case Command::Graph:
        if (tools_.graph) {
            tools_.graph->show();
            if (tools_.graph->isMinimized())
                tools_.graph->showNormal();
        }
        break;
    case Command::HelpContents:
        dialogs.ShowHelp(helpFile_, 1);
        break;
    case Command::About:
        if (tools_.about)
            dialogs.ShowModal(*tools_.about);
        break;
    }
}

void TfrmAtomara::MenuTrendsClick(int item)
{
    if (item == checkedTrend_)
        return;
    // A value that does not convert raises before anything changes; the menu goes back.
    TrendAction(checkedTrend_)->setChecked(true);
    const TileDepths depths =
        item == 0 ? FlatDepths()
                  : TrendDepths(elementData_, kTrendProperties[static_cast<std::size_t>(item - 1)].numericField,
                                ElementTile(1)->MaxDepth(), platform::DecimalSeparator());
    checkedTrend_ = item;
    TrendAction(item)->setChecked(true);
    for (int n = 1; n <= kElementCount; ++n)
        ElementTile(n)->SetDepth(depths[static_cast<std::size_t>(n)]);
    PeriodicTableResize();
}

// The information window follows the main window into and out of the taskbar.
void TfrmAtomara::FollowMinimize()
{
    QAction* info = Action(Command::ElementInfoMenu);
    if (!tools_.elementInfo || !info->isChecked())
        return;
    if (isMinimized() && tools_.elementInfo->isVisible()) {
        tools_.elementInfo->hide();
        info->setChecked(true); // hiding unchecked it
    } else if (!isMinimized() && !tools_.elementInfo->isVisible()) {
        tools_.elementInfo->show();
    }
}

} // namespace atomara
