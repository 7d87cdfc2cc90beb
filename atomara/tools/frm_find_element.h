#pragma once
#include <QDialog>

namespace atomara {

class TfrmAtomara;

// Finds elements by name, symbol or a property range; modal.
class TfrmFindElement : public QDialog {
    Q_OBJECT
public:
    explicit TfrmFindElement(TfrmAtomara* mainWindow);

private:
    TfrmAtomara* main_;
};

} // namespace atomara
