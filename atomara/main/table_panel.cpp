#include "atomara/main/table_panel.h"

#include "platform/gui/canvas.h"
#include "platform/gui/text.h"

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
        platform::DrawEdge(painter, width(), height(), 0, platform::ToQColor(platform::clBtnShadow),
                           platform::ToQColor(platform::clBtnHighlight));
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
    // A sunken border two pixels wide.
    QPainter painter(this);
    platform::DrawEdge(painter, width(), height(), 0, platform::ToQColor(platform::clBtnShadow),
                       platform::ToQColor(platform::clBtnHighlight));
    platform::DrawEdge(painter, width(), height(), 1, platform::ToQColor(platform::clBlack),
                       platform::ToQColor(platform::clSilver));
}

void TablePanel::resizeEvent(QResizeEvent*)
{
    client_->setGeometry(kBorder, kBorder, width() - 2 * kBorder, height() - 2 * kBorder);
}


void BorderedPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QColor(Qt::black));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace atomara
