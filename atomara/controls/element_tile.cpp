#include "atomara/controls/element_tile.h"

#include "atomara/data/tile_paint.h"
#include "platform/gui/canvas.h"
#include "platform/gui/text.h"

#include <QMouseEvent>
#include <QPainter>

namespace atomara {

TElement::TElement(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setMouseTracking(true);
}

void TElement::SetHint(const std::string& name)
{
    hint_ = name;
    setToolTip(platform::FromAnsi(name));
}

void TElement::SetSynthetic(bool synthetic)
{
    synthetic_ = synthetic;
    if (synthetic)
        stateColor_ = syntheticColor_;
}

void TElement::SetSyntheticColor(platform::TColor color)
{
    syntheticColor_ = color;
    if (synthetic_)
        stateColor_ = color;
}

void TElement::SetTemperature(double kelvin)
{
    if (synthetic_)
        return;
    temperature_ = kelvin;
    const auto color = StateColorAt(kelvin, meltingPoint_, boilingPoint_, {solidColor_, liquidColor_, gasColor_});
    if (color == stateColor_)
        return;
    stateColor_ = color;
    RedrawSymbolAndEdge();
}

void TElement::SetSelected(bool selected)
{
    selected_ = selected;
    repaint(EdgeRegion());
}

void TElement::FontChange() { repaint(); }

void TElement::RedrawSymbolAndEdge() { repaint(QRegion(SymbolRect()) + EdgeRegion()); }

bool TElement::IsInCentredMode() const
{
    return IsCentredSymbol(font().pointSize(), fontMetrics().height(), height(), depth_);
}

QRect TElement::SymbolRect() const
{
    const QFontMetrics metrics = fontMetrics();
    const int textWidth = metrics.horizontalAdvance(platform::FromAnsi(symbol_));
    const int textHeight = metrics.height();
    if (IsInCentredMode())
        return {width() / 2 - textWidth / 2, height() / 2 - textHeight / 2, textWidth, textHeight};
    return {2, height() - textHeight - 2, textWidth, textHeight};
}

QRect TElement::NumberRect() const
{
    const QFontMetrics metrics = fontMetrics();
    const int textWidth = metrics.horizontalAdvance(platform::FromAnsi(number_));
    return {width() - textWidth - 3, 1, textWidth, metrics.height()};
}

QRegion TElement::EdgeRegion() const
{
    const int thickness = BevelThickness(depth_, maxDepth_);
    return QRegion(rect()) - QRegion(rect().adjusted(thickness, thickness, -thickness, -thickness));
}

void TElement::paintEvent(QPaintEvent* event)
{
    ++paintCount_;
    lastPaintRegion_ = event->region();
    QPainter painter(this);
    centredSymbol_ = IsInCentredMode();
    DrawSymbol(painter);
    if (!centredSymbol_)
        DrawNumber(painter);
    DrawBevel(painter);
}

// Text is drawn opaque, on the tile's colour; the rest of the tile shows the table.
void TElement::DrawSymbol(QPainter& painter)
{
    const QRect box = SymbolRect();
    painter.fillRect(box, platform::ToQColor(color_));
    painter.setPen(platform::ToQColor(stateColor_));
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, platform::FromAnsi(symbol_));
}

void TElement::DrawNumber(QPainter& painter)
{
    const QRect box = NumberRect();
    painter.fillRect(box, platform::ToQColor(color_));
    painter.setPen(platform::ToQColor(numberColor_));
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, platform::FromAnsi(number_));
}

void TElement::DrawBevel(QPainter& painter)
{
    for (const EdgeLine& line : BevelLines(width(), height(), depth_, maxDepth_, selected_, color_))
        platform::StrokeLine(painter, {line.x1, line.y1}, {line.x2, line.y2}, platform::ToQColor(line.color),
                             line.style == PenStyle::Dotted ? platform::DottedPen() : platform::SolidPen());
}

void TElement::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        FontChange();
}

void TElement::mousePressEvent(QMouseEvent* event)
{
    emit mousePressed(this, event->button(), event->modifiers(), event->position().toPoint());
}

void TElement::mouseMoveEvent(QMouseEvent* event)
{
    emit mouseMoved(this, event->modifiers(), event->position().toPoint());
}

void TElement::mouseDoubleClickEvent(QMouseEvent*) { emit doubleClicked(this); }

} // namespace atomara
