#include "app/glyphs.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace quorel::gui;

namespace {

double coverage(const QImage& image)
{
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            opaque += qAlpha(image.pixel(x, y)) > 128 ? 1 : 0;
    return double(opaque) / (image.width() * image.height());
}

}  // namespace

TEST(Glyphs, EveryPictureIsDrawnAtItsSizeAndDiffersFromTheOthers)
{
    const Glyph all[] = {Glyph::Open,     Glyph::Save,     Glyph::Print,     Glyph::Scheme,   Glyph::Calculation,
                         Glyph::Animation, Glyph::Calculator, Glyph::Exit,    Glyph::ImageSON, Glyph::ImageSOFF,
                         Glyph::ImageEON, Glyph::ImageEOFF, Glyph::ImageMON,  Glyph::ImageMOFF, Glyph::ImageB,
                         Glyph::ImageY,   Glyph::ImageR,   Glyph::ImageCB,   Glyph::ImageCR,  Glyph::ProgramIcon};
    QList<QImage> drawn;
    for (Glyph g : all) {
        const QPixmap p = glyph(g);
        SCOPED_TRACE(static_cast<int>(g));
        ASSERT_FALSE(p.isNull());
        QSize expected(kGlyphSize, kGlyphSize);
        if (g == Glyph::ImageB || g == Glyph::ImageY || g == Glyph::ImageR)
            expected = QSize(kCheckLampWidth, kLampHeight);
        else if (g == Glyph::ImageCB || g == Glyph::ImageCR)
            expected = QSize(kCaptureLampWidth, kLampHeight);
        else if (g == Glyph::ProgramIcon)
            expected = QSize(32, 32);
        EXPECT_EQ(p.deviceIndependentSize().toSize(), expected);
        const QImage image = p.toImage().convertToFormat(QImage::Format_ARGB32);
        const double c = coverage(image);
        EXPECT_GT(c, 0.1);    // something is drawn
        if (g != Glyph::ProgramIcon) {   // the icon is a filled tile with rounded corners
            EXPECT_LT(c, 0.95);          // the others stand on a transparent ground
        }
        for (const QImage& other : drawn)
            EXPECT_NE(image, other);
        drawn << image;
    }
}

TEST(Glyphs, NamedImagesAreTheOnesTheLogicNames)
{
    const std::pair<const char*, Glyph> names[] = {
        {"ImageSON", Glyph::ImageSON}, {"ImageSOFF", Glyph::ImageSOFF}, {"ImageEON", Glyph::ImageEON},
        {"ImageEOFF", Glyph::ImageEOFF}, {"ImageMON", Glyph::ImageMON}, {"ImageMOFF", Glyph::ImageMOFF},
        {"ImageB", Glyph::ImageB}, {"ImageY", Glyph::ImageY}, {"ImageR", Glyph::ImageR},
        {"ImageCB", Glyph::ImageCB}, {"ImageCR", Glyph::ImageCR}};
    for (auto [name, g] : names)
        EXPECT_EQ(namedImage(name).toImage(), glyph(g).toImage()) << name;
    EXPECT_TRUE(namedImage("ImageX").isNull());
    EXPECT_TRUE(namedImage("").isNull());
}
