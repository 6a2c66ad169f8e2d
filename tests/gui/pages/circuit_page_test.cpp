#include "model/circuit_construction.h"
#include "model/circuit_description.h"
#include "model/conduction.h"
#include "pages/circuit_page.h"

#include <QLabel>
#include <gtest/gtest.h>

using namespace quorel;
using namespace quorel::gui;

namespace {

// What the user reads on one line: its captions and values, left to right.
std::string lineText(const CircuitPage& page, int number)
{
    QStringList pieces;
    for (QLabel* label : page.line(number)->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly))
        pieces << label->text();
    return pieces.join(' ').toStdString();
}

}  // namespace

TEST(CircuitPage, SixteenLinesReadAsTheDescription)
{
    auto m = createModel();
    m->hasDelayPath = 1;
    m->delaySegmentCount = 3;
    m->hasDeadEnd1 = 1;
    m->deadEnd1SegmentCount = 4;
    rebuildCircuit(*m);
    estimateCycleLength(*m);
    const CircuitDescription d = describeCircuit(*m);
    CircuitPage page;
    page.refresh(d);
    const auto expected = circuitDescriptionLines(d);
    ASSERT_EQ(expected.size(), 16u);
    for (int i = 1; i <= 16; ++i)
        EXPECT_EQ(lineText(page, i), expected[static_cast<size_t>(i - 1)].text) << "line " << i;
    EXPECT_EQ(page.valueLabel("Label63")->text().toStdString(), "30");
    EXPECT_EQ(page.valueLabel("Label65")->text().toStdString(), "32");
    EXPECT_EQ(page.valueLabel("Label107")->text().toStdString(), "0.1257");
    EXPECT_EQ(page.valueLabel("Label158")->text().toStdString(), "0.2513");
}

TEST(CircuitPage, LinesOfAbsentPathsAreGreyed)
{
    auto m = createModel();
    CircuitPage page;
    page.refresh(describeCircuit(*m));
    for (int i = 1; i <= 16; ++i)
        EXPECT_EQ(page.line(i)->isEnabled(), i < 6 || i > 9) << "line " << i;
    EXPECT_FALSE(page.valueLabel("Label58")->isEnabled());

    m->hasDelayPath = 1;
    m->delaySegmentCount = 2;
    m->hasDeadEnd1 = 1;
    m->deadEnd1SegmentCount = 2;
    rebuildCircuit(*m);
    page.refresh(describeCircuit(*m));
    for (int i = 6; i <= 9; ++i)
        EXPECT_EQ(page.line(i)->isEnabled(), i != 9) << "line " << i;

    m->hasDelayPath = 0;
    rebuildCircuit(*m);
    page.refresh(describeCircuit(*m));
    EXPECT_FALSE(page.line(6)->isEnabled());
    EXPECT_FALSE(page.line(7)->isEnabled());
    EXPECT_TRUE(page.line(8)->isEnabled());
}
