// Painting the scene with QPainter and forwarding the mouse to the zoom and pan of the view.
#include "qt/gear_canvas.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QResizeEvent>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "qt/qt_text.h"
#include "view/svg_writer.h"

namespace {

// One wheel notch of a standard mouse is 15 degrees, reported in eighths of a degree.
constexpr int kWheelNotch = 120;

QColor ToQColor(const Colour& c) {
    return QColor(c.r, c.g, c.b, c.a);
}

QPainterPath ToPainterPath(const ScenePath& path) {
    QPainterPath result;
    result.setFillRule(Qt::OddEvenFill);
    for (const SubPath& sub : path.subPaths) {
        if (sub.points.empty()) {
            continue;
        }
        result.moveTo(sub.points.front().x, sub.points.front().y);
        for (std::size_t i = 1; i < sub.points.size(); ++i) {
            result.lineTo(sub.points[i].x, sub.points[i].y);
        }
        if (sub.closed) {
            result.closeSubpath();
        }
    }
    return result;
}

QPen ToPen(const ScenePath& path) {
    const double width = path.strokeWidth > 0.0 ? path.strokeWidth : 1.0;
    QPen pen(ToQColor(path.strokeColour), width);
    pen.setJoinStyle(Qt::RoundJoin);
    if (path.dashPattern.empty()) {
        pen.setCapStyle(Qt::RoundCap);
        return pen;
    }
    // Qt counts dashes in pen widths, the scene in pixels; flat caps keep a dash as long as
    // asked. An odd list repeats once, as in SVG, to make dash-gap pairs.
    QList<qreal> pattern;
    const int n = static_cast<int>(path.dashPattern.size());
    const int count = n % 2 == 0 ? n : 2 * n;
    for (int i = 0; i < count; ++i) {
        pattern.append(std::max(path.dashPattern[i % n], 0.01) / width);
    }
    pen.setCapStyle(Qt::FlatCap);
    pen.setDashPattern(pattern);
    return pen;
}

QFont DrawingFont(double pixelSize) {
    QFont font(QStringLiteral("Segoe UI"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
    return font;
}

}  // namespace

void PaintScene(QPainter& painter, const Scene& scene) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    for (const SceneItem& item : scene.items) {
        if (item.kind == SceneItem::Kind::Path) {
            const QPainterPath path = ToPainterPath(item.path);
            if (item.path.filled) {
                painter.fillPath(path, ToQColor(item.path.fillColour));
            }
            if (item.path.stroked) {
                painter.strokePath(path, ToPen(item.path));
            }
        } else {
            const SceneText& text = item.text;
            painter.setFont(DrawingFont(text.pixelSize));
            painter.setPen(ToQColor(text.colour));
            painter.drawText(QPointF(text.topLeft.x, TextBaselineY(text)), ToQString(text.text));
        }
    }
}

GearCanvas::GearCanvas(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
}

void GearCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const Colour background = scene_ != nullptr ? scene_->background : Colour{250, 250, 252, 255};
    painter.fillRect(rect(), ToQColor(background));
    if (scene_ != nullptr) {
        PaintScene(painter, *scene_);
    }
}

void GearCanvas::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (onResize) {
        onResize(width(), height(), devicePixelRatioF());
    }
}

void GearCanvas::Send(EventKind kind, QPointF position, int delta) {
    if (!onEvent) {
        return;
    }
    ControlEvent e;
    e.id = ctl::kCanvas;
    e.kind = kind;
    e.x = static_cast<int>(std::lround(position.x()));
    e.y = static_cast<int>(std::lround(position.y()));
    e.delta = delta;
    onEvent(e);
}

void GearCanvas::enterEvent(QEnterEvent* event) {
    // The canvas takes the keyboard focus so that the wheel zooms at once.
    setFocus(Qt::MouseFocusReason);
    Send(EventKind::MouseEnter, event->position());
}

void GearCanvas::wheelEvent(QWheelEvent* event) {
    // Fine-grained wheels and touch pads report parts of a notch; zoom by whole notches.
    wheelRemainder_ += event->angleDelta().y();
    const int notches = wheelRemainder_ / kWheelNotch;
    wheelRemainder_ -= notches * kWheelNotch;
    event->accept();
    if (notches != 0) {
        Send(EventKind::Wheel, event->position(), notches);
    }
}

void GearCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        Send(EventKind::MouseDown, event->position());
    }
}

void GearCanvas::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) {
        Send(EventKind::MouseMove, event->position());
    }
}

void GearCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        Send(EventKind::MouseUp, event->position());
    }
}

void GearCanvas::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        Send(EventKind::DoubleClick, event->position());
    }
}
