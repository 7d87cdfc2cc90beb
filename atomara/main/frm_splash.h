#pragma once
#include <QFrame>

class QLabel;
class QTimer;

namespace atomara {

// Shown while the program starts: it counts timer ticks in its tag, and a click
// anywhere on it ends the wait at once.
class TfrmSplash : public QFrame {
    Q_OBJECT
public:
    explicit TfrmSplash(int timerIntervalMs = 1000);

    int Tag() const { return tag_; }
    bool WaitIsOver() const { return tag_ > 2; }

    void tmrSplashTimer() { ++tag_; }
    void SplashClick() { tag_ = 4; }

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    QLabel* imgIcon_;
    QLabel* lblVer_;
    QTimer* tmrSplash_;
    int tag_ = 0;
};

} // namespace atomara
