#include "platform/gui/application.h"

#include "platform/core/colors.h"
#include "platform/core/decimal_separator.h"
#include "platform/gui/text.h"

#include <QApplication>
#include <QLocale>
#include <QPalette>
#include <QScreen>
#include <QWidget>

namespace platform {
namespace {

QString& Title()
{
    static QString title;
    return title;
}

SystemPalette PaletteFromDesktop(const QPalette& qt)
{
    SystemPalette p = ClassicSystemPalette();
    auto set = [&p, &qt](SystemColor index, QPalette::ColorRole role) {
        p[static_cast<std::size_t>(index)] = FromQColor(qt.color(QPalette::Active, role));
    };
    set(SystemColor::Window, QPalette::Base);
    set(SystemColor::WindowText, QPalette::Text);
    set(SystemColor::Menu, QPalette::Window);
    set(SystemColor::MenuText, QPalette::WindowText);
    set(SystemColor::BtnFace, QPalette::Button);
    set(SystemColor::BtnText, QPalette::ButtonText);
    set(SystemColor::BtnShadow, QPalette::Dark);
    set(SystemColor::BtnHighlight, QPalette::Light);
    set(SystemColor::Light3D, QPalette::Midlight);
    set(SystemColor::DkShadow3D, QPalette::Shadow);
    set(SystemColor::Highlight, QPalette::Highlight);
    set(SystemColor::HighlightText, QPalette::HighlightedText);
    set(SystemColor::InfoBk, QPalette::ToolTipBase);
    set(SystemColor::InfoText, QPalette::ToolTipText);
    return p;
}

} // namespace

QString ApplicationTitle() { return Title(); }
void SetApplicationTitle(const QString& title)
{
    Title() = title;
}

void InitPlatformFromDesktop()
{
    const QString point = QLocale::system().decimalPoint();
    SetDecimalSeparator(point.size() == 1 && point[0].unicode() < 0x80 ? point[0].toLatin1() : '.');
    SetSystemPalette(PaletteFromDesktop(QApplication::palette()));
}

void CenterOnScreen(QWidget& window)
{
    if (const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen())
        window.move(screen->availableGeometry().center() - window.rect().center());
}

std::filesystem::path ExecutableFolder()
{
    return std::filesystem::path(QCoreApplication::applicationDirPath().toStdString());
}

void ProcessMessages() { QCoreApplication::processEvents(); }

} // namespace platform
