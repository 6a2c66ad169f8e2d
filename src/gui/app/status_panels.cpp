#include "app/status_panels.h"

#include "app/glyphs.h"
#include "presentation/status_bar.h"

#include <QFontMetrics>
#include <QPainter>
#include <QWindow>
#include <algorithm>

namespace quorel::gui {

StatusPanels::StatusPanels(std::function<StatusContent()> content, QWidget* parent)
    : QStatusBar(parent), content_(std::move(content)), W_(kInitialStatusBarWidth)
{
    setObjectName("StatusBar1");
    setFixedHeight(24);
    setSizeGripEnabled(true);
    connect(this, &QStatusBar::messageChanged, this, [this] { update(); });
}

QFont StatusPanels::panelFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    font.setBold(true);
    return font;
}

StatusBarGeometry StatusPanels::panelGeometry() const
{
    const QFontMetrics metrics(panelFont());
    return statusBarGeometry(W_, metrics.horizontalAdvance(QString::fromLatin1(kWidestStatusTime)));
}

void StatusPanels::setBarWidth(int W)
{
    if (W == W_)
        return;
    W_ = W;
    update();
}

void StatusPanels::paintTimeNow(const QString& text)
{
    const QWindow* handle = window()->windowHandle();
    if (!isVisible() || !handle || !handle->isExposed()) {
        update();   // nothing on screen to paint over: the next repaint shows the page's time
        return;
    }
    transientTime_ = text;
    const PixelRect r = panelGeometry().timeClear;
    repaint(QRect(r.left, r.top, r.width(), r.height()));
}

void StatusPanels::paintEvent(QPaintEvent*)
{
    const StatusBarGeometry g = panelGeometry();
    const StatusContent content = content_ ? content_() : StatusContent{};
    QPainter p(this);
    p.fillRect(rect(), palette().window());

    // Four sunken panels side by side.
    const QColor dark = palette().color(QPalette::Mid);
    const QColor light = palette().color(QPalette::Light);
    int x = 0;
    for (int i = 0; i < kStatusPanelCount; ++i) {
        const QRect panel(x, 1, g.panelWidths[i] - 2, height() - 2);
        if (panel.width() > 2) {
            p.setPen(dark);
            p.drawLine(panel.topLeft(), panel.topRight());
            p.drawLine(panel.topLeft(), panel.bottomLeft());
            p.setPen(light);
            p.drawLine(panel.bottomLeft(), panel.bottomRight());
            p.drawLine(panel.topRight(), panel.bottomRight());
        }
        x += g.panelWidths[i];
    }

    p.drawPixmap(g.checkLamp.x, g.checkLamp.y, namedImage(checkLampImage(content.lamp)));
    p.drawPixmap(g.captureLamp.x, g.captureLamp.y, namedImage(captureLampImage(content.captureLamp)));

    p.setFont(panelFont());
    p.setPen(palette().color(QPalette::WindowText));
    const int lineHeight = height() - g.hint.y;
    // The hint stays inside the first panel.
    p.save();
    p.setClipRect(QRect(2, 2, std::max(0, g.panelWidths[0] - 4), height() - 4));
    p.drawText(QRect(g.hint.x, g.hint.y, std::max(0, g.panelWidths[0] - g.hint.x - 2), lineHeight),
               Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, currentMessage());
    p.restore();

    paintedTime_ = transientTime_.isEmpty() ? content.timeText : transientTime_;
    transientTime_.clear();
    // A time longer than the panel was sized for is drawn narrower rather than cut.
    const int room = g.timeClear.right - g.time.x;
    QFont timeFont = panelFont();
    const int needed = QFontMetrics(timeFont).horizontalAdvance(paintedTime_);
    if (needed > room && needed > 0)
        timeFont.setStretch(std::max(50, 100 * room / needed));
    p.setFont(timeFont);
    p.drawText(QRect(g.time.x, g.time.y, room, lineHeight), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
               paintedTime_);
}

}  // namespace quorel::gui
