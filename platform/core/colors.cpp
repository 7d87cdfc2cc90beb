#include "platform/core/colors.h"

namespace platform {
namespace {

SystemPalette& Palette()
{
    static SystemPalette palette = ClassicSystemPalette();
    return palette;
}

} // namespace

SystemPalette ClassicSystemPalette()
{
    SystemPalette p{};
    auto set = [&p](SystemColor index, TColor rgb) { p[static_cast<std::size_t>(index)] = rgb; };
    set(SystemColor::ScrollBar, clSilver);
    set(SystemColor::Background, clTeal);
    set(SystemColor::ActiveCaption, clNavy);
    set(SystemColor::InactiveCaption, clGray);
    set(SystemColor::Menu, clSilver);
    set(SystemColor::Window, clWhite);
    set(SystemColor::WindowFrame, clBlack);
    set(SystemColor::MenuText, clBlack);
    set(SystemColor::WindowText, clBlack);
    set(SystemColor::CaptionText, clWhite);
    set(SystemColor::ActiveBorder, clSilver);
    set(SystemColor::InactiveBorder, clSilver);
    set(SystemColor::AppWorkSpace, clGray);
    set(SystemColor::Highlight, clNavy);
    set(SystemColor::HighlightText, clWhite);
    set(SystemColor::BtnFace, clSilver);
    set(SystemColor::BtnShadow, clGray);
    set(SystemColor::GrayText, clGray);
    set(SystemColor::BtnText, clBlack);
    set(SystemColor::InactiveCaptionText, clSilver);
    set(SystemColor::BtnHighlight, clWhite);
    set(SystemColor::DkShadow3D, clBlack);
    set(SystemColor::Light3D, clSilver);
    set(SystemColor::InfoText, clBlack);
    set(SystemColor::InfoBk, MakeRgb(255, 255, 225));
    return p;
}

const SystemPalette& CurrentSystemPalette() { return Palette(); }
void SetSystemPalette(const SystemPalette& palette) { Palette() = palette; }

TColor ColorToRGB(TColor color)
{
    if (!IsSystemColor(color))
        return color & 0x00FFFFFF;
    const auto index = color & 0xFF;
    if ((color & 0x7FFFFF00) != 0 || index >= Palette().size())
        return clBlack;
    return Palette()[index];
}

} // namespace platform
