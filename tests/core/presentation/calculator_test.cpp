#include "presentation/calculator.h"
#include "presentation/calculator_look.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

using namespace quorel;

namespace {

int codeOfCaption(const std::string& caption)
{
    for (const CalculatorButton& b : calculatorButtons())
        if (caption == b.caption && b.code != 0)
            return b.code;
    ADD_FAILURE() << "no button " << caption;
    return 0;
}

// Presses the buttons named in `keys` (captions separated by blanks) and returns what
// Label1 shows after each of them, joined by blanks.
std::string press(CalculatorState& state, const std::string& keys)
{
    std::istringstream in(keys);
    std::string caption, shown;
    while (in >> caption) {
        calculatorKey(state, codeOfCaption(caption));
        shown += (shown.empty() ? "" : " ") + state.shownDisplay();
    }
    return shown;
}

std::string pressFresh(const std::string& keys)
{
    CalculatorState state;
    return press(state, keys);
}

}  // namespace

struct KeySequence {
    const char* keys;
    const char* shown;  // Label1 after each key
};

class CalculatorSequences : public ::testing::TestWithParam<KeySequence> { };

TEST_P(CalculatorSequences, ShowTheExpectedDisplays)
{
    EXPECT_EQ(pressFresh(GetParam().keys), GetParam().shown) << GetParam().keys;
}

INSTANTIATE_TEST_SUITE_P(
    Calculator, CalculatorSequences,
    ::testing::Values(
        // A repeated "=" repeats the last operation; the first pending operator is add.
        KeySequence{"2 + 3 = =", "2 2 3 5 8"}, KeySequence{"7 = =", "7 7 14"},
        KeySequence{"6 X 7 = = =", "6 6 7 42 294 2058"}, KeySequence{"9 - 4 = =", "9 9 4 5 1"},
        KeySequence{"1 / 4 =", "1 1 4 0.25"},
        // A second operator only replaces the pending one.
        KeySequence{"5 - + 2 =", "5 5 5 2 7"},
        // Chained operators work left to right.
        KeySequence{"2 + 3 X 4 =", "2 2 3 5 4 20"},
        // No leading zero is followed by digits; "0" then "." works.
        KeySequence{"0 5", "0 0"}, KeySequence{"0 . 5", "0 0. 0.5"},
        KeySequence{". 5 + 1 =", ". .5 0.5 1 1.5"}, KeySequence{"1 . 2 . 3", "1 1. 1.2 1.2 1.23"},
        // A number typed after "=" starts a new calculation.
        KeySequence{"2 + 3 = 4 =", "2 2 3 5 4 4"}, KeySequence{"2 + 3 = 4 + 1 =", "2 2 3 5 4 4 1 5"},
        // An operator right after "=" works on the result with the last operand.
        KeySequence{"2 + 3 = X 2 =", "2 2 3 5 5 2 10"},
        // Backspace: one character left becomes "0", and the next digit replaces it.
        KeySequence{"1 2 BS BS 7", "1 12 1 0 7"}, KeySequence{"4 5 + BS", "4 45 45 45"},
        KeySequence{"5 +/- BS 3", "5 -5 0 3"},
        // Sign, clear entry, all clear.
        KeySequence{"5 +/- + 2 =", "5 -5 -5 2 -3"}, KeySequence{"0 +/-", "0 0"},
        KeySequence{"8 + 2 C 3 =", "8 8 2 8 3 11"}, KeySequence{"8 + 2 AC 3 =", "8 8 2 0 3 3"},
        // Shortest form with up to 15 digits.
        KeySequence{"1 / 3 =", "1 1 3 0.333333333333333"},
        KeySequence{"0 . 1 + 0 . 2 =", "0 0. 0.1 0.1 0 0. 0.2 0.3"}),
    [](const auto& info) { return "Sequence" + std::to_string(info.index); });

TEST(Calculator, StartsEmptyWithAddPending)
{
    const CalculatorState s;
    EXPECT_EQ(s.display, "0");
    EXPECT_EQ(s.memoryText, "0");
    EXPECT_EQ(s.operatorText, "");
    EXPECT_EQ(s.newEntry, 1);
    EXPECT_EQ(s.afterEquals, 0);
    EXPECT_EQ(s.pendingOperator, kAdd);
}

TEST(Calculator, OperatorIndicatorFollowsTheLastOperator)
{
    CalculatorState s;
    const std::pair<const char*, const char*> steps[] = {{"6 /", "/"}, {"X", "X"},   {"-", "-"},
                                                         {"+", "+"},   {"2 =", "="}, {"7", "="}};
    for (const auto& [keys, indicator] : steps) {
        press(s, keys);
        EXPECT_EQ(s.operatorText, indicator) << keys;
    }
}

TEST(Calculator, MemoryKeysAndAllClearLeavingTheMemory)
{
    CalculatorState s;
    press(s, "RM");  // an empty memory recalls nothing
    EXPECT_EQ(s.display, "0");
    EXPECT_EQ(s.newEntry, 1);
    // M+ and M- leave the number open: "C" starts the next one.
    press(s, "1 2 M+ C 5 M+ C 2 M-");
    EXPECT_EQ(s.memory, 15.0);
    EXPECT_EQ(s.memoryText, "15");
    press(s, "AC");
    EXPECT_EQ(s.memory, 15.0);
    EXPECT_EQ(s.memoryText, "15");
    EXPECT_EQ(s.display, "0");

    // Recalled digits are extended by the next ones.
    EXPECT_EQ(press(s, "RM 3 + 1 ="), "15 153 153 1 154");
    press(s, "CM");
    EXPECT_EQ(s.memory, 0.0);
    EXPECT_EQ(s.memoryText, "0");
    EXPECT_EQ(press(s, "RM"), "154");  // nothing to recall: the result stays
}

TEST(Calculator, RecallAfterEqualsStartsFromTheMemory)
{
    CalculatorState s;
    press(s, "4 M+ C 2 + 3 =");
    EXPECT_EQ(press(s, "RM + 1 ="), "4 4 1 5");
    // A recall while a calculation is open only supplies the operand.
    press(s, "AC 1 0 - RM =");
    EXPECT_EQ(s.display, "6");
}

TEST(Calculator, KeyboardCodesShareTheButtonsActions)
{
    struct Case {
        int code;
        CalculatorAction action;
        int value;
    };
    const Case cases[] = {
        {48, CalculatorAction::Digit, 0},
        {57, CalculatorAction::Digit, 9},
        {96, CalculatorAction::Digit, 0},
        {105, CalculatorAction::Digit, 9},
        {110, CalculatorAction::DecimalPoint, 0},
        {190, CalculatorAction::DecimalPoint, 0},
        {13, CalculatorAction::Operator, kEquals},
        {111, CalculatorAction::Operator, kDivide},
        {106, CalculatorAction::Operator, kMultiply},
        {109, CalculatorAction::Operator, kSubtract},
        {107, CalculatorAction::Operator, kAdd},
        {46, CalculatorAction::DeleteLast, 0},
        {66, CalculatorAction::DeleteLast, 0},
        {45, CalculatorAction::ChangeSign, 0},
        {33, CalculatorAction::ClearEntry, 0},
        {36, CalculatorAction::ClearEntry, 0},
        {34, CalculatorAction::AllClear, 0},
        {35, CalculatorAction::AllClear, 0},
        {80, CalculatorAction::MemoryAdd, 0},
        {77, CalculatorAction::MemorySubtract, 0},
        {82, CalculatorAction::MemoryRecall, 0},
        {68, CalculatorAction::MemoryClear, 0},
        {75, CalculatorAction::MemoryClear, 0},
        {47, CalculatorAction::ToggleHelp, 0},
        {58, CalculatorAction::Ignored, 0},
        {95, CalculatorAction::Ignored, 0},
        {106 + 100, CalculatorAction::Ignored, 0},
        {0, CalculatorAction::Ignored, 0},
    };
    for (const Case& c : cases) {
        const CalculatorKeyAction a = calculatorAction(c.code);
        EXPECT_EQ(a.action, c.action) << c.code;
        EXPECT_EQ(a.value, c.value) << c.code;
    }
    // Keypad digits type like the digit row; an ignored code changes nothing.
    CalculatorState s;
    calculatorKey(s, 97);
    calculatorKey(s, 110);
    calculatorKey(s, 101);
    EXPECT_EQ(s.display, "1.5");
    calculatorKey(s, 200);
    EXPECT_EQ(s.display, "1.5");
    calculatorKey(s, 72);
    EXPECT_EQ(s.helpVisible, 1);
    calculatorKey(s, 47);
    EXPECT_EQ(s.helpVisible, 0);
}

TEST(Calculator, RefusedKeysShowAnErrorAndKeepTheState)
{
    struct Case {
        const char* before;
        const char* key;
        const char* error;
    };
    const Case cases[] = {
        {"5 / 0", "=", kCalculatorDivideByZeroText},
        {"5 / 0", "+", kCalculatorDivideByZeroText},
        {"5 / 2 = 0 . / 0 . 0", "=", kCalculatorDivideByZeroText},
        {"2 + .", "=", kCalculatorNotANumberText},
        {".", "+/-", kCalculatorNotANumberText},
        {".", "M+", kCalculatorNotANumberText},
        {"9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 X = = = = = = = = = = = = = = = = = = =", "=",
         kCalculatorOverflowText},
    };
    for (const Case& c : cases) {
        CalculatorState s;
        press(s, c.before);
        const CalculatorState before = s;
        press(s, c.key);
        EXPECT_EQ(s.shownDisplay(), c.error) << c.before << " " << c.key;
        EXPECT_EQ(s.display, before.display);
        EXPECT_EQ(s.accumulator, before.accumulator);
        EXPECT_EQ(s.pendingOperator, before.pendingOperator);
        EXPECT_EQ(s.newEntry, before.newEntry);
        EXPECT_EQ(s.afterEquals, before.afterEquals);
        EXPECT_EQ(s.lastOperand, before.lastOperand);
        EXPECT_EQ(s.memory, before.memory);
        EXPECT_EQ(s.operatorText, before.operatorText);
    }
    // The next key clears the message and works on the kept state.
    CalculatorState s;
    EXPECT_EQ(press(s, "8 / 0 = C 2 ="), std::string("8 8 0 ") + kCalculatorDivideByZeroText + " 8 2 4");
}

TEST(Calculator, TypedNumbersStopAtFifteenDigits)
{
    CalculatorState s;
    press(s, "1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6 7");
    EXPECT_EQ(s.display, "123456789012345");
    press(s, ". 9");
    EXPECT_EQ(s.display, "123456789012345.");
}

TEST(CalculatorLook, BackgroundToggleColoursAndFlatness)
{
    CalculatorLook look;
    EXPECT_EQ(look.ink(CalculatorButtonGroup::Number), (CalculatorInk{false, 0x00FFFF}));
    EXPECT_EQ(look.ink(CalculatorButtonGroup::Tool), (CalculatorInk{false, 0xFFFF00}));
    EXPECT_EQ(look.ink(CalculatorButtonGroup::Picture), (CalculatorInk{false, 0xFF0000}));
    EXPECT_EQ(look.operatorIndicatorInk(), (CalculatorInk{false, 0xFFFFFF}));
    EXPECT_TRUE(look.flatButtons());

    look.chooseButtonColour(0x123456);
    EXPECT_EQ(look.ink(CalculatorButtonGroup::Number), (CalculatorInk{false, 0x123456}));
    look.toggleBackground();
    EXPECT_EQ(look.ink(CalculatorButtonGroup::Number), (CalculatorInk{false, 0}));
    EXPECT_EQ(look.ink(CalculatorButtonGroup::Tool), (CalculatorInk{false, 0}));
    EXPECT_TRUE(look.ink(CalculatorButtonGroup::Picture).menuText);
    EXPECT_EQ(look.operatorIndicatorInk(), (CalculatorInk{false, 0}));
    EXPECT_FALSE(look.flatButtons());
    EXPECT_EQ(look.ink(CalculatorButtonGroup::Clear), (CalculatorLook{}.ink(CalculatorButtonGroup::Clear)));

    // A colour chosen without the picture shows at once and stays when the picture returns.
    look.chooseButtonColour(0x654321);
    EXPECT_EQ(look.ink(CalculatorButtonGroup::Number), (CalculatorInk{false, 0x654321}));
    look.toggleBackground();
    EXPECT_EQ(look.ink(CalculatorButtonGroup::Number), (CalculatorInk{false, 0x654321}));
    look.toggleBackground();
    EXPECT_EQ(look.ink(CalculatorButtonGroup::Number), (CalculatorInk{false, 0}));
}

TEST(CalculatorLook, PictureFilesByExtension)
{
    const std::pair<const char*, BackgroundFileKind> cases[] = {
        {"/a/b/sky.bmp", BackgroundFileKind::Bitmap},       {"SKY.BMP", BackgroundFileKind::Bitmap},
        {"/a/b/sky.Jpg", BackgroundFileKind::Jpeg},         {"C:\\x\\y.JPG", BackgroundFileKind::Jpeg},
        {"/a/b/sky.png", BackgroundFileKind::NotAPicture},  {"/a/b.jpg/sky", BackgroundFileKind::NotAPicture},
        {"/a/b/sky.jpeg", BackgroundFileKind::NotAPicture}, {"", BackgroundFileKind::NotAPicture},
    };
    for (const auto& [path, kind] : cases)
        EXPECT_EQ(backgroundFileKind(path), kind) << path;
}

TEST(CalculatorLook, EveryKeyButtonSendsACodeWithAnAction)
{
    int keyButtons = 0;
    for (const CalculatorButton& b : calculatorButtons()) {
        if (b.code == 0)
            continue;
        ++keyButtons;
        EXPECT_NE(calculatorAction(b.code).action, CalculatorAction::Ignored) << b.caption;
    }
    EXPECT_EQ(keyButtons, 25);
    EXPECT_EQ(calculatorButtons().size(), 29u);
}
