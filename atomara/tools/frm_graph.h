#pragma once
#include "platform/core/colors.h"

#include <QMainWindow>
#include <array>

namespace atomara {

class TfrmAtomara;

// Draws a property over atomic number; non-modal, with its own taskbar button. The
// drawing comes with the trend graph work; the settings it owns exist already.
class TfrmGraph : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmGraph(TfrmAtomara* mainWindow);

    bool ShowSymbolPos = false;
    int PropertyIndex = 0; // 0..13, 14 when none is checked
    bool DefaultColours = true;
    // Background, value, axis, plot and element colours.
    std::array<platform::TColor, 5> Colors{};

private:
    TfrmAtomara* main_;
};

} // namespace atomara
