#include "platform/gui/paint_box.h"

#include <QPainter>

namespace platform {

PaintBox::PaintBox(QWidget* parent)
    : QWidget(parent)
{
    setMouseTracking(true);
}

void PaintBox::paintEvent(QPaintEvent*)
{
    if (!OnPaint)
        return;
    QPainter painter(this);
    OnPaint(painter);
}

} // namespace platform
