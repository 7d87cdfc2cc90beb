#include "atomara/main/app_icon.h"

#include <QPainter>
#include <QPixmap>

namespace atomara {
namespace {

QPixmap DrawIcon(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal edge = size / 16.0;
    const QRectF tile(edge, edge, size - 2 * edge, size - 2 * edge);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xC0, 0xC0, 0xC0));
    p.drawRect(tile);
    // Raised bevel: light top-left, dark bottom-right.
    p.setPen(QPen(Qt::white, edge));
    p.drawLine(tile.topLeft(), tile.topRight());
    p.drawLine(tile.topLeft(), tile.bottomLeft());
    p.setPen(QPen(QColor(0x80, 0x80, 0x80), edge));
    p.drawLine(tile.bottomLeft(), tile.bottomRight());
    p.drawLine(tile.topRight(), tile.bottomRight());

    QFont numberFont(QStringLiteral("DejaVu Sans"));
    numberFont.setPixelSize(std::max(5, size / 4));
    numberFont.setBold(true);
    p.setFont(numberFont);
    p.setPen(QColor(0xFF, 0, 0));
    p.drawText(tile.adjusted(edge * 2, edge, 0, 0), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("85"));

    QFont symbolFont(QStringLiteral("DejaVu Serif"));
    symbolFont.setPixelSize(std::max(7, size / 2));
    symbolFont.setBold(true);
    p.setFont(symbolFont);
    p.setPen(QColor(0, 0, 0x80));
    p.drawText(tile.adjusted(0, size / 5.0, 0, 0), Qt::AlignCenter, QStringLiteral("At"));
    return pixmap;
}

} // namespace

QIcon AppIcon()
{
    static const QIcon icon = [] {
        QIcon result;
        for (const int size : {16, 24, 32, 48, 64, 128})
            result.addPixmap(DrawIcon(size));
        return result;
    }();
    return icon;
}

} // namespace atomara
