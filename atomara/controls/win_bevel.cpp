#include "atomara/controls/win_bevel.h"

#include "platform/gui/canvas.h"

#include <QPainter>

namespace atomara {

TWinBevel::TWinBevel(QWidget* parent)
    : QWidget(parent)
{
}

void TWinBevel::SetWinBevel(bool on)
{
    winBevel_ = on;
    update();
}

void TWinBevel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    emit painted(painter);
    if (winBevel_)
        platform::DrawSunkenFrame(painter, width(), height());
}

} // namespace atomara
