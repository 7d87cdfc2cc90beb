#pragma once
#include <QMainWindow>

namespace atomara {

class TfrmAtomara;

// Draws a property over atomic number; non-modal, with its own taskbar button.
class TfrmGraph : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmGraph(TfrmAtomara* mainWindow);

private:
    TfrmAtomara* main_;
};

} // namespace atomara
