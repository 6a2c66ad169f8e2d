#include "views/ecg_strip_box.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>

namespace quorel::gui {

MouseButton mouseButtonOf(Qt::MouseButton button)
{
    switch (button) {
    case Qt::RightButton:
        return MouseButton::Right;
    case Qt::LeftButton:
        return MouseButton::Left;
    default:
        return MouseButton::Middle;
    }
}

EcgStripBox::EcgStripBox(EcgPage& page, QWidget* parent) : QWidget(parent), page_(page)
{
    setObjectName(QStringLiteral("PaintBox2"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
    setContextMenuPolicy(Qt::DefaultContextMenu);
    setMinimumSize(80, 2 * kEcgBands);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void EcgStripBox::tracesChanged()
{
    tracesStale_ = true;
    update();
}

void EcgStripBox::setTextFont(const QFont& font)
{
    font_ = font;
    tracesChanged();
}

void EcgStripBox::report(const EcgPageUpdate& u)
{
    if (onUpdate)
        onUpdate(u);
}

void EcgStripBox::renderTracesIfStale()
{
    const qreal ratio = devicePixelRatioF();
    const QImage& image = traces_.image();
    if (!tracesStale_ && image.devicePixelRatio() == ratio && image.size() == size() * ratio)
        return;
    traces_.render(page_.stripPlan(), font_, ratio);
    tracesStale_ = false;
}

void EcgStripBox::paintShown(QPainter& p)
{
    renderTracesIfStale();
    p.drawImage(0, 0, traces_.image());
    paintCaliperOverlay(p, page_.overlay(), page_.view(), page_.clearLabelBrush(), font_);
}

void EcgStripBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    paintShown(p);
}

void EcgStripBox::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    tracesStale_ = true;
    report(page_.resize(width(), height()));
}

void EcgStripBox::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    report(page_.PaintBox2MouseMove(at.x(), at.y()));
}

void EcgStripBox::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    const bool shiftOrAlt = (event->modifiers() & (Qt::ShiftModifier | Qt::AltModifier)) != 0;
    const EcgPageUpdate u =
        page_.PaintBox2MouseDown(mouseButtonOf(event->button()), shiftOrAlt, at.x(), at.y());
    lastPressConsumed_ = u.consumed;
    report(u);
}

void EcgStripBox::mouseReleaseEvent(QMouseEvent* event)
{
    report(page_.PaintBox2MouseUp(mouseButtonOf(event->button())));
}

void EcgStripBox::contextMenuEvent(QContextMenuEvent* event)
{
    // A right click that measured, picked up, dropped or deleted a mark is the calipers'.
    if (event->reason() == QContextMenuEvent::Mouse && lastPressConsumed_) {
        lastPressConsumed_ = false;
        return;
    }
    if (onContextMenu)
        onContextMenu(event->globalPos());
}

}  // namespace quorel::gui
