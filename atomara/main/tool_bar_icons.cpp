#include "atomara/main/tool_bar_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace atomara {
namespace {

constexpr int kSize = 48; // drawn large, scaled down by the button

void DrawOptions(QPainter& p)
{
    // A palette with four colour spots.
    p.setBrush(QColor(230, 200, 140));
    p.setPen(QPen(QColor(120, 90, 40), 2));
    QPainterPath palette;
    palette.addEllipse(QRectF(4, 8, 40, 32));
    QPainterPath hole;
    hole.addEllipse(QRectF(28, 26, 8, 8));
    p.drawPath(palette.subtracted(hole));
    const QColor spots[] = {Qt::red, Qt::blue, QColor(0, 150, 0), Qt::yellow};
    const QPointF at[] = {{14, 18}, {24, 14}, {34, 18}, {14, 30}};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        p.setBrush(spots[i]);
        p.drawEllipse(at[i], 4, 4);
    }
}

void DrawElementInfo(QPainter& p)
{
    // A tile with a symbol and lines of text beside it.
    p.setPen(QPen(QColor(60, 60, 60), 2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6, 4, 36, 40));
    p.setPen(QColor(0, 0, 128));
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(18);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRectF(8, 6, 20, 20), Qt::AlignCenter, QStringLiteral("i"));
    p.setPen(QPen(QColor(120, 120, 120), 2));
    for (int y = 30; y <= 38; y += 4)
        p.drawLine(12, y, 36, y);
}

void DrawFind(QPainter& p)
{
    p.setPen(QPen(QColor(40, 40, 40), 4));
    p.setBrush(QColor(200, 230, 255));
    p.drawEllipse(QPointF(20, 20), 12, 12);
    p.setPen(QPen(QColor(120, 70, 20), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(30, 30), QPointF(42, 42));
}

void DrawTemperature(QPainter& p)
{
    p.setPen(QPen(QColor(60, 60, 60), 2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(19, 3, 10, 32), 5, 5);
    p.setBrush(QColor(220, 0, 0));
    p.drawEllipse(QPointF(24, 38), 8, 8);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(22, 16, 4, 20));
    p.setPen(QPen(QColor(60, 60, 60), 1));
    for (int y = 8; y <= 28; y += 5)
        p.drawLine(30, y, 34, y);
}

void DrawGraph(QPainter& p)
{
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(6, 4, 6, 42);
    p.drawLine(6, 42, 44, 42);
    p.setPen(QPen(QColor(0, 120, 0), 3));
    const QPointF points[] = {{8, 36}, {14, 12}, {20, 30}, {26, 22}, {32, 34}, {38, 8}, {44, 26}};
    p.drawPolyline(points, 7);
}

void DrawLetter(QPainter& p, const QString& letter, const QColor& fill)
{
    p.setPen(QPen(fill.darker(160), 2));
    p.setBrush(fill);
    p.drawEllipse(QPointF(24, 24), 19, 19);
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(28);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 0, kSize, kSize), Qt::AlignCenter, letter);
}

} // namespace

QIcon ToolBarIcon(ToolButton button)
{
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (button) {
    case ToolButton::Options: DrawOptions(p); break;
    case ToolButton::ElementInfo: DrawElementInfo(p); break;
    case ToolButton::Find: DrawFind(p); break;
    case ToolButton::Temperature: DrawTemperature(p); break;
    case ToolButton::Graph: DrawGraph(p); break;
    case ToolButton::Help: DrawLetter(p, QStringLiteral("?"), QColor(30, 90, 200)); break;
    case ToolButton::About: DrawLetter(p, QStringLiteral("A"), QColor(0, 128, 128)); break;
    }
    return QIcon(pixmap);
}

} // namespace atomara
