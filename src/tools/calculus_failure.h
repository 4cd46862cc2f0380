#pragma once

// The first refused input of a calculus window (derivative, tangent,
// calculator, integral): the message to show and the field that gets the
// focus. Windows show it in an error box; vgraph-cli prints it.

#include <string>
#include <vector>

namespace vg {

template <class FieldT>
struct CalculusFailure {
    std::string Message;                 // English; "\r" starts a new line
    std::vector<std::string> Arguments;  // fill the "%s" places in order
    FieldT Field{};
    int FormulaError = 0;  // non-zero: the engine's syntax error instead of Message
};

// The message as the user reads it: translated (the whole text is the key),
// "%s" filled; a syntax error reads as FormatFormulaError.
std::string CalculusMessageText(const std::string& message, const std::vector<std::string>& arguments = {},
                                int formulaError = 0);

template <class FieldT>
std::string FailureText(const CalculusFailure<FieldT>& failure)
{
    return CalculusMessageText(failure.Message, failure.Arguments, failure.FormulaError);
}

// Texts shared by several calculus windows.
inline constexpr const char* kEmptyFormulaMessage = "Empty formula";
inline constexpr const char* kTooLargeDerivationMessage = "Too large expression for derivation";
inline constexpr const char* kNotDifferentiableMessage = "The expression contains nondifferentiable function or operation";
inline constexpr const char* kVariableNotNumberMessage = "The value of the variable must be a number";

// Text with its leading and trailing blanks (spaces, tabs, line ends) removed.
std::string TrimmedText(const std::string& text);

}  // namespace vg
