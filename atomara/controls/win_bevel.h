#pragma once
// TWinBevel: an area framed by a sunken three-line edge.
#include <QWidget>

namespace atomara {

class TWinBevel : public QWidget {
    Q_OBJECT
public:
    explicit TWinBevel(QWidget* parent = nullptr);

    bool WinBevel() const { return winBevel_; }
    void SetWinBevel(bool on);

signals:
    void painted(QPainter& painter); // the paint box's own drawing, before the frame

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool winBevel_ = true;
};

} // namespace atomara
