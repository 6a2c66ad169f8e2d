#include "views/scheme_window.h"

#include "views/circuit_pictures.h"

#include <QHBoxLayout>
#include <QHideEvent>
#include <QMenu>
#include <QPainter>
#include <QRadioButton>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

namespace quorel::gui {

TForm4::TForm4(CircuitModel& model, const SiteDrawTable& table, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), model_(model)
{
    setObjectName("Form4");
    setWindowTitle(QStringLiteral("Circuit"));
    resize(kDefaultWidth, kDefaultHeight);

    Panel1 = new QWidget(this);
    Panel1->setObjectName("Panel1");
    RadioButton1 = new QRadioButton(QStringLiteral("Small"), Panel1);
    RadioButton2 = new QRadioButton(QStringLiteral("Medium"), Panel1);
    RadioButton3 = new QRadioButton(QStringLiteral("Large"), Panel1);
    RadioButton1->setObjectName("RadioButton1");
    RadioButton2->setObjectName("RadioButton2");
    RadioButton3->setObjectName("RadioButton3");
    RadioButton1->setChecked(true);
    auto* row = new QHBoxLayout(Panel1);
    row->setContentsMargins(6, 2, 6, 2);
    for (QRadioButton* b : {RadioButton1, RadioButton2, RadioButton3}) {
        row->addWidget(b);
        connect(b, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked)
                RadioButton1Click();
        });
    }
    row->addStretch();

    PaintBox1 = new CircuitBox(table, this);
    PaintBox1->setObjectName("PaintBox1");
    PaintBox1->setLook(squareLook());
    PaintBox1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(PaintBox1, &QWidget::customContextMenuRequested, this, [this](const QPoint& position) {
        QMenu menu(this);
        menu.addAction(QStringLiteral("Export circuit…"), this, [this] { exportCircuit(); });
        menu.exec(PaintBox1->mapToGlobal(position));
    });

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(Panel1);
    column->addWidget(PaintBox1, 1);
}

SchemeSquareSize TForm4::squareSize() const
{
    if (RadioButton3->isChecked())
        return SchemeSquareSize::Large;
    if (RadioButton2->isChecked())
        return SchemeSquareSize::Medium;
    return SchemeSquareSize::Small;
}

SquareLook TForm4::squareLook() const
{
    return schemeSquareLook(squareSize(), largeFonts_);
}

void TForm4::setLargeFonts(bool largeFonts)
{
    largeFonts_ = largeFonts ? 1 : 0;
    PaintBox1->setLook(squareLook());
}

void TForm4::RadioButton1Click()
{
    PaintBox1->setLook(squareLook());
}

void TForm4::refreshScheme()
{
    PaintBox1->update();
}

void TForm4::showScheme()
{
    if (!placed_)
        placeAtDefault();
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    refreshScheme();
}

void TForm4::placeAtDefault()
{
    placed_ = true;
    if (isMinimized() || isMaximized())
        showNormal();
    resize(kDefaultWidth, kDefaultHeight);
    if (const QScreen* s = screen()) {
        const QRect area = s->geometry();
        move(area.left() + area.width() / 2, area.top() + area.height() / 2);
    }
}

void TForm4::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    model_.schemeWindowOpen = 1;
}

void TForm4::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    // Minimised, the window is still open and keeps following the edits.
    if (!isMinimized())
        model_.schemeWindowOpen = 0;
}

QString TForm4::exportCircuit()
{
    const CircuitBox* box = PaintBox1;
    return pictureExport.run(this, QStringLiteral("Export circuit"), QStringLiteral("circuit.png"),
                             box->size(), [box](QPainter& p) { box->paintPicture(p, true); });
}

}  // namespace quorel::gui
