#include "platform_qt/canvas_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRubberBand>

#include "platform_qt/canvas.h"

namespace calorvia::platform_qt {

CanvasWidget::CanvasWidget(const Canvas& canvas, QWidget* parent)
    : QWidget(parent), canvas_(canvas), band_(new QRubberBand(QRubberBand::Rectangle, this)) {
    setObjectName(QStringLiteral("calorviaCanvas"));
    // The canvas covers every pixel; nothing underneath needs painting.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
    adoptCanvasSize();
}

void CanvasWidget::adoptCanvasSize() {
    setFixedSize(canvas_.size());
}

void CanvasWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    canvas_.paint(painter, event->rect());
}

void CanvasWidget::armSelection() {
    armed_ = true;
    setCursor(Qt::CrossCursor);
    setFocus();
}

void CanvasWidget::clearSelection() {
    selection_.reset();
    band_->hide();
}

void CanvasWidget::mousePressEvent(QMouseEvent* event) {
    if (!armed_ || event->button() != Qt::LeftButton) return;
    dragging_ = true;
    anchor_ = event->position().toPoint();
    band_->setGeometry(QRect(anchor_, QSize()));
    band_->show();
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) return;
    band_->setGeometry(QRect(anchor_, event->position().toPoint()).normalized());
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (!dragging_ || event->button() != Qt::LeftButton) return;
    dragging_ = false;
    armed_ = false;
    unsetCursor();
    const QRect marked =
        QRect(anchor_, event->position().toPoint()).normalized().intersected(rect());
    if (marked.width() > 1 && marked.height() > 1) {
        selection_ = marked;
        band_->setGeometry(marked);
    } else {
        clearSelection();
    }
}

void CanvasWidget::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && (armed_ || selection_)) {
        armed_ = false;
        dragging_ = false;
        unsetCursor();
        clearSelection();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace calorvia::platform_qt
