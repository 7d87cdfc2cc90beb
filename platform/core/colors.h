#pragma once
// Colour numbers: $00BBGGRR for an RGB colour, or $80000000 plus a system colour index.
#include <array>
#include <cstdint>

namespace platform {

using TColor = std::uint32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;

constexpr TColor kSystemColorFlag = 0x80000000;

// System colour indices, as the colour numbers use them.
enum class SystemColor : int {
    ScrollBar = 0, Background, ActiveCaption, InactiveCaption, Menu, Window, WindowFrame,
    MenuText, WindowText, CaptionText, ActiveBorder, InactiveBorder, AppWorkSpace,
    Highlight, HighlightText, BtnFace, BtnShadow, GrayText, BtnText, InactiveCaptionText,
    BtnHighlight, DkShadow3D, Light3D, InfoText, InfoBk,
    Count
};

constexpr TColor SystemColorNumber(SystemColor index)
{
    return kSystemColorFlag | static_cast<TColor>(index);
}

constexpr TColor clWindow = SystemColorNumber(SystemColor::Window);         // $80000005
constexpr TColor clWindowText = SystemColorNumber(SystemColor::WindowText); // $80000008
constexpr TColor clBtnFace = SystemColorNumber(SystemColor::BtnFace);       // $8000000F
constexpr TColor clBtnShadow = SystemColorNumber(SystemColor::BtnShadow);
constexpr TColor clBtnHighlight = SystemColorNumber(SystemColor::BtnHighlight);
constexpr TColor clBtnText = SystemColorNumber(SystemColor::BtnText);
constexpr TColor clInfoBk = SystemColorNumber(SystemColor::InfoBk);

constexpr bool IsSystemColor(TColor color) { return (color & kSystemColorFlag) != 0; }

constexpr TColor MakeRgb(int red, int green, int blue)
{
    return static_cast<TColor>(red & 0xFF) | static_cast<TColor>(green & 0xFF) << 8
        | static_cast<TColor>(blue & 0xFF) << 16;
}
constexpr int RedOf(TColor rgb) { return rgb & 0xFF; }
constexpr int GreenOf(TColor rgb) { return (rgb >> 8) & 0xFF; }
constexpr int BlueOf(TColor rgb) { return (rgb >> 16) & 0xFF; }

using SystemPalette = std::array<TColor, static_cast<std::size_t>(SystemColor::Count)>;

// The classic desktop palette: silver button faces, white windows, black text.
SystemPalette ClassicSystemPalette();

// The palette ColorToRGB resolves system colours with. The GUI layer sets it from the
// desktop's palette at start-up; tests set it explicitly.
const SystemPalette& CurrentSystemPalette();
void SetSystemPalette(const SystemPalette& palette);

// An RGB colour unchanged; a system colour as its current RGB value. An unknown
// system index resolves to black.
TColor ColorToRGB(TColor color);

} // namespace platform
