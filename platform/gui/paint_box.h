#pragma once
// A drawing area that its owner paints through OnPaint; mouse events pass to the
// owner's event filter.
#include <QWidget>
#include <functional>

namespace platform {

class PaintBox : public QWidget {
    Q_OBJECT
public:
    explicit PaintBox(QWidget* parent = nullptr);

    std::function<void(QPainter&)> OnPaint;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace platform
