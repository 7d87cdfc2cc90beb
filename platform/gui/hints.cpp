#include "platform/gui/hints.h"

#include <QApplication>
#include <QProxyStyle>
#include <QToolTip>

namespace platform {
namespace {

int g_hintPause = 800;

class HintStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_ToolTip_WakeUpDelay)
            return g_hintPause;
        if (hint == SH_ToolTip_FallAsleepDelay)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

void InstallHintControl() { QApplication::setStyle(new HintStyle); }

int HintPause() { return g_hintPause; }
void SetHintPause(int milliseconds) { g_hintPause = milliseconds; }

QColor HintColor() { return QToolTip::palette().color(QPalette::ToolTipBase); }

void SetHintColor(const QColor& color)
{
    QPalette palette = QToolTip::palette();
    palette.setColor(QPalette::ToolTipBase, color);
    palette.setColor(QPalette::Inactive, QPalette::ToolTipBase, color);
    QToolTip::setPalette(palette);
}

} // namespace platform
