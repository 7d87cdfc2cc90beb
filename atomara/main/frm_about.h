#pragma once
#include <QDialog>

class QLabel;

namespace atomara {

class TfrmAtomara;

class TfrmAbout : public QDialog {
    Q_OBJECT
public:
    // Placed with its centre on the centre of `mainWindow` as it stands now.
    explicit TfrmAbout(const TfrmAtomara* mainWindow);

    void CenterOnScreen();
    void butOKClick() { close(); }

private:
    void FormCreate(const TfrmAtomara* mainWindow);
    QLabel* lblVer_;
};

} // namespace atomara
