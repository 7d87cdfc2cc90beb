#pragma once
#include <QDialog>

class QTabWidget;

namespace atomara {

class TfrmAtomara;

// Takes a temperature in kelvin, Celsius or Fahrenheit; modal.
class TfrmSetTemperature : public QDialog {
    Q_OBJECT
public:
    explicit TfrmSetTemperature(TfrmAtomara* mainWindow);

    enum Page { tabKelvin = 0, tabCelsius = 1, tabFarenheit = 2 };
    int ActivePage() const;
    void SetActivePage(int page);
    // Runs before the page changes, so the window can carry its entry across.
    void PageChange();

private:
    TfrmAtomara* main_;
    QTabWidget* pages_;
};

} // namespace atomara
