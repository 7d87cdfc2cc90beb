#pragma once
#include <QDialog>

namespace atomara {

class TfrmAtomara;

// Takes a temperature in kelvin, Celsius or Fahrenheit; modal.
class TfrmSetTemperature : public QDialog {
    Q_OBJECT
public:
    explicit TfrmSetTemperature(TfrmAtomara* mainWindow);

private:
    TfrmAtomara* main_;
};

} // namespace atomara
