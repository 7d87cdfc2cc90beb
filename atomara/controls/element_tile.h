#pragma once
// TElement: one element of the table, a symbol and an atomic number on a 3-D tile. The
// symbol's colour shows the state of matter at the current temperature, the number's
// colour the category; the edge shows selection and, in trend mode, the depth rings.
#include "platform/core/colors.h"

#include <QRegion>
#include <QWidget>
#include <string>

namespace atomara {

class TElement : public QWidget {
    Q_OBJECT
public:
    explicit TElement(QWidget* parent = nullptr);

    // Text properties hold ANSI bytes, as the data file does.
    const std::string& Symbol() const { return symbol_; }
    void SetSymbol(const std::string& symbol) { symbol_ = symbol; }
    const std::string& Number() const { return number_; }
    void SetNumber(const std::string& number) { number_ = number; }
    const std::string& Hint() const { return hint_; } // the element's name
    void SetHint(const std::string& name);
    const std::string& ElectronConfig() const { return electronConfig_; }
    void SetElectronConfig(const std::string& config) { electronConfig_ = config; }

    int Depth() const { return depth_; }
    void SetDepth(int depth) { depth_ = depth; }
    int MaxDepth() const { return maxDepth_; }
    void SetMaxDepth(int maxDepth) { maxDepth_ = maxDepth; }

    bool Synthetic() const { return synthetic_; }
    void SetSynthetic(bool synthetic);
    double BoilingPoint() const { return boilingPoint_; }
    void SetBoilingPoint(double kelvin) { boilingPoint_ = kelvin; }
    double MeltingPoint() const { return meltingPoint_; }
    void SetMeltingPoint(double kelvin) { meltingPoint_ = kelvin; }
    double Temperature() const { return temperature_; }
    // Recolours the symbol for the state of matter at `kelvin`; synthetic tiles ignore it.
    void SetTemperature(double kelvin);

    bool Selected() const { return selected_; }
    void SetSelected(bool selected);

    platform::TColor Color() const { return color_; }
    void SetColor(platform::TColor color) { color_ = color; }
    platform::TColor NumberColor() const { return numberColor_; }
    void SetNumberColor(platform::TColor color) { numberColor_ = color; }
    platform::TColor SolidColor() const { return solidColor_; }
    void SetSolidColor(platform::TColor color) { solidColor_ = color; }
    platform::TColor LiquidColor() const { return liquidColor_; }
    void SetLiquidColor(platform::TColor color) { liquidColor_ = color; }
    platform::TColor GasColor() const { return gasColor_; }
    void SetGasColor(platform::TColor color) { gasColor_ = color; }
    platform::TColor SyntheticColor() const { return syntheticColor_; }
    void SetSyntheticColor(platform::TColor color);
    platform::TColor StateColor() const { return stateColor_; }
    bool CentredSymbol() const { return centredSymbol_; }

    // Paints the whole tile at once; runs when the font (taken from the table) changes.
    void FontChange();

    // What has been painted, so that redraw economy can be checked.
    int PaintCount() const { return paintCount_; }
    QRegion LastPaintRegion() const { return lastPaintRegion_; }
    QRect SymbolRect() const;
    QRect NumberRect() const;
    QRegion EdgeRegion() const;

signals:
    void mousePressed(TElement* tile, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);
    void mouseMoved(TElement* tile, Qt::KeyboardModifiers modifiers, QPoint position);
    void doubleClicked(TElement* tile);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool IsInCentredMode() const;
    void DrawSymbol(QPainter& painter);
    void DrawNumber(QPainter& painter);
    void DrawBevel(QPainter& painter);
    void RedrawSymbolAndEdge();

    std::string symbol_;
    std::string number_;
    std::string hint_;
    std::string electronConfig_;
    int depth_ = 0;
    int maxDepth_ = 20;
    bool synthetic_ = false;
    double boilingPoint_ = 0;
    double meltingPoint_ = 0;
    double temperature_ = 0;
    bool selected_ = false;
    platform::TColor color_ = platform::clBtnFace;
    platform::TColor numberColor_ = platform::clBlack;
    platform::TColor solidColor_ = platform::clBlack;
    platform::TColor liquidColor_ = platform::clBlack;
    platform::TColor gasColor_ = platform::clBlack;
    platform::TColor syntheticColor_ = platform::clBlack;
    platform::TColor stateColor_ = platform::clBlack;
    bool centredSymbol_ = false;
    int paintCount_ = 0;
    QRegion lastPaintRegion_;
};

} // namespace atomara
