#include "views/site_list.h"

#include "model/site_lists.h"
#include "presentation/site_colour.h"

#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStylePainter>

namespace quorel::gui {

namespace {

QColor toColour(Rgb rgb)
{
    return QColor(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                  static_cast<int>(rgb & 0xFF));
}

QColor colourOf(const CircuitModel* model, int index)
{
    return model ? toColour(siteColour(*model, index + 1, true)) : QColor(Qt::white);
}

void drawSiteItem(QPainter* painter, const QRect& rect, const QColor& fill, const QString& text,
                  const QColor& textColour, QPoint textOffset)
{
    painter->save();
    painter->fillRect(rect, fill);
    painter->setPen(textColour);
    painter->setClipRect(rect);
    painter->drawText(rect.adjusted(textOffset.x(), textOffset.y(), 0, 0),
                      Qt::AlignLeft | Qt::AlignTop, text);
    painter->restore();
}

// The application's style, but the list drops down as a list of limited height with a
// scroll bar: a style that pops the whole list up over the face would cover the screen
// with a circuit of 98 sites.
class SiteListStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == QStyle::SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

QStyle* siteListStyle()
{
    static QPointer<SiteListStyle> style;
    if (!style) {
        style = new SiteListStyle;
        style->setParent(QCoreApplication::instance());
    }
    return style;
}

}  // namespace

SiteItemDelegate::SiteItemDelegate(const CircuitModel* const* model, const QPoint* textOffset,
                                   QObject* parent)
    : QStyledItemDelegate(parent), model_(model), textOffset_(textOffset)
{
}

void SiteItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const
{
    const bool focused = option.state.testFlag(QStyle::State_Selected) ||
                         option.state.testFlag(QStyle::State_HasFocus);
    painter->setFont(option.font);
    drawSiteItem(painter, option.rect, colourOf(*model_, index.row()), index.data().toString(),
                 SiteList::textColour(focused), *textOffset_);
}

QSize SiteItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    return {QStyledItemDelegate::sizeHint(option, index).width(), kSiteItemHeight};
}

SiteList::SiteList(QWidget* parent) : QComboBox(parent)
{
    setStyle(siteListStyle());
    setItemDelegate(new SiteItemDelegate(&model_, &textOffset_, this));
    setMaxVisibleItems(kSiteListVisibleItems);
    connect(this, &QComboBox::activated, this, [this](int index) { emit siteChanged(index + 1); });
}

void SiteList::setCircuitModel(const CircuitModel* model)
{
    model_ = model;
    update();
}

void SiteList::setSiteCount(int count)
{
    const QSignalBlocker blocker(this);
    clear();
    for (int i = 0; i < count; ++i)
        addItem(QString::fromStdString(siteItemText(i)));
    setCurrentIndex(count > 0 ? 0 : -1);
}

void SiteList::setSite(int site)
{
    if (site < 1 || site > count())
        return;
    const QSignalBlocker blocker(this);
    setCurrentIndex(site - 1);
}

QColor SiteList::itemColour(int index) const
{
    return colourOf(model_, index);
}

QRect SiteList::faceRect() const
{
    QStyleOptionComboBox option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
}

QColor SiteList::textColour(bool focused)
{
    return focused ? QColor(0x00, 0x00, 0xFF) : QColor(Qt::black);
}

void SiteList::paintEvent(QPaintEvent*)
{
    // The frame and the arrow come from the style; the chosen item is drawn as in the list.
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    if (currentIndex() < 0)
        return;
    const QRect field = faceRect();
    if (isEnabled()) {
        drawSiteItem(&painter, field, itemColour(currentIndex()), currentText(), textColour(hasFocus()),
                     textOffset_);
        return;
    }
    // A list that cannot be chosen from shows its site faded, like any disabled control.
    const QColor background = palette().color(QPalette::Disabled, QPalette::Button);
    const QColor colour = itemColour(currentIndex());
    const auto mix = [](int a, int b) { return (a + 3 * b) / 4; };
    const QColor faded(mix(colour.red(), background.red()), mix(colour.green(), background.green()),
                       mix(colour.blue(), background.blue()));
    drawSiteItem(&painter, field, faded, currentText(), QColor(0x80, 0x80, 0x80), textOffset_);
}

}  // namespace quorel::gui
