#include "convert/main/tool_bar_pictures.h"

#include <QPainter>
#include <QPixmap>

namespace convert {

QIcon ToolBarPicture(ToolBarButton button)
{
    constexpr int size = 48;
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (button) {
    case ToolBarButton::TemperatureConverter:
        p.setPen(QPen(QColor(60, 60, 60), 2));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(19, 3, 10, 32), 5, 5);
        p.setBrush(QColor(220, 0, 0));
        p.drawEllipse(QPointF(24, 38), 8, 8);
        p.setPen(Qt::NoPen);
        p.drawRect(QRectF(22, 14, 4, 22));
        p.setPen(QPen(QColor(30, 30, 160), 2));
        p.drawLine(34, 10, 42, 10);
        p.drawLine(34, 18, 42, 18);
        p.drawLine(38, 6, 38, 14);
        break;
    case ToolBarButton::Help: {
        p.setPen(QPen(QColor(20, 70, 170), 2));
        p.setBrush(QColor(40, 110, 220));
        p.drawEllipse(QPointF(24, 24), 19, 19);
        QFont font(QStringLiteral("DejaVu Serif"));
        font.setPixelSize(28);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRectF(0, 0, size, size), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    case ToolBarButton::Exit:
        p.setPen(QPen(QColor(90, 50, 20), 2));
        p.setBrush(QColor(170, 110, 60));
        p.drawRect(QRectF(8, 4, 22, 40));
        p.setBrush(QColor(230, 190, 90));
        p.drawEllipse(QPointF(25, 25), 2, 2);
        p.setPen(QPen(QColor(200, 0, 0), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(32, 24, 44, 24);
        p.drawLine(44, 24, 38, 18);
        p.drawLine(44, 24, 38, 30);
        break;
    }
    return QIcon(pixmap);
}

} // namespace convert
