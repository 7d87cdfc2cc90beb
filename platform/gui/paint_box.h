#pragma once
// A windowless drawing area: its owner paints it through OnPaint and hears its mouse.
#include <QWidget>
#include <functional>

namespace platform {

class PaintBox : public QWidget {
    Q_OBJECT
public:
    explicit PaintBox(QWidget* parent = nullptr);

    std::function<void(QPainter&)> OnPaint;

signals:
    void mousePressed(Qt::MouseButton button);
    void mouseMoved();
    void resized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};

} // namespace platform
