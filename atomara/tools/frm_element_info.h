#pragma once
#include "platform/core/colors.h"

#include <QWidget>
#include <array>

namespace atomara {

class TfrmAtomara;

// Shows every value of the selected element; non-modal. Its rows come with the
// element information work; until then it carries its caption and colour settings.
class TfrmElementInfo : public QWidget {
    Q_OBJECT
public:
    explicit TfrmElementInfo(TfrmAtomara* mainWindow);

    // Refills the window for element n (also while hidden).
    void UpdateInfo(int n);

    // Text colours of symbol, name, number, odd and even captions, odd and even values.
    bool DefaultColours = true;
    std::array<platform::TColor, 7> TextColors{};

signals:
    void hidden(); // every way of hiding the window

protected:
    void hideEvent(QHideEvent* event) override;

private:
    TfrmAtomara* main_;
};

} // namespace atomara
