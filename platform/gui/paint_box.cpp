#include "platform/gui/paint_box.h"

#include <QMouseEvent>
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

void PaintBox::mousePressEvent(QMouseEvent* event) { emit mousePressed(event->button()); }
void PaintBox::mouseMoveEvent(QMouseEvent*) { emit mouseMoved(); }
void PaintBox::resizeEvent(QResizeEvent*) { emit resized(); }

} // namespace platform
