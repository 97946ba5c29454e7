// The gear canvas: paints the core's scene and turns mouse actions into canvas events.
#pragma once

#include <QWidget>
#include <functional>

#include "app/app.h"
#include "view/scene.h"

class QPainter;

// Paints a scene given in logical pixels: paths filled even-odd and stroked, then texts.
void PaintScene(QPainter& painter, const Scene& scene);

class GearCanvas : public QWidget {
  public:
    explicit GearCanvas(QWidget* parent);

    // The scene stays owned by the application state; the canvas only reads it.
    void SetScene(const Scene* scene) { scene_ = scene; }

    // Mouse events of the canvas (enter, wheel, buttons, moves, double click).
    std::function<void(const ControlEvent&)> onEvent;
    // The canvas got a new size in logical px; scale = device pixels per logical pixel.
    std::function<void(double width, double height, double scale)> onResize;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    void Send(EventKind kind, QPointF position, int delta = 0);

    const Scene* scene_ = nullptr;
    int wheelRemainder_ = 0;  // eighths of a degree not yet making a whole notch
};
