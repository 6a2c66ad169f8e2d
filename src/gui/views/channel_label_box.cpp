#include "views/channel_label_box.h"

#include "views/ecg_strip_box.h"
#include "views/ecg_strip_painter.h"

#include <QMouseEvent>
#include <QPainter>

namespace quorel::gui {

namespace {

constexpr int kLabelColumnWidth = 48;

}  // namespace

ChannelLabelBox::ChannelLabelBox(EcgPage& page, QWidget* parent) : QWidget(parent), page_(page)
{
    setObjectName(QStringLiteral("PaintBox3"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedWidth(kLabelColumnWidth);
    // The right button belongs to the site pop-up.
    setContextMenuPolicy(Qt::PreventContextMenu);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
}

void ChannelLabelBox::setTextFont(const QFont& font)
{
    font_ = font;
    update();
}

void ChannelLabelBox::report(const EcgPageUpdate& u)
{
    if (onUpdate)
        onUpdate(u);
}

void ChannelLabelBox::paintShown(QPainter& p)
{
    paintChannelLabels(p, page_.labelsPlan(), width(), height(), palette().color(QPalette::Window), font_);
}

void ChannelLabelBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    paintShown(p);
}

void ChannelLabelBox::mouseMoveEvent(QMouseEvent* event)
{
    report(page_.PaintBox3MouseMove(event->position().toPoint().y()));
}

void ChannelLabelBox::mousePressEvent(QMouseEvent* event)
{
    EcgPageUpdate u =
        page_.PaintBox3MouseDown(mouseButtonOf(event->button()), event->position().toPoint().y());
    pendingPopup_ = u.sitePopupChannel;
    u.sitePopupChannel = 0;
    report(u);
}

void ChannelLabelBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        const int channel = pendingPopup_;
        pendingPopup_ = 0;
        if (channel != 0 && onSitePopup)
            onSitePopup(channel);
        return;
    }
    if (event->button() == Qt::LeftButton)
        report(page_.PaintBox3MouseUp(event->position().toPoint().y()));
}

}  // namespace quorel::gui
