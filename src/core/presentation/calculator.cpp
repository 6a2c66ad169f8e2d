#include "presentation/calculator.h"

#include "text/number_text.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <optional>

namespace quorel {

namespace {

using A = CalculatorAction;

std::optional<double> displayValue(const CalculatorState& s)
{
    return parseReal(s.display);
}

int digitCount(const std::string& text)
{
    return static_cast<int>(
        std::count_if(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c) != 0; }));
}

// The first two steps of a digit and of the point: a number after "=" starts a new
// calculation, and a new number clears the display.
void startTyping(CalculatorState& s)
{
    if (s.afterEquals) {
        s.accumulator = 0.0;
        s.afterEquals = 0;
        s.pendingOperator = kEquals;
    }
    if (s.newEntry) {
        s.display.clear();
        s.newEntry = 0;
    }
}

void typeDigit(CalculatorState& s, int digit)
{
    startTyping(s);
    // No leading zero can be followed by digits.
    if (s.display == "0" || digitCount(s.display) >= kCalculatorMaxDigits)
        return;
    s.display.push_back(static_cast<char>('0' + digit));
}

void typePoint(CalculatorState& s)
{
    startTyping(s);
    if (s.display.find('.') == std::string::npos)
        s.display.push_back('.');
}

void deleteLast(CalculatorState& s)
{
    if (s.newEntry)
        return;
    if (s.display.size() > 1)
        s.display.pop_back();
    else
        s.display.clear();
    // A sign left alone is no number: the display starts afresh as "0".
    if (s.display.empty() || s.display == "-") {
        s.display = "0";
        s.newEntry = 1;
    }
}

void applyOperator(CalculatorState& s, int k)
{
    double operand = s.lastOperand;
    if (!s.afterEquals) {
        const std::optional<double> value = displayValue(s);
        if (!value) {
            s.errorText = kCalculatorNotANumberText;
            return;
        }
        operand = *value;
    }
    // The whole operation is worked out first, so that a refused one changes nothing.
    double result = s.accumulator;
    if (!s.newEntry || k == kEquals) {
        switch (s.pendingOperator) {
        case kDivide:
            if (operand == 0.0) {
                s.errorText = kCalculatorDivideByZeroText;
                return;
            }
            result /= operand;
            break;
        case kMultiply:
            result *= operand;
            break;
        case kSubtract:
            result -= operand;
            break;
        case kAdd:
            result += operand;
            break;
        default:
            result = operand;
            break;
        }
        if (!std::isfinite(result)) {
            s.errorText = kCalculatorOverflowText;
            return;
        }
    }
    static const char* const symbols[] = {"", "/", "X", "-", "+", "="};
    s.accumulator = result;
    s.operatorText = symbols[k];
    s.afterEquals = k == kEquals ? 1 : 0;
    s.display = calculatorNumberText(s.accumulator);
    s.newEntry = 1;
    if (!s.afterEquals)
        s.pendingOperator = k;
    s.lastOperand = operand;
}

void changeMemory(CalculatorState& s, double sign)
{
    const std::optional<double> value = displayValue(s);
    if (!value) {
        s.errorText = kCalculatorNotANumberText;
        return;
    }
    const double memory = s.memory + sign * *value;
    if (!std::isfinite(memory)) {
        s.errorText = kCalculatorOverflowText;
        return;
    }
    s.memory = memory;
    s.memoryText = calculatorNumberText(s.memory);
}

void recallMemory(CalculatorState& s)
{
    if (s.memory == 0.0)
        return;
    s.display = calculatorNumberText(s.memory);
    if (s.afterEquals) {
        s.accumulator = s.memory;
        s.afterEquals = 0;
        s.pendingOperator = kEquals;
    }
    s.newEntry = 0;  // digits typed next extend the recalled number
}

}  // namespace

CalculatorKeyAction calculatorAction(int code)
{
    if (code >= 48 && code <= 57)
        return {A::Digit, code - 48};
    if (code >= 96 && code <= 105)
        return {A::Digit, code - 96};
    struct Entry {
        int code;
        CalculatorKeyAction key;
    };
    // The buttons' codes and the keys that do the same (keypad, arrows, letters).
    static constexpr Entry kCodes[] = {
        {190, {A::DecimalPoint, 0}},     {110, {A::DecimalPoint, 0}},     {13, {A::Operator, kEquals}},
        {111, {A::Operator, kDivide}},   {191, {A::Operator, kDivide}},   {106, {A::Operator, kMultiply}},
        {186, {A::Operator, kMultiply}}, {109, {A::Operator, kSubtract}}, {189, {A::Operator, kSubtract}},
        {107, {A::Operator, kAdd}},      {187, {A::Operator, kAdd}},      {8, {A::DeleteLast, 0}},
        {46, {A::DeleteLast, 0}},        {66, {A::DeleteLast, 0}},        {32, {A::ChangeSign, 0}},
        {45, {A::ChangeSign, 0}},        {33, {A::ClearEntry, 0}},        {36, {A::ClearEntry, 0}},
        {67, {A::ClearEntry, 0}},        {34, {A::AllClear, 0}},          {35, {A::AllClear, 0}},
        {65, {A::AllClear, 0}},          {38, {A::MemoryAdd, 0}},         {80, {A::MemoryAdd, 0}},
        {40, {A::MemorySubtract, 0}},    {77, {A::MemorySubtract, 0}},    {39, {A::MemoryRecall, 0}},
        {82, {A::MemoryRecall, 0}},      {37, {A::MemoryClear, 0}},       {68, {A::MemoryClear, 0}},
        {75, {A::MemoryClear, 0}},       {47, {A::ToggleHelp, 0}},        {72, {A::ToggleHelp, 0}},
    };
    for (const Entry& e : kCodes)
        if (e.code == code)
            return e.key;
    return {};
}

void calculatorKey(CalculatorState& s, int code)
{
    const CalculatorKeyAction key = calculatorAction(code);
    if (key.action == A::Ignored)
        return;
    s.errorText.clear();
    switch (key.action) {
    case A::Digit:
        typeDigit(s, key.value);
        break;
    case A::DecimalPoint:
        typePoint(s);
        break;
    case A::Operator:
        applyOperator(s, key.value);
        break;
    case A::DeleteLast:
        deleteLast(s);
        break;
    case A::ChangeSign:
        if (const std::optional<double> value = displayValue(s))
            s.display = calculatorNumberText(-*value);
        else
            s.errorText = kCalculatorNotANumberText;
        break;
    case A::ClearEntry:
        s.display = calculatorNumberText(s.accumulator);
        s.newEntry = 1;
        break;
    case A::AllClear:
        s.display = "0";
        s.accumulator = 0.0;
        s.pendingOperator = kAdd;
        s.newEntry = 1;
        break;
    case A::MemoryAdd:
        changeMemory(s, 1.0);
        break;
    case A::MemorySubtract:
        changeMemory(s, -1.0);
        break;
    case A::MemoryRecall:
        recallMemory(s);
        break;
    case A::MemoryClear:
        s.memory = 0.0;
        s.memoryText = calculatorNumberText(0.0);
        break;
    case A::ToggleHelp:
        s.helpVisible = s.helpVisible ? 0 : 1;
        break;
    case A::Ignored:
        break;
    }
}

std::string calculatorNumberText(double value)
{
    return generalText(value);
}

}  // namespace quorel
