#pragma once
#include <QDialog>

class QTabWidget;

namespace atomara {

class TfrmAtomara;

// Finds elements by name, symbol or a property range; modal.
class TfrmFindElement : public QDialog {
    Q_OBJECT
public:
    explicit TfrmFindElement(TfrmAtomara* mainWindow);

    enum Page { tabName = 0, tabSymbol = 1, tabProperty = 2 };
    int ActivePage() const;
    void SetActivePage(int page);

private:
    TfrmAtomara* main_;
    QTabWidget* pages_;
};

} // namespace atomara
