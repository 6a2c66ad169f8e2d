#include "dialogs/calculator_window.h"

#include "dialogs/calculator_keys.h"
#include "dialogs/default_background.h"
#include "dialogs/jpeg_decoder.h"
#include "persistence/atomic_write.h"
#include "presentation/shell_layout.h"

#include <QApplication>
#include <QBuffer>
#include <QColorDialog>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QImageWriter>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QToolButton>
#include <QVBoxLayout>

namespace quorel::gui {

namespace {

const QSize kClientSize(kCalculatorWidth, kCalculatorHeight);

// Where each button sits: four rows of keys and a row of picture tools.
struct ButtonPlace {
    const char* caption;
    int left, top, width, height;
};

constexpr int kKeyLeft = 10, kKeyStep = 60, kKeyWidth = 56;
constexpr int kKeyTop = 72, kRowStep = 46, kKeyHeight = 40;
constexpr int kToolTop = 262, kToolHeight = 26;

ButtonPlace keyPlace(const char* caption, int row, int column)
{
    return {caption, kKeyLeft + column * kKeyStep, kKeyTop + row * kRowStep, kKeyWidth, kKeyHeight};
}

std::vector<ButtonPlace> buttonPlaces()
{
    const char* rows[4][6] = {
        {"7", "8", "9", "/", "C", "AC"},
        {"4", "5", "6", "X", "BS", "+/-"},
        {"1", "2", "3", "-", "M+", "M-"},
        {"0", ".", "=", "+", "RM", "CM"},
    };
    std::vector<ButtonPlace> places;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 6; ++c)
            places.push_back(keyPlace(rows[r][c], r, c));
    places.push_back({"?", 10, kToolTop, 56, kToolHeight});
    places.push_back({"BK", 70, kToolTop, 56, kToolHeight});
    places.push_back({"COL", 130, kToolTop, 56, kToolHeight});
    places.push_back({"LOAD", 190, kToolTop, 86, kToolHeight});
    places.push_back({"DEFAULT", 280, kToolTop, 90, kToolHeight});
    return places;
}

QColor inkColour(const CalculatorInk& ink)
{
    if (ink.menuText)
        return QApplication::palette("QMenu").color(QPalette::Window);
    return QColor::fromRgb(ink.rgb);
}

// The help panel's lines: what each key does and which keys of the keyboard do it too,
// then the picture buttons.
const char* const kKeyHelp[][2] = {
    {"C :", "<C>, <PAGE UP>, <HOME>"},
    {"AC : ", "<A>, <PAGE DOWN>, <END>"},
    {"DEL :", "<B>, <DEL>, <BS>"},
    {"+/- :", "<SPACE>, <INST>"},
    {"MEM+ :", "<P>, <UP ARROW>"},
    {"MEM- :", "<M>, <DOWN ARROW>"},
    {"CLEAR MEM :", "<D>, <K>, <LEFT ARROW> "},
    {"RECALL MEM :", "<R>, <RIGHT ARROW>"},
    {"= :", "<RETURN>"},
    {"? :", "<H>, <HELP>"},
};
const char* const kPictureHelp[][2] = {
    {"LOAD :", "Load background graphic from"}, {"", "BMP,JPG file"},
    {"", "You can drag and drop directly"},     {"", "from windows explorer also"},
    {"DEFAULT :", "Load default BMP file"},     {"", "QOVAGRP.BMP is loaded at opening;"},
    {"", "QOVAG01.BMP is loaded when"},         {"", "the DEFAULT button is clicked."},
};

QByteArray bitmapBytes(const QImage& picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "BMP");
    if (!writer.write(picture))
        return {};
    return bytes;
}

}  // namespace

TForm5::TForm5(QString dataFolder, QWidget* parent)
    : QWidget(parent,
              Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                  Qt::WindowCloseButtonHint),
      folder_(std::move(dataFolder))
{
    setObjectName("Form5");
    setWindowTitle(QString::fromLatin1(kCalculatorCaption));
    setFixedSize(kClientSize);
    setFocusPolicy(Qt::StrongFocus);  // the keyboard talks to the window, never to a button
    setAcceptDrops(true);

    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setGeometry(QRect(QPoint(0, 0), kClientSize));

    // The display: dark glass that reads on any picture and without one.
    displayPanel_ = new QFrame(this);
    displayPanel_->setObjectName("DisplayPanel");
    displayPanel_->setGeometry(10, 8, 320, 56);
    displayPanel_->setStyleSheet(
        QStringLiteral("#DisplayPanel { background-color: rgba(3, 10, 16, 225); border-radius: 5px; }"));
    auto* memoryCaption = new QLabel(QStringLiteral("MEM"), displayPanel_);
    memoryCaption->setGeometry(8, 3, 40, 15);
    Label3 = new QLabel(displayPanel_);
    Label3->setObjectName("Label3");
    Label3->setGeometry(48, 3, 264, 15);
    Label3->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (QLabel* small : {memoryCaption, Label3}) {
        QFont f = small->font();
        f.setPixelSize(11);
        small->setFont(f);
        QPalette pal = small->palette();
        pal.setColor(QPalette::WindowText, QColor(120, 200, 205));
        small->setPalette(pal);
    }
    Label1 = new QLabel(displayPanel_);
    Label1->setObjectName("Label1");
    Label1->setGeometry(8, 18, 304, 36);
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QPalette white = Label1->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    Label1->setPalette(white);

    Label2 = new QLabel(this);
    Label2->setObjectName("Label2");
    Label2->setGeometry(336, 8, 34, 56);
    Label2->setAlignment(Qt::AlignCenter);
    QFont indicator = Label2->font();
    indicator.setPixelSize(24);
    indicator.setBold(true);
    Label2->setFont(indicator);

    createButtons();
    createHelpPanel();

    // The program's own picture until a file gives another; written as QOVAG01.bmp when
    // that is missing, so that "DEFAULT" finds it and the user can replace it.
    const QImage ownPicture = defaultCalculatorBackground(kClientSize);
    drawBackground(ownPicture);
    backgroundUnsaved_ = false;
    if (!folder_.isEmpty() && !QFileInfo::exists(filePath(kDefaultBackgroundFile)))
        writeFileAtomically(QFile::encodeName(filePath(kDefaultBackgroundFile)).toStdString(),
                            bitmapBytes(ownPicture).toStdString());

    showState();
    applyLook();
}

TForm5::~TForm5()
{
    // At exit while open: the picture shown now is the one to find next time.
    if (backgroundUnsaved_)
        saveBackground();
}

void TForm5::createButtons()
{
    for (const ButtonPlace& place : buttonPlaces()) {
        const CalculatorButton* spec = nullptr;
        for (const CalculatorButton& b : calculatorButtons())
            if (QLatin1String(b.caption) == QLatin1String(place.caption))
                spec = &b;
        if (!spec)
            continue;
        auto* button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(spec->name));
        button->setText(QString::fromLatin1(spec->caption));
        button->setGeometry(place.left, place.top, place.width, place.height);
        button->setFocusPolicy(Qt::NoFocus);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        QFont f = button->font();
        f.setBold(true);
        f.setPixelSize(
            spec->group == CalculatorButtonGroup::Number || spec->group == CalculatorButtonGroup::Clear ? 17
                                                                                                        : 12);
        button->setFont(f);
        buttons_.emplace_back(button, spec->group);

        if (spec->code != 0) {
            const int code = spec->code;
            connect(button, &QToolButton::clicked, this, [this, code] { calculatorKey(code); });
        }
    }
    SpeedButtonColor = buttonNamed(QStringLiteral("SpeedButtonColor"));
    SpeedButtonLoad = buttonNamed(QStringLiteral("SpeedButtonLoad"));
    SpeedButtonFavorite = buttonNamed(QStringLiteral("SpeedButtonFavorite"));
    SpeedButtonBK = buttonNamed(QStringLiteral("SpeedButtonBK"));
    connect(SpeedButtonColor, &QToolButton::clicked, this, &TForm5::SpeedButtonColorClick);
    connect(SpeedButtonLoad, &QToolButton::clicked, this, &TForm5::SpeedButtonLoadClick);
    connect(SpeedButtonFavorite, &QToolButton::clicked, this, &TForm5::SpeedButtonFavoriteClick);
    connect(SpeedButtonBK, &QToolButton::clicked, this, &TForm5::SpeedButtonBKClick);
}

void TForm5::createHelpPanel()
{
    Panel3 = new QFrame(this);
    Panel3->setObjectName("Panel3");
    Panel3->setGeometry(8, 6, kCalculatorWidth - 16, kCalculatorHeight - 12);
    Panel3->setFrameShape(QFrame::Panel);
    Panel3->setFrameShadow(QFrame::Raised);
    Panel3->setAutoFillBackground(true);

    auto* grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(0);
    QFont small = Panel3->font();
    small.setPixelSize(11);
    int row = 0;
    auto addLine = [&](const char* left, const char* right) {
        auto* caption = new QLabel(QString::fromLatin1(left), Panel3);
        auto* text = new QLabel(QString::fromLatin1(right), Panel3);
        caption->setTextFormat(Qt::PlainText);  // "<A>" is a key, not a tag
        text->setTextFormat(Qt::PlainText);
        text->setFont(small);
        QFont bold = small;
        bold.setBold(true);
        caption->setFont(bold);
        grid->addWidget(caption, row, 0, Qt::AlignRight);
        grid->addWidget(text, row, 1, Qt::AlignLeft);
        ++row;
    };
    for (const auto& line : kKeyHelp)
        addLine(line[0], line[1]);
    grid->setRowMinimumHeight(row++, 6);
    for (const auto& line : kPictureHelp)
        addLine(line[0], line[1]);
    grid->setColumnStretch(1, 1);

    auto* ok = new QToolButton(Panel3);
    ok->setObjectName("ButtonOK");
    ok->setText(QStringLiteral("OK"));
    ok->setFocusPolicy(Qt::NoFocus);
    ok->setFixedSize(72, 24);
    connect(ok, &QToolButton::clicked, this, [this] { calculatorKey(72); });

    auto* column = new QVBoxLayout(Panel3);
    column->setContentsMargins(14, 8, 14, 8);
    column->setSpacing(4);
    column->addLayout(grid);
    column->addStretch(1);
    column->addWidget(ok, 0, Qt::AlignHCenter);
    Panel3->hide();
}

QToolButton* TForm5::buttonNamed(const QString& objectName) const
{
    return findChild<QToolButton*>(objectName);
}

void TForm5::calculatorKey(int code)
{
    quorel::calculatorKey(state_, code);
    showState();
}

void TForm5::showState()
{
    const QString text = QString::fromStdString(state_.shownDisplay());
    // The largest size up to 26 pixels at which the whole text fits.
    QFont f = Label1->font();
    f.setBold(true);
    int pixels = 26;
    for (; pixels > 11; --pixels) {
        f.setPixelSize(pixels);
        if (QFontMetrics(f).horizontalAdvance(text) <= Label1->width() - 4)
            break;
    }
    f.setPixelSize(pixels);
    Label1->setFont(f);
    Label1->setText(text);
    Label2->setText(QString::fromStdString(state_.operatorText));
    Label3->setText(QString::fromStdString(state_.memoryText));
    Panel3->setVisible(state_.helpVisible != 0);
    if (Panel3->isVisible())
        Panel3->raise();
}

void TForm5::applyLook()
{
    for (const auto& [button, group] : buttons_) {
        QPalette pal = button->palette();
        pal.setColor(QPalette::ButtonText, inkColour(look_.ink(group)));
        button->setPalette(pal);
        button->setAutoRaise(look_.flatButtons());
    }
    QPalette pal = Label2->palette();
    pal.setColor(QPalette::WindowText, inkColour(look_.operatorIndicatorInk()));
    Label2->setPalette(pal);
    Image1->setVisible(look_.backgroundShown != 0);
}

void TForm5::drawBackground(const QImage& picture)
{
    background_ = picture.scaled(kClientSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                      .convertToFormat(QImage::Format_RGB32);
    Image1->setPixmap(QPixmap::fromImage(background_));
    backgroundUnsaved_ = true;
}

QString TForm5::filePath(const char* name) const
{
    return folder_.isEmpty() ? QString() : QDir(folder_).filePath(QString::fromLatin1(name));
}

bool TForm5::drawBitmapFile(const char* name)
{
    const QString path = filePath(name);
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return false;
    QImage picture;
    if (!picture.load(path, "BMP"))
        return false;  // a damaged remembered picture is passed over like a missing one
    drawBackground(picture);
    return true;
}

void TForm5::saveBackground()
{
    backgroundUnsaved_ = false;
    const QString path = filePath(kCurrentBackgroundFile);
    if (path.isEmpty())
        return;
    const QByteArray bytes = bitmapBytes(background_);
    // Failing to remember the picture is not worth interrupting the user for: the window
    // is closing, and the next opening shows the default picture.
    if (!bytes.isEmpty())
        writeFileAtomically(QFile::encodeName(path).toStdString(), bytes.toStdString());
}

bool TForm5::loadBackgroundFile(const QString& path)
{
    const BackgroundFileKind kind = backgroundFileKind(QFile::encodeName(path).toStdString());
    if (kind == BackgroundFileKind::NotAPicture || !QFileInfo(path).isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        reportError(QStringLiteral("Cannot read [%1]: %2").arg(path, file.errorString()));
        return false;
    }
    const QByteArray bytes = file.readAll();
    QImage picture;
    if (kind == BackgroundFileKind::Jpeg) {
        const DecodedPicture decoded = decodeJpeg(bytes, kClientSize);
        if (!decoded.ok()) {
            reportError(QStringLiteral("Cannot read [%1]: %2").arg(path, decoded.error));
            return false;
        }
        picture = decoded.image;
    } else if (!picture.loadFromData(bytes, "BMP")) {
        reportError(QStringLiteral("Cannot read [%1]: it is not a readable bitmap").arg(path));
        return false;
    }
    drawBackground(picture);
    return true;
}

void TForm5::reportError(const QString& text)
{
    if (showError)
        showError(this, text);
    else
        QMessageBox::warning(this, QStringLiteral("Error"), text);
}

void TForm5::SpeedButtonColorClick()
{
    const QColor current = QColor::fromRgb(look_.buttonColour);
    const QColor chosen = chooseColour ? chooseColour(this, current) : QColorDialog::getColor(current, this);
    if (!chosen.isValid())
        return;
    look_.chooseButtonColour(chosen.rgb() & 0xFFFFFF);
    applyLook();
}

void TForm5::SpeedButtonLoadClick()
{
    const QString path = choosePicture
        ? choosePicture(this)
        : QFileDialog::getOpenFileName(this, QString(), QString(),
                                       QStringLiteral("BMP & JPEG (*.bmp *.jpg);;BMP (*.bmp);;JPEG (*.jpg)"));
    if (!path.isEmpty())
        loadBackgroundFile(path);
}

void TForm5::SpeedButtonFavoriteClick()
{
    if (!drawBitmapFile(kDefaultBackgroundFile))
        drawBackground(defaultCalculatorBackground(kClientSize));
}

void TForm5::SpeedButtonBKClick()
{
    look_.toggleBackground();
    applyLook();
}

void TForm5::showCalculator(const QWidget* mainWindow)
{
    if (!placed_) {
        placeOver(mainWindow);
        placed_ = true;
    }
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

void TForm5::placeOver(const QWidget* mainWindow)
{
    if (isMinimized())
        showNormal();
    if (!mainWindow)
        return;
    winId();  // the window system's frame, where it is known before showing, counts too
    const QRect main = mainWindow->frameGeometry();
    const QSize own = frameGeometry().size();
    const WindowOrigin o =
        centredIn(main.left(), main.top(), main.width(), main.height(), own.width(), own.height());
    move(o.left, o.top);
}

void TForm5::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;  // restored from the task bar: the picture is still the one shown
    if (!drawBitmapFile(kCurrentBackgroundFile))
        drawBitmapFile(kDefaultBackgroundFile);
    backgroundUnsaved_ = true;
    setFocus();
}

void TForm5::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        saveBackground();
}

void TForm5::keyPressEvent(QKeyEvent* event)
{
    const int code = calculatorKeyCode(event->key(), event->modifiers());
    if (code == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    calculatorKey(code);
    event->accept();
}

void TForm5::dragEnterEvent(QDragEnterEvent* event)
{
    const QMimeData* data = event->mimeData();
    if (data->hasUrls() && !data->urls().isEmpty() && data->urls().first().isLocalFile())
        event->acceptProposedAction();
}

void TForm5::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile())
        return;
    event->acceptProposedAction();
    loadBackgroundFile(urls.first().toLocalFile());  // only the first of several files
}

}  // namespace quorel::gui
