// Selection by mouse and keyboard, hover texts in the status bar and hint modes, the
// application-wide keys, and the temperature slider.
#include "atomara/controls/element_tile.h"
#include "atomara/data/keyboard_navigation.h"
#include "atomara/data/status_text.h"
#include "atomara/main/frm_atomara.h"
#include "atomara/main/table_panel.h"
#include "atomara/tools/frm_element_info.h"
#include "atomara/tools/frm_find_element.h"
#include "atomara/tools/frm_options.h"
#include "atomara/tools/frm_set_temperature.h"
#include "platform/core/decimal_separator.h"
#include "platform/gui/application.h"
#include "platform/gui/dialogs.h"
#include "platform/gui/guard.h"
#include "platform/gui/hints.h"
#include "platform/gui/paint_box.h"
#include "platform/gui/text.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QToolButton>

namespace atomara {
namespace {

constexpr int kNormalHintPause = 800; // milliseconds

// Hover texts of the tool bar buttons, left to right.
constexpr std::array<const char*, 7> kButtonStatus = {
    "Setup element and table colors",
    "Element Information Window",
    "Find an element in terms of weight, size, and others",
    "Set the current temperature in Kelvin, Celcius or Farenheit",
    "Graph periodic trends",
    "Help on Atomara",
    "About Atomara",
};

} // namespace

bool TfrmAtomara::IsElementTile(const QObject* object) const
{
    return std::find(ElementTiles.begin() + 1, ElementTiles.end(), object) != ElementTiles.end();
}

void TfrmAtomara::ElementClick(TElement* tile, Qt::MouseButton button)
{
    const int n = std::stoi(tile->Number());
    if (SelectedElement == 0) {
        SelectedElement = n;
        tile->SetSelected(true);
    } else if (n != SelectedElement) {
        ElementTile(SelectedElement)->SetSelected(false);
        SelectedElement = n;
        tile->SetSelected(true);
    }
    platform::ProcessMessages();
    if (tools_.elementInfo && tools_.elementInfo->isVisible())
        tools_.elementInfo->UpdateInfo(SelectedElement);
    if (button == Qt::RightButton) {
        mnuElementInfoPop_->setVisible(true);
        N6_->setVisible(true);
        platform::CurrentDialogs().PopupMenu(*PopupMenu_, QCursor::pos());
    }
}

void TfrmAtomara::TableMouseDown(Qt::MouseButton button)
{
    if (button != Qt::RightButton)
        return;
    mnuElementInfoPop_->setVisible(false);
    N6_->setVisible(false);
    platform::CurrentDialogs().PopupMenu(*PopupMenu_, QCursor::pos());
}

void TfrmAtomara::Status(QObject* sender)
{
    const bool tile = IsElementTile(sender);
    if (!tile && platform::HintPause() != kNormalHintPause) {
        platform::SetHintColor(savedHintColor_);
        platform::SetHintPause(kNormalHintPause);
    }
    QString text;
    if (tile) {
        const auto* t = static_cast<const TElement*>(sender);
        text = platform::FromAnsi(TileStatusText(t->Number(), t->Hint(), t->Symbol(), t->ElectronConfig()));
        // Over the tiles hints show at once, in light cyan.
        if (platform::HintPause() != 0) {
            platform::SetHintColor(platform::ToQColor(TileHintColor));
            platform::SetHintPause(0);
        }
    } else if (const auto button = std::find(toolButtons_.begin(), toolButtons_.end(), sender);
               button != toolButtons_.end()) {
        text = QString::fromLatin1(kButtonStatus[static_cast<std::size_t>(button - toolButtons_.begin())]);
    } else {
        text = QStringLiteral("Double-click here to setup colors");
    }
    if (StatusText(0) != text)
        SetStatusText(0, text);
}

void TfrmAtomara::ClearStatus()
{
    if (platform::HintPause() != kNormalHintPause) {
        platform::SetHintColor(savedHintColor_);
        platform::SetHintPause(kNormalHintPause);
    }
    if (!StatusText(0).isEmpty())
        SetStatusText(0, QString());
}

void TfrmAtomara::LegendDblClick()
{
    if (tools_.options)
        platform::CurrentDialogs().ShowModal(*tools_.options);
}

void TfrmAtomara::FormKeyDown(int key)
{
    if (SelectedElement < 1)
        return;
    const auto move = [this](ArrowKey arrow) {
        const int target = Neighbour(SelectedElement, arrow, PeriodicTable_->width(), PeriodicTable_->height());
        ElementClick(ElementTile(target), Qt::LeftButton);
    };
    switch (key) {
    case Qt::Key_Right: move(ArrowKey::Right); break;
    case Qt::Key_Left: move(ArrowKey::Left); break;
    case Qt::Key_Down: move(ArrowKey::Down); break;
    case Qt::Key_Up: move(ArrowKey::Up); break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: MenuClick(Command::ElementInfoShow); break;
    default: break;
    }
}

// Sees every key before any control does. Returns true for a key it consumes.
bool TfrmAtomara::AppMessage(QObject* receiver, QEvent* event)
{
    // Keys in an open menu belong to the menu.
    if (event->type() != QEvent::KeyPress || !receiver->isWidgetType() || QApplication::activePopupWidget())
        return false;
    // A key travels from the focused control up to its window; act on its first stop only.
    QWidget* first = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    if (receiver != first)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool alt = key->modifiers() & Qt::AltModifier;

    if (alt && tools_.setTemperature && tools_.setTemperature->isVisible()) {
        const std::array<std::pair<int, int>, 3> pages = {
            {{Qt::Key_K, TfrmSetTemperature::tabKelvin}, {Qt::Key_C, TfrmSetTemperature::tabCelsius},
             {Qt::Key_F, TfrmSetTemperature::tabFarenheit}}};
        for (const auto& [code, page] : pages) {
            if (key->key() == code) {
                tools_.setTemperature->PageChange();
                tools_.setTemperature->SetActivePage(page);
                return true;
            }
        }
        return false;
    }
    if (alt && tools_.findElement && tools_.findElement->isVisible()) {
        const std::array<std::pair<int, int>, 3> pages = {{{Qt::Key_N, TfrmFindElement::tabName},
                                                           {Qt::Key_S, TfrmFindElement::tabSymbol},
                                                           {Qt::Key_P, TfrmFindElement::tabProperty}}};
        for (const auto& [code, page] : pages) {
            if (key->key() == code) {
                tools_.findElement->SetActivePage(page);
                return true;
            }
        }
    }
    if (QApplication::activeWindow() != this)
        return false;
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
        const bool shift = key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
        ElementClick(ElementTile(NextByTab(std::max(SelectedElement, 1), shift)), Qt::LeftButton);
        return true;
    }
    FormKeyDown(key->key()); // the window sees keys before its controls and lets them pass
    return false;
}

void TfrmAtomara::UpdateTempStatus(const QObject* sender)
{
    if (sender == TempSlider_) {
        CurrentTemperature = static_cast<float>(TempSlider_->value());
        platform::ProcessMessages();
        ApplyTemperature();
    }
    SetStatusText(1, platform::FromAnsi(TemperatureStatusText(CurrentTemperature, platform::DecimalSeparator())));
}

void TfrmAtomara::ApplyTemperature()
{
    for (int n = 1; n <= kElementCount; ++n)
        ElementTile(n)->SetTemperature(CurrentTemperature);
}

// Mouse wiring of the parts that have no signals of their own.
void TfrmAtomara::WireMouse()
{
    for (QWidget* widget : std::initializer_list<QWidget*>{ToolBar_, pntBackGround_, PeriodicTable_,
                                                           PeriodicTable_->Client(), pntGroupLines_, pntElementLines_,
                                                           panLegend_})
        widget->setMouseTracking(true);
    for (QWidget* widget : toolButtons_)
        widget->setMouseTracking(true);
    for (QWidget* widget : groupLabels_)
        widget->setMouseTracking(true);
    for (QWidget* widget : legendLabels_)
        widget->setMouseTracking(true);
    for (TElement* tile : ElementTiles) {
        if (!tile)
            continue;
        connect(tile, &TElement::mouseMoved, this, platform::Guarded([this](TElement* t) { Status(t); }));
        connect(tile, &TElement::doubleClicked, this,
                platform::Guarded([this](TElement*) { MenuClick(Command::ElementInfoShow); }));
    }
    connect(TempSlider_, &QScrollBar::valueChanged, this, platform::Guarded([this](int) { UpdateTempStatus(TempSlider_); }));
    qApp->installEventFilter(this);
}

bool TfrmAtomara::eventFilter(QObject* watched, QEvent* event)
{
    bool consumed = false;
    platform::RunGuarded([&] {
        if (AppMessage(watched, event)) {
            consumed = true;
            return;
        }
        const bool isLegend = watched == panLegend_
            || std::find(legendLabels_.begin(), legendLabels_.end(), watched) != legendLabels_.end();
        const bool isGroupLabel = std::find(groupLabels_.begin(), groupLabels_.end(), watched) != groupLabels_.end();
        const bool isToolButton = std::find(toolButtons_.begin(), toolButtons_.end(), watched) != toolButtons_.end();
        switch (event->type()) {
        case QEvent::MouseMove:
            if (isToolButton || isLegend)
                Status(watched);
            else if (isGroupLabel || watched == ToolBar_ || watched == pntBackGround_ || watched == PeriodicTable_
                     || watched == PeriodicTable_->Client() || watched == pntGroupLines_ || watched == pntElementLines_)
                ClearStatus();
            break;
        case QEvent::MouseButtonPress: {
            const bool outerLabel = watched == groupLabels_[0] || watched == groupLabels_[15];
            if (isLegend || (isGroupLabel && !outerLabel) || watched == PeriodicTable_->Client()
                || watched == pntGroupLines_ || watched == pntElementLines_) {
                TableMouseDown(static_cast<QMouseEvent*>(event)->button());
                consumed = true;
            }
            break;
        }
        case QEvent::MouseButtonDblClick:
            if (isLegend) {
                LegendDblClick();
                consumed = true;
            }
            break;
        default:
            break;
        }
    });
    return consumed || QMainWindow::eventFilter(watched, event);
}

} // namespace atomara
