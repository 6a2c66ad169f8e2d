#pragma once
// The pocket calculator beside the model: four operations, one memory, the display
// (Label1), the operator indicator (Label2), the memory display (Label3) and the key-help
// panel. Every button and every key reaches it as one key code through calculatorKey;
// the window only shows the texts.

#include <string>

namespace quorel {

// What a key code does.
enum class CalculatorAction {
    Ignored,
    Digit,  // value: 0 … 9
    DecimalPoint,
    Operator,        // value: 1 divide, 2 multiply, 3 subtract, 4 add, 5 equals
    DeleteLast,      // "BS"
    ChangeSign,      // "+/-"
    ClearEntry,      // "C"
    AllClear,        // "AC"
    MemoryAdd,       // "M+"
    MemorySubtract,  // "M-"
    MemoryRecall,    // "RM"
    MemoryClear,     // "CM"
    ToggleHelp,      // "?"
};

struct CalculatorKeyAction {
    CalculatorAction action = CalculatorAction::Ignored;
    int value = 0;
};

// The operators' numbers, as `pendingOperator` holds them.
enum CalculatorOperator { kDivide = 1, kMultiply = 2, kSubtract = 3, kAdd = 4, kEquals = 5 };

// The key codes of the buttons and their keyboard equivalents (virtual-key codes).
CalculatorKeyAction calculatorAction(int code);

// The texts shown in place of the display when a key cannot be carried out; the
// calculator keeps the state it had before the key.
inline constexpr const char* kCalculatorDivideByZeroText = "Cannot divide by zero";
inline constexpr const char* kCalculatorNotANumberText = "Not a number";
inline constexpr const char* kCalculatorOverflowText = "Overflow";

// Digits a typed number may hold; more would only be rounded away and would not fit.
inline constexpr int kCalculatorMaxDigits = 15;

// One calculator for the whole run of the program; hiding the window keeps it.
struct CalculatorState {
    int newEntry = 1;     // the next digit or point starts a new number
    int afterEquals = 0;  // the last operator was "=": another "=" repeats it
    int pendingOperator = kAdd;
    double accumulator = 0.0;  // running result
    double memory = 0.0;
    double lastOperand = 0.0;  // operand of the last operation, for a repeated "="

    std::string display = "0";     // Label1: the number as typed or as computed
    std::string operatorText;      // Label2: "/", "X", "-", "+" or "="
    std::string memoryText = "0";  // Label3
    int helpVisible = 0;           // Panel3
    // Why the last key did nothing; empty after every key that worked. While it is set
    // the display shows it instead of the number.
    std::string errorText;

    // The text Label1 shows now.
    const std::string& shownDisplay() const { return errorText.empty() ? display : errorText; }
};

// Carries out one key code on the calculator. Codes without a meaning are ignored.
void calculatorKey(CalculatorState& state, int code);

// Numbers as the calculator shows them: shortest general form, up to 15 digits.
std::string calculatorNumberText(double value);

}  // namespace quorel
