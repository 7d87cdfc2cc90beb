#pragma once
// Window parts of the main window that Qt has no ready equal for: the client area that
// reports its resizes, and the table panel with its single border and lowered bevel.
#include "platform/core/colors.h"

#include <QWidget>
#include <functional>

namespace atomara {

class ClientArea : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    std::function<void()> OnResize;

protected:
    void resizeEvent(QResizeEvent* event) override;
};

// The table: a 2-pixel sunken border around a client area, which carries a 1-pixel
// lowered bevel and holds the tiles, so that child positions are client positions.
class TablePanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kBorder = 2;

    explicit TablePanel(QWidget* parent);
    QWidget* Client() const { return client_; }
    void SetColor(platform::TColor color);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* client_;
};

// A panel with a single dark border, such as the legend.
class BorderedPanel : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace atomara
