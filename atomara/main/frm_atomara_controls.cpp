// Creation of the main window's parts: tool bar, status bar, table, tiles, group
// labels and legend. Sizes are design pixels, scaled once here.
#include "atomara/controls/element_tile.h"
#include "atomara/data/element_category.h"
#include "atomara/data/table_layout.h"
#include "atomara/data/tile_data.h"
#include "atomara/main/frm_atomara.h"
#include "atomara/main/table_panel.h"
#include "atomara/main/tool_bar_icons.h"
#include "platform/core/decimal_separator.h"
#include "platform/gui/application.h"
#include "platform/gui/guard.h"
#include "platform/gui/paint_box.h"
#include "platform/gui/scaling.h"
#include "platform/gui/text.h"

#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QToolButton>

namespace atomara {

using platform::DesignPx;

namespace {

constexpr int kButtonSize = 28;     // design pixels
constexpr int kOptionsLeft = 8;     // design pixels
constexpr int kStatusBarHeight = 23; // design pixels

struct ButtonSpec {
    ToolButton icon;
    const char* hint;
};
constexpr std::array<ButtonSpec, 7> kButtons = {{
    {ToolButton::Options, "Options"},
    {ToolButton::ElementInfo, "Element Info"},
    {ToolButton::Find, "Find Element"},
    {ToolButton::Temperature, "Set Temperature"},
    {ToolButton::Graph, "Graph Trends"},
    {ToolButton::Help, "Help"},
    {ToolButton::About, "About"},
}};

void SetTextColor(QWidget* widget, platform::TColor color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, platform::ToQColor(color));
    widget->setPalette(palette);
}

Size SizeOf(const QWidget* widget) { return {widget->width(), widget->height()}; }

QRect ToQRect(const Rect& r) { return {r.left, r.top, r.width, r.height}; }

} // namespace

void TfrmAtomara::CreateToolBar()
{
    ToolBar_ = new QWidget(client_);
    auto* bevel = new platform::PaintBox(ToolBar_); // the 3-pixel line along the top
    bevel->OnPaint = [bevel](QPainter& p) {
        p.fillRect(0, 0, bevel->width(), 1, platform::ToQColor(platform::clBtnShadow));
        p.fillRect(0, 1, bevel->width(), 1, platform::ToQColor(platform::clBtnHighlight));
    };
    bevel->setObjectName(QStringLiteral("ToolBarBevel"));
    for (std::size_t i = 0; i < kButtons.size(); ++i) {
        auto* button = new QToolButton(ToolBar_);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setIcon(ToolBarIcon(kButtons[i].icon));
        button->setIconSize(platform::DesignSize(20, 20));
        button->setToolTip(QString::fromLatin1(kButtons[i].hint));
        button->resize(platform::DesignSize(kButtonSize, kButtonSize));
        toolButtons_[i] = button;
    }
    TempSlider_ = new QScrollBar(Qt::Horizontal, ToolBar_);
    TempSlider_->setRange(0, 6000);
    TempSlider_->setSingleStep(1);
    TempSlider_->setPageStep(100);
    TempSlider_->setFocusPolicy(Qt::NoFocus);
    TempSlider_->setToolTip(QStringLiteral("Temperature Slider"));

    const ToolBarLayout layout =
        ComputeToolBar({DesignPx(kButtonSize), DesignPx(kButtonSize)}, DesignPx(kOptionsLeft), TempSlider_->sizeHint().height());
    ToolBar_->resize(ToolBar_->width(), layout.height);
    bevel->setGeometry(0, 0, 4000, 3);
    for (std::size_t i = 0; i < toolButtons_.size(); ++i)
        toolButtons_[i]->setGeometry(ToQRect(layout.buttons[i]));
    TempSlider_->move(layout.sliderLeft, layout.sliderTop);
}

void TfrmAtomara::CreateStatusBar()
{
    StatusBar_ = new QWidget(client_);
    StatusBar_->resize(StatusBar_->width(), DesignPx(kStatusBarHeight));
    for (auto& panel : statusPanels_) {
        panel = new QLabel(StatusBar_);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setIndent(DesignPx(2));
    }
}

void TfrmAtomara::CreateTable()
{
    pntBackGround_ = new platform::PaintBox(client_);
    pntBackGround_->OnPaint = [this](QPainter& p) { BackgroundPaint(p); };

    PeriodicTable_ = new TablePanel(client_);
    PeriodicTable_->hide(); // until the first layout
    PeriodicTable_->SetColor(tableColor_);
    QWidget* table = PeriodicTable_->Client();

    pntGroupLines_ = new platform::PaintBox(table);
    pntGroupLines_->OnPaint = [this](QPainter& p) { GroupLinesPaint(p); };
    pntElementLines_ = new platform::PaintBox(table);
    pntElementLines_->OnPaint = [this](QPainter& p) { ElementLinesPaint(p); };

    auto* legend = new BorderedPanel(table);
    panLegend_ = legend;
    CreateLegend();
}

void TfrmAtomara::CreateLegend()
{
    for (std::size_t i = 0; i < kLegendCount; ++i) {
        auto* label = new QLabel(QString::fromLatin1(kLegendCaptions[i]), panLegend_);
        label->setObjectName(QStringLiteral("lbl%1").arg(kLegendCaptions[i]));
        legendLabels_[i] = label;
    }
    ColorLegendLabels();
}

void TfrmAtomara::ColorLegendLabels()
{
    for (std::size_t i = 0; i < kLegendCount; ++i)
        SetTextColor(legendLabels_[i], legendColors_[i]);
}

void TfrmAtomara::LayoutLegend()
{
    std::array<Size, kLegendCount> sizes{};
    for (std::size_t i = 0; i < kLegendCount; ++i) {
        legendLabels_[i]->adjustSize();
        sizes[i] = SizeOf(legendLabels_[i]);
    }
    const LegendLayout layout = ComputeLegend(sizes);
    for (std::size_t i = 0; i < kLegendCount; ++i)
        legendLabels_[i]->setGeometry(ToQRect(layout.labels[i]));
    panLegend_->resize(layout.size.width, layout.size.height);
}

void TfrmAtomara::CreateTiles()
{
    QWidget* table = PeriodicTable_->Client();
    const char separator = platform::DecimalSeparator();
    for (int n = 1; n <= kElementCount; ++n) {
        platform::ProcessMessages(); // keeps the splash painted
        auto* tile = new TElement(table);
        connect(tile, &TElement::mousePressed, this,
                platform::Guarded([this](TElement* t, Qt::MouseButton button) { ElementClick(t, button); }));
        const TileData data = TileDataFor(elementData_, n, separator);
        tile->SetHint(data.name);
        tile->SetSymbol(data.symbol);
        tile->SetNumber(data.number);
        tile->SetElectronConfig(data.electronConfig);
        tile->SetBoilingPoint(data.boilingPoint);
        tile->SetMeltingPoint(data.meltingPoint);
        tile->SetColor(tableColor_);
        tile->SetNumberColor(LegendColor(legendColors_, Legend::Metals));
        tile->SetSyntheticColor(LegendColor(legendColors_, Legend::Undefined));
        tile->SetSynthetic(data.synthetic);
        tile->SetGasColor(LegendColor(legendColors_, Legend::Gases));
        tile->SetLiquidColor(LegendColor(legendColors_, Legend::Liquids));
        tile->SetSolidColor(LegendColor(legendColors_, Legend::Solids));
        if (CategoryOf(n) == ElementCategory::Nonmetal)
            tile->SetNumberColor(LegendColor(legendColors_, Legend::Nonmetals));
        else if (CategoryOf(n) == ElementCategory::Semimetal)
            tile->SetNumberColor(LegendColor(legendColors_, Legend::Semimetals));
        ElementTiles[static_cast<std::size_t>(n)] = tile;
    }
    pntGroupLines_->raise();
    pntElementLines_->lower(); // beneath the tiles, like the paint box it is
}

void TfrmAtomara::CreateGroupLabels()
{
    for (std::size_t i = 0; i < groupLabels_.size(); ++i) {
        const bool onWindow = i == 0 || i == 15;
        auto* label = new QLabel(QString::fromLatin1(kGroupLabels[i].caption),
                                 onWindow ? static_cast<QWidget*>(client_) : PeriodicTable_->Client());
        label->setAutoFillBackground(true);
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, platform::ToQColor(platform::clNavy));
        palette.setColor(QPalette::WindowText, platform::ToQColor(platform::clYellow));
        label->setPalette(palette);
        if (onWindow)
            label->setFont(font());
        label->adjustSize();
        groupLabels_[i] = label;
    }
}

void TfrmAtomara::SetStatusText(int panel, const QString& text)
{
    statusPanels_.at(static_cast<std::size_t>(panel))->setText(text);
}

QString TfrmAtomara::StatusText(int panel) const { return statusPanels_.at(static_cast<std::size_t>(panel))->text(); }

} // namespace atomara
