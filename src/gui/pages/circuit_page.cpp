#include "pages/circuit_page.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include "pages/scrolled_page.h"

namespace quorel::gui {

namespace {

// One piece of a line: a fixed caption, or the value label of a field of the description.
struct Piece {
    const char* caption = nullptr;
    const char* labelName = nullptr;
    std::string CircuitDescription::*value = nullptr;
};

Piece text(const char* caption)
{
    return {caption, nullptr, nullptr};
}

Piece value(const char* name, std::string CircuitDescription::*field)
{
    return {nullptr, name, field};
}

using D = CircuitDescription;

const std::vector<std::vector<Piece>>& lineLayout()
{
    static const std::vector<std::vector<Piece>> lines = {
        {text("sites1 to"), value("Label46", &D::Label46), text("are in the inner circuit")},
        {text("site1 is in slow tissue at exit from circuit")},
        {text("wave front circulates from 1 >> 2 >> 3 >> 4 >> >> >> >> 1")},
        {text("site"), value("Label51", &D::Label51),
         text("is an entrance to the common pathway in the figure8")},
        {text("site"), value("Label54", &D::Label54),
         text("is in the outer loop adjacent to the common path entrance")},
        {text("site"), value("Label58", &D::Label58), text("is at the QRS onset"),
         value("Label60", &D::Label60), text("cm from site1")},
        {text("sites"), value("Label63", &D::Label63), text("to site"), value("Label65", &D::Label65),
         text("are between the circuit exit and the QRS onset")},
        {text("sites"), value("Label68", &D::Label68), text("to site"), value("Label70", &D::Label70),
         text("are in a dead-end pathway connected to site"), value("Label72", &D::Label72)},
        {text("sites"), value("Label74", &D::Label74), text("to site"), value("Label76", &D::Label76),
         text("are in a 2nd dead-end pathway connected to site"), value("Label78", &D::Label78)},
        {text("site"), value("Label101", &D::Label101),
         text("= site1 and describes the segment from site1 to site"),
         value("Label103", &D::Label103)},
        {text("inner circuit radius ="), value("Label105", &D::Label105),
         text("m  and circumference ="), value("Label107", &D::Label107), text("m")},
        {text("distance between inner loop sites ="), value("Label110", &D::Label110), text("m")},
        {text("distance between outer loop sites ="), value("Label113", &D::Label113), text("m")},
        {text("ratio of outer / inner circuit radius ="), value("Label116", &D::Label116)},
        {text("outer circuit radius ="), value("Label118", &D::Label118), text("m")},
        {text("estimated VT cycle length ="), value("Label158", &D::Label158), text("sec")},
    };
    return lines;
}

}  // namespace

CircuitPage::CircuitPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet_des"));
    auto* page = new QVBoxLayout(scrolledContent(this));
    page->setContentsMargins(10, 8, 8, 8);
    page->setSpacing(3);
    const auto& layout = lineLayout();
    for (size_t i = 0; i < layout.size(); ++i) {
        auto* line = new QWidget(this);
        line->setObjectName(QStringLiteral("line%1").arg(i + 1));
        auto* row = new QHBoxLayout(line);
        row->setContentsMargins(0, 0, 0, 0);
        row->setSpacing(4);
        for (const Piece& piece : layout[i]) {
            auto* label = new QLabel(line);
            label->setTextFormat(Qt::PlainText);
            if (piece.caption) {
                label->setText(QString::fromUtf8(piece.caption));
            } else {
                label->setObjectName(QString::fromUtf8(piece.labelName));
                // Values stand out from the captions; greyed lines grey them too.
                QPalette palette = label->palette();
                for (auto group : {QPalette::Active, QPalette::Inactive})
                    palette.setColor(group, QPalette::WindowText, QColor(0x00, 0x00, 0x80));
                label->setPalette(palette);
                QFont font = label->font();
                font.setBold(true);
                label->setFont(font);
            }
            row->addWidget(label);
        }
        row->addStretch(1);
        lines_[i + 1] = line;
        page->addWidget(line);
        // Gaps after the three lines on the wave front and after the site numbers.
        if (i == 2 || i == 9)
            page->addSpacing(6);
    }
    page->addStretch(1);
}

QLabel* CircuitPage::valueLabel(const char* name) const
{
    return findChild<QLabel*>(QString::fromUtf8(name));
}

QWidget* CircuitPage::line(int number) const
{
    return number >= 1 && number <= 16 ? lines_[number] : nullptr;
}

void CircuitPage::refresh(const CircuitDescription& description)
{
    for (const auto& pieces : lineLayout())
        for (const Piece& piece : pieces)
            if (piece.labelName)
                valueLabel(piece.labelName)->setText(QString::fromStdString(description.*piece.value));
    // Lines 6 to 9 are first all enabled, then greyed by their structure switch.
    for (int number = 6; number <= 9; ++number)
        lines_[number]->setEnabled(true);
    lines_[6]->setEnabled(description.delayLinesEnabled);
    lines_[7]->setEnabled(description.delayLinesEnabled);
    lines_[8]->setEnabled(description.deadEnd1LineEnabled);
    lines_[9]->setEnabled(description.deadEnd2LineEnabled);
}

}  // namespace quorel::gui
