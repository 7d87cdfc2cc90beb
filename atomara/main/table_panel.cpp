#include "atomara/main/table_panel.h"

#include "platform/gui/canvas.h"
#include "platform/gui/text.h"

#include <QMouseEvent>
#include <QPainter>

namespace atomara {

void ClientArea::resizeEvent(QResizeEvent*)
{
    if (OnResize)
        OnResize();
}

namespace {

// Paints the table's client area: its colour and the lowered inner bevel.
class TableClient : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        platform::Canvas canvas(painter);
        const int w = width();
        const int h = height();
        canvas.SetPen(platform::ToQColor(platform::clBtnShadow));
        canvas.MoveTo(0, h - 1);
        canvas.LineTo(0, 0);
        canvas.LineTo(w - 1, 0);
        canvas.SetPen(platform::ToQColor(platform::clBtnHighlight));
        canvas.LineTo(w - 1, h - 1);
        canvas.LineTo(-1, h - 1);
    }
};

} // namespace

TablePanel::TablePanel(QWidget* parent)
    : QWidget(parent)
    , client_(new TableClient(this))
{
    client_->setAutoFillBackground(true);
}

void TablePanel::SetColor(platform::TColor color)
{
    QPalette palette = client_->palette();
    palette.setColor(QPalette::Window, platform::ToQColor(color));
    client_->setPalette(palette);
}

void TablePanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    platform::Canvas canvas(painter);
    const int w = width();
    const int h = height();
    canvas.SetPen(platform::ToQColor(platform::clBtnShadow));
    canvas.MoveTo(0, h - 1);
    canvas.LineTo(0, 0);
    canvas.LineTo(w - 1, 0);
    canvas.SetPen(platform::ToQColor(platform::clBtnHighlight));
    canvas.LineTo(w - 1, h - 1);
    canvas.LineTo(-1, h - 1);
    canvas.SetPen(platform::ToQColor(platform::clBlack));
    canvas.MoveTo(1, h - 2);
    canvas.LineTo(1, 1);
    canvas.LineTo(w - 2, 1);
    canvas.SetPen(platform::ToQColor(platform::clSilver));
    canvas.LineTo(w - 2, h - 2);
    canvas.LineTo(0, h - 2);
}

void TablePanel::resizeEvent(QResizeEvent*)
{
    client_->setGeometry(kBorder, kBorder, width() - 2 * kBorder, height() - 2 * kBorder);
}

void TablePanel::mousePressEvent(QMouseEvent* event) { emit mousePressed(event->button()); }

void BorderedPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QColor(Qt::black));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void BorderedPanel::mousePressEvent(QMouseEvent* event) { emit mousePressed(event->button()); }
void BorderedPanel::mouseDoubleClickEvent(QMouseEvent*) { emit doubleClicked(); }

} // namespace atomara
