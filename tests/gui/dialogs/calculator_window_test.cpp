#include "dialogs/calculator_window.h"

#include "gui/app/shell_test_support.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace quorel;
using namespace quorel::gui;

namespace {

struct CalculatorWindow : ::testing::Test {
    QTemporaryDir programFolder;  // where the window keeps its two bitmaps
    QTemporaryDir pictures;       // the user's own pictures
    QStringList errors;

    void SetUp() override
    {
        QApplication::setQuitOnLastWindowClosed(false);
        ASSERT_TRUE(programFolder.isValid());
        ASSERT_TRUE(pictures.isValid());
    }

    std::unique_ptr<TForm5> makeCalculator()
    {
        auto form = std::make_unique<TForm5>(programFolder.path());
        form->showError = [this](QWidget*, const QString& text) { errors << text; };
        return form;
    }

    QString programFile(const char* name) const { return QDir(programFolder.path()).filePath(name); }

    // A picture of two halves, saved in the given format.
    QString twoColourPicture(const QString& name, QColor left, QColor right)
    {
        QImage image(64, 48, QImage::Format_RGB32);
        image.fill(right);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width() / 2; ++x)
                image.setPixelColor(x, y, left);
        const QString path = pictures.filePath(name);
        EXPECT_TRUE(image.save(path)) << path.toStdString();
        return path;
    }

    QString writeBytes(const QString& name, const QByteArray& bytes)
    {
        const QString path = pictures.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
};

void click(TForm5& form, const char* objectName)
{
    QToolButton* button = form.buttonNamed(QString::fromLatin1(objectName));
    ASSERT_NE(button, nullptr) << objectName;
    QTest::mouseClick(button, Qt::LeftButton);
}

bool near(QColor a, QColor b, int tolerance = 40)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
        std::abs(a.blue() - b.blue()) <= tolerance;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The bitmap file header: "BM", then width and height at bytes 18 and 22.
void expectBitmapOfWindowSize(const QString& path)
{
    const QByteArray bytes = fileBytes(path);
    ASSERT_GE(bytes.size(), 26) << path.toStdString();
    EXPECT_EQ(bytes.left(2), QByteArray("BM"));
    EXPECT_EQ(qFromLittleEndian<qint32>(bytes.constData() + 18), kCalculatorWidth);
    EXPECT_EQ(std::abs(qFromLittleEndian<qint32>(bytes.constData() + 22)), kCalculatorHeight);
}

}  // namespace

TEST_F(CalculatorWindow, ButtonsAndKeysDriveTheDisplay)
{
    auto form = makeCalculator();
    form->show();
    for (const char* name : {"Button2", "ButtonAdd", "Button3", "ButtonEquals"})
        click(*form, name);
    EXPECT_EQ(form->Label1->text(), "5");
    click(*form, "ButtonEquals");
    EXPECT_EQ(form->Label1->text(), "8");
    EXPECT_EQ(form->Label2->text(), "=");

    // The keyboard: letters, the keypad, Return and the arrows.
    QTest::keyClick(form.get(), Qt::Key_A);  // AC
    EXPECT_EQ(form->Label1->text(), "0");
    QTest::keyClick(form.get(), Qt::Key_4, Qt::KeypadModifier);
    QTest::keyClick(form.get(), Qt::Key_Plus, Qt::KeypadModifier);
    QTest::keyClick(form.get(), Qt::Key_5);
    QTest::keyClick(form.get(), Qt::Key_Return);
    EXPECT_EQ(form->Label1->text(), "9");
    QTest::keyClick(form.get(), Qt::Key_Up);  // M+
    EXPECT_EQ(form->Label3->text(), "9");
    QTest::keyClick(form.get(), Qt::Key_Space);  // +/-
    EXPECT_EQ(form->Label1->text(), "-9");
    QTest::keyClick(form.get(), Qt::Key_C, Qt::ControlModifier);  // a shortcut, not "C"
    EXPECT_EQ(form->Label1->text(), "-9");
    QTest::keyClick(form.get(), Qt::Key_Slash);
    QTest::keyClick(form.get(), Qt::Key_0);
    QTest::keyClick(form.get(), Qt::Key_Equal);
    EXPECT_EQ(form->Label1->text(), kCalculatorDivideByZeroText);

    // No button takes the focus, so Space and Return always reach the calculator.
    for (QToolButton* b : form->findChildren<QToolButton*>())
        EXPECT_EQ(b->focusPolicy(), Qt::NoFocus) << b->objectName().toStdString();
    EXPECT_EQ(form->windowTitle(), "QOVAcalc");
    EXPECT_EQ(form->minimumSize(), QSize(380, 296));
    EXPECT_EQ(form->maximumSize(), QSize(380, 296));
}

TEST_F(CalculatorWindow, HelpPanelOpensWithQuestionMarkAndClosesWithOk)
{
    auto form = makeCalculator();
    form->show();
    EXPECT_FALSE(form->Panel3->isVisible());
    click(*form, "ButtonHelp");
    EXPECT_TRUE(form->Panel3->isVisible());
    auto* ok = form->Panel3->findChild<QToolButton*>("ButtonOK");
    ASSERT_NE(ok, nullptr);
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_FALSE(form->Panel3->isVisible());
    QTest::keyClick(form.get(), Qt::Key_H);
    EXPECT_TRUE(form->Panel3->isVisible());
    QTest::keyClick(form.get(), Qt::Key_Help);
    EXPECT_FALSE(form->Panel3->isVisible());
}

TEST_F(CalculatorWindow, JpegBackgroundIsRememberedAsABitmapWhenHidden)
{
    const QString jpeg = twoColourPicture("x.jpg", Qt::red, Qt::blue);
    auto form = makeCalculator();
    form->choosePicture = [&](QWidget*) { return jpeg; };
    form->show();
    click(*form, "SpeedButtonLoad");
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    EXPECT_EQ(form->background().size(), QSize(380, 296));
    EXPECT_TRUE(near(form->background().pixelColor(40, 150), Qt::red));
    EXPECT_TRUE(near(form->background().pixelColor(340, 150), Qt::blue));

    form->hide();
    expectBitmapOfWindowSize(programFile("QOVAGRP.bmp"));
    QImage saved;
    ASSERT_TRUE(saved.load(programFile("QOVAGRP.bmp"), "BMP"));
    EXPECT_TRUE(near(saved.pixelColor(40, 150), Qt::red));

    // The next window of the program shows it again.
    auto next = makeCalculator();
    EXPECT_FALSE(near(next->background().pixelColor(40, 150), Qt::red));
    next->show();
    EXPECT_TRUE(near(next->background().pixelColor(40, 150), Qt::red));
    EXPECT_TRUE(near(next->background().pixelColor(340, 150), Qt::blue));
}

TEST_F(CalculatorWindow, DamagedPicturesAreRefusedAndTheBackgroundKept)
{
    const QString good = twoColourPicture("good.jpg", Qt::green, Qt::yellow);
    const QByteArray jpegBytes = fileBytes(good);
    QImage big(1600, 1200, QImage::Format_RGB32);
    big.fill(Qt::magenta);
    const QString bigPath = pictures.filePath("big.jpg");
    ASSERT_TRUE(big.save(bigPath, "JPG", 100));
    const QByteArray bigBytes = fileBytes(bigPath);

    auto form = makeCalculator();
    form->show();
    ASSERT_TRUE(form->loadBackgroundFile(good));
    const QImage before = form->background();

    const struct {
        const char* name;
        QByteArray bytes;
    } damaged[] = {
        {"cut.jpg", bigBytes.left(bigBytes.size() * 2 / 3)},  // cut in the picture data
        {"header.jpg", jpegBytes.left(40)},                   // cut in the headers
        {"text.jpg", QByteArray("not a picture at all")},
        {"empty.jpg", QByteArray()},
        {"text.BMP", QByteArray("BM but nothing after")},
    };
    for (const auto& d : damaged) {
        errors.clear();
        const QString path = writeBytes(d.name, d.bytes);
        EXPECT_FALSE(form->loadBackgroundFile(path)) << d.name;
        ASSERT_EQ(errors.size(), 1) << d.name;
        EXPECT_TRUE(errors[0].startsWith("Cannot read [" + path + "]: ")) << errors[0].toStdString();
        EXPECT_EQ(form->background(), before) << d.name;
    }
    // A missing file and other kinds of files are passed over without a word.
    errors.clear();
    EXPECT_FALSE(form->loadBackgroundFile(pictures.filePath("missing.jpg")));
    EXPECT_FALSE(form->loadBackgroundFile(twoColourPicture("other.png", Qt::black, Qt::black)));
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(form->background(), before);
    // The whole file still reads, decoded at a reduced scale.
    EXPECT_TRUE(form->loadBackgroundFile(bigPath));
    EXPECT_TRUE(near(form->background().pixelColor(190, 148), Qt::magenta));
}

TEST_F(CalculatorWindow, DefaultPictureIsWrittenOnceAndDrawnByDefault)
{
    auto form = makeCalculator();
    expectBitmapOfWindowSize(programFile("QOVAG01.bmp"));
    EXPECT_FALSE(QFile::exists(programFile("QOVAGRP.bmp")));
    form.reset();

    // The user's own default picture is kept and used.
    QImage green(380, 296, QImage::Format_RGB32);
    green.fill(Qt::green);
    ASSERT_TRUE(green.save(programFile("QOVAG01.bmp"), "BMP"));
    form = makeCalculator();
    form->show();  // no QOVAGRP.bmp yet: QOVAG01.bmp is shown
    EXPECT_TRUE(near(form->background().pixelColor(10, 10), Qt::green));
    ASSERT_TRUE(form->loadBackgroundFile(twoColourPicture("x.bmp", Qt::red, Qt::red)));
    EXPECT_TRUE(near(form->background().pixelColor(10, 10), Qt::red));
    click(*form, "SpeedButtonFavorite");
    EXPECT_TRUE(near(form->background().pixelColor(10, 10), Qt::green));
}

TEST_F(CalculatorWindow, ExitKeepsTheRememberedPictureUnlessTheWindowWasOpen)
{
    QImage green(380, 296, QImage::Format_RGB32);
    green.fill(Qt::green);
    ASSERT_TRUE(green.save(programFile("QOVAGRP.bmp"), "BMP"));
    const QByteArray remembered = fileBytes(programFile("QOVAGRP.bmp"));
    makeCalculator().reset();  // never opened in this run
    EXPECT_EQ(fileBytes(programFile("QOVAGRP.bmp")), remembered);

    auto form = makeCalculator();
    form->show();
    ASSERT_TRUE(form->loadBackgroundFile(twoColourPicture("x.jpg", Qt::blue, Qt::blue)));
    form.reset();  // the program ends with the window open
    QImage saved;
    ASSERT_TRUE(saved.load(programFile("QOVAGRP.bmp"), "BMP"));
    EXPECT_TRUE(near(saved.pixelColor(10, 10), Qt::blue));
}

TEST_F(CalculatorWindow, TheFirstDroppedPictureBecomesTheBackground)
{
    const QString first = twoColourPicture("first.bmp", Qt::yellow, Qt::yellow);
    const QString second = twoColourPicture("second.bmp", Qt::blue, Qt::blue);
    auto form = makeCalculator();
    form->show();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(first), QUrl::fromLocalFile(second)});
    const QPoint at(100, 100);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form.get(), &drop);
    EXPECT_TRUE(near(form->background().pixelColor(10, 10), Qt::yellow));
}

TEST_F(CalculatorWindow, BkAndColChangeTheButtonsLook)
{
    auto form = makeCalculator();
    form->chooseColour = [](QWidget*, QColor current) {
        EXPECT_EQ(current, QColor(0, 255, 255));  // aqua at first
        return QColor(255, 128, 0);
    };
    form->show();
    QToolButton* seven = form->buttonNamed("Button7");
    auto ink = [](QToolButton* b) { return b->palette().color(QPalette::ButtonText); };
    EXPECT_EQ(ink(seven), QColor(0, 255, 255));
    EXPECT_EQ(ink(form->SpeedButtonBK), QColor(Qt::yellow));
    EXPECT_EQ(ink(form->SpeedButtonLoad), QColor(Qt::red));
    EXPECT_TRUE(seven->autoRaise());
    EXPECT_TRUE(form->Image1->isVisible());

    click(*form, "SpeedButtonColor");
    EXPECT_EQ(ink(seven), QColor(255, 128, 0));
    EXPECT_EQ(ink(form->buttonNamed("ButtonMemoryAdd")), QColor(255, 128, 0));

    click(*form, "SpeedButtonBK");
    EXPECT_FALSE(form->Image1->isVisible());
    EXPECT_FALSE(seven->autoRaise());
    EXPECT_EQ(ink(seven), QColor(Qt::black));
    EXPECT_EQ(ink(form->SpeedButtonBK), QColor(Qt::black));
    EXPECT_EQ(form->Label2->palette().color(QPalette::WindowText), QColor(Qt::black));

    click(*form, "SpeedButtonBK");
    EXPECT_TRUE(form->Image1->isVisible());
    EXPECT_EQ(ink(seven), QColor(255, 128, 0));
    EXPECT_EQ(form->Label2->palette().color(QPalette::WindowText), QColor(Qt::white));
}

using CalculatorInMainWindow = quorel::gui::testing::ShellFixture;

TEST_F(CalculatorInMainWindow, OpensModelessFromToolButtonAndMenuAndKeepsItsState)
{
    auto window = makeWindow();
    window->show();
    ASSERT_NE(window->Form5, nullptr);
    EXPECT_TRUE(window->Form5->dataFolder().isEmpty());  // the tests' window writes no pictures
    EXPECT_FALSE(window->Form5->isVisible());
    QTest::mouseClick(window->SpeedButton10, Qt::LeftButton);
    ASSERT_TRUE(window->Form5->isVisible());
    EXPECT_FALSE(window->Form5->isModal());
    EXPECT_TRUE(window->isEnabled());

    window->Form5->calculatorKey('1');
    window->Form5->calculatorKey('2');
    window->Form5->hide();
    window->CalculatorItem->trigger();
    EXPECT_TRUE(window->Form5->isVisible());
    EXPECT_EQ(window->Form5->Label1->text(), "12");
    EXPECT_EQ(window->findChildren<TForm5*>().size(), 1);
}
