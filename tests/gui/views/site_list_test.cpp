#include "model/circuit_construction.h"
#include "views/site_list.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyleOptionComboBox>
#include <QTest>
#include <gtest/gtest.h>

using namespace quorel;
using namespace quorel::gui;

namespace {

// Paints item `index` through the list's delegate, without antialiasing so that every
// pixel is either the fill or the text colour.
QImage paintItem(SiteList& list, int index, bool focused)
{
    QImage image(90, kSiteItemHeight, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QPainter painter(&image);
    QStyleOptionViewItem option;
    option.initFrom(list.view());
    option.rect = image.rect();
    option.font.setStyleStrategy(QFont::NoAntialias);
    option.state = QStyle::State_Enabled;
    if (focused)
        option.state |= QStyle::State_Selected;
    list.itemDelegate()->paint(&painter, option, list.model()->index(index, 0));
    painter.end();
    return image;
}

bool containsColour(const QImage& image, QColor colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour)
                return true;
    return false;
}

}  // namespace

TEST(SiteList, ItemsNameTheSitesAndIndexPlusOneIsTheSite)
{
    SiteList list;
    QSignalSpy chosen(&list, &SiteList::siteChanged);
    list.setSiteCount(29);
    ASSERT_EQ(list.count(), 29);
    EXPECT_EQ(list.itemText(0).toStdString(), "site1");
    EXPECT_EQ(list.itemText(11).toStdString(), "site12");
    EXPECT_EQ(list.itemText(28).toStdString(), "site29");
    EXPECT_EQ(list.site(), 1);

    list.setSite(12);
    EXPECT_EQ(list.site(), 12);
    EXPECT_EQ(list.currentText().toStdString(), "site12");
    for (int outside : {0, -1, 30})
        list.setSite(outside);
    EXPECT_EQ(list.site(), 12);

    list.setSiteCount(33);   // a refill starts again at site 1
    EXPECT_EQ(list.count(), 33);
    EXPECT_EQ(list.site(), 1);
    EXPECT_EQ(chosen.count(), 0);   // nothing the program does counts as the user's choice
}

TEST(SiteList, UserChoiceReportsTheSite)
{
    SiteList list;
    list.setSiteCount(29);
    list.setSite(12);
    list.show();
    list.setFocus();
    QSignalSpy chosen(&list, &SiteList::siteChanged);
    QTest::keyClick(&list, Qt::Key_Down);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toInt(), 13);
    EXPECT_EQ(list.site(), 13);
}

TEST(SiteList, ItemsArePaintedInTheirSiteColours)
{
    auto m = createModel();
    m->stimulusSite = 5;
    SiteList list;
    list.setCircuitModel(m.get());
    list.setSiteCount(m->totalSiteCount);
    struct Case {
        int site;
        QColor colour;
    };
    const Case cases[] = {
        {1, QColor(0xFF, 0xFF, 0x00)},    // QRS reference without delay path
        {21, QColor(0xFF, 0xFF, 0x00)},   // the closing node with it
        {5, QColor(0xFF, 0x00, 0x00)},    // stimulus site
        {3, QColor(0xFF, 0xFF, 0xCC)},  {12, QColor(0xFF, 0xDD, 0xCC)},
        {22, QColor(0xFF, 0xFF, 0xFF)}, {27, QColor(0xDD, 0xDD, 0xFF)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(list.itemColour(c.site - 1), c.colour) << c.site;
        const QImage item = paintItem(list, c.site - 1, false);
        EXPECT_EQ(item.pixelColor(item.width() - 2, item.height() - 2), c.colour) << c.site;
        EXPECT_FALSE(containsColour(item, Qt::gray)) << c.site;   // the whole item is filled
    }

    // The list follows the model: a new stimulus site turns red.
    m->stimulusSite = 3;
    EXPECT_EQ(list.itemColour(2), QColor(0xFF, 0x00, 0x00));
    EXPECT_EQ(list.itemColour(4), QColor(0xFF, 0xFF, 0xCC));

    SiteList noModel;
    noModel.setSiteCount(3);
    EXPECT_EQ(noModel.itemColour(0), QColor(Qt::white));
}

TEST(SiteList, FocusedItemIsWrittenInBlueOthersInBlack)
{
    auto m = createModel();
    SiteList list;
    list.setCircuitModel(m.get());
    list.setSiteCount(m->totalSiteCount);
    const QImage focused = paintItem(list, 7, true);
    const QImage plain = paintItem(list, 7, false);
    EXPECT_TRUE(containsColour(focused, QColor(0, 0, 0xFF)));
    EXPECT_FALSE(containsColour(focused, Qt::black));
    EXPECT_TRUE(containsColour(plain, Qt::black));
    EXPECT_FALSE(containsColour(plain, QColor(0, 0, 0xFF)));
    // The text starts one pixel in from the left edge.
    for (int y = 0; y < plain.height(); ++y)
        EXPECT_NE(plain.pixelColor(0, y), QColor(Qt::black)) << y;
}

TEST(SiteList, OpenListAndClosedFaceShowTheColours)
{
    auto m = createModel();
    m->stimulusSite = 5;
    SiteList list;
    list.setCircuitModel(m.get());
    list.setSiteCount(m->totalSiteCount);
    list.resize(100, 22);
    list.show();
    list.setSite(5);

    // The closed face shows the chosen site in its colour.
    const QRect field = list.faceRect();
    const QImage face = list.grab().toImage();
    EXPECT_EQ(face.pixelColor(field.right() - 1, field.bottom() - 1), QColor(0xFF, 0x00, 0x00));

    list.showPopup();
    QApplication::processEvents();
    QAbstractItemView* view = list.view();
    const QImage popup = view->viewport()->grab().toImage();
    for (int site : {2, 12}) {
        const QRect rect = view->visualRect(list.model()->index(site - 1, 0));
        EXPECT_EQ(rect.height(), kSiteItemHeight);
        EXPECT_EQ(popup.pixelColor(rect.right() - 1, rect.bottom() - 1), list.itemColour(site - 1)) << site;
    }
    list.hidePopup();
}

TEST(SiteList, ALongListDropsDownAsAScrolledListOfLimitedHeight)
{
    auto m = createModel();
    SiteList list;
    list.setCircuitModel(m.get());
    list.setSiteCount(98);
    list.show();
    list.setSite(50);
    list.showPopup();
    QApplication::processEvents();
    QAbstractItemView* view = list.view();
    EXPECT_LE(view->viewport()->height(), kSiteListVisibleItems * kSiteItemHeight);
    EXPECT_GT(view->verticalScrollBar()->maximum(), 0);
    // The chosen site is among the rows shown.
    EXPECT_TRUE(view->viewport()->rect().intersects(view->visualRect(list.model()->index(49, 0))));
    list.hidePopup();
}
