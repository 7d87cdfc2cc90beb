#pragma once
#include <QDialog>

namespace atomara {

class TfrmAtomara;

// Colours of the table and the tool windows, and the wallpaper; modal.
class TfrmOptions : public QDialog {
    Q_OBJECT
public:
    explicit TfrmOptions(TfrmAtomara* mainWindow);

    // Set on the copy made during the main window's first show, while the element
    // information and graph windows do not exist yet.
    bool StartupFlag = false;

private:
    TfrmAtomara* main_;
};

} // namespace atomara
