#pragma once
#include <QWidget>

namespace atomara {

class TfrmAtomara;

// Shows every value of the selected element; non-modal.
class TfrmElementInfo : public QWidget {
    Q_OBJECT
public:
    explicit TfrmElementInfo(TfrmAtomara* mainWindow);

private:
    TfrmAtomara* main_;
};

} // namespace atomara
