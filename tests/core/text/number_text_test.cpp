#include "text/number_text.h"

#include <clocale>
#include <gtest/gtest.h>

using namespace quorel;

TEST(NumberText, GeneralFormIsShortest)
{
    EXPECT_EQ(generalText(0.5), "0.5");
    EXPECT_EQ(generalText(2.0), "2");
    EXPECT_EQ(generalText(0.02), "0.02");
    EXPECT_EQ(generalText(0.1 + 0.2), "0.3");   // 15 significant digits hide the binary tail
    EXPECT_EQ(generalText(100.0), "100");
    EXPECT_EQ(generalText(1e-5), "1E-5");
    EXPECT_EQ(generalText(-0.0), "0");
}

TEST(NumberText, FixedAndFileForms)
{
    EXPECT_EQ(fixedText(0.02, 4), "0.0200");
    EXPECT_EQ(fixedText(0.25132741228718347, 4), "0.2513");
    EXPECT_EQ(fileRealText(0.3), "0.300000");
    EXPECT_EQ(fileRealText(static_cast<double>(100.1f)), "100.099998");
    EXPECT_EQ(fileRealText(-1e-9), "-0.000000");
}

TEST(NumberText, DecimalPointWhateverTheLocale)
{
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
        GTEST_SKIP() << "de_DE.UTF-8 locale not available";
    EXPECT_EQ(fixedText(0.5, 2), "0.50");
    EXPECT_EQ(generalText(0.25), "0.25");
    EXPECT_EQ(parseReal("0.25").value(), 0.25);
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(NumberText, ParsingRejectsWhatIsNotANumber)
{
    EXPECT_EQ(parseReal(" 0.5 ").value(), 0.5);
    EXPECT_EQ(parseReal("5.").value(), 5.0);
    EXPECT_EQ(parseReal(".5").value(), 0.5);
    EXPECT_FALSE(parseReal("."));
    EXPECT_FALSE(parseReal(""));
    EXPECT_FALSE(parseReal("1,5"));
    EXPECT_FALSE(parseReal("nan"));
    EXPECT_EQ(parseInteger("12").value(), 12);
    EXPECT_FALSE(parseInteger("1.5"));
    EXPECT_EQ(invalidRealMessage("."), "'.' is not a valid floating point value");
}
