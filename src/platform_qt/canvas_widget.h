#pragma once
// The widget that shows the canvas, and the rubber band of "select graphics".
//
// The widget has the canvas's size and sits in a scroll area, so the
// drawing area keeps its pixels whatever size the window takes. Selecting
// graphics arms the widget: the next drag marks a rectangle, which stays
// shown until a copy takes it or a new selection replaces it.

#include <QRect>
#include <QWidget>
#include <optional>

class QRubberBand;

namespace calorvia::platform_qt {

class Canvas;

class CanvasWidget : public QWidget {
public:
    CanvasWidget(const Canvas& canvas, QWidget* parent);

    // Follows the canvas after it was resized.
    void adoptCanvasSize();

    void armSelection();
    bool selectionArmed() const { return armed_; }
    // The marked region, in canvas pixels; nothing when none is marked.
    std::optional<QRect> selection() const { return selection_; }
    void clearSelection();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    const Canvas& canvas_;
    QRubberBand* band_;
    bool armed_ = false;
    bool dragging_ = false;
    QPoint anchor_;
    std::optional<QRect> selection_;
};

}  // namespace calorvia::platform_qt
