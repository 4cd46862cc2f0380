#pragma once

// The English texts of the table commands and the dialogs' input failures.
// Texts are translated where they are shown; "\r" starts a new line.

#include <optional>
#include <string>

namespace vg {

inline constexpr const char* kFileReadErrorText = "File read error";
inline constexpr const char* kFileWriteErrorText = "File write error";
inline constexpr const char* kFileExistsText = "File already exists. Overwrite it?";
inline constexpr const char* kNoTableText = "There is no graph determined by table";
inline constexpr const char* kTooManyGraphsText = "Amount of the graphs cannot exceed %s";
inline constexpr const char* kNaturalNumberText = "This value must be a natural\rnumber up to %s";
inline constexpr const char* kLimitOrderText = "Lower limit cannot exceed upper limit";
inline constexpr const char* kValueNotNumberText = "The value must be a number";
inline constexpr const char* kTooLargeValueText = "Too large absolute value";
inline constexpr const char* kValueNotFoundText = "Value not found";
inline constexpr const char* kReplaceQuestionText = "Replace this value?";
inline constexpr const char* kNoColumnText = "At least one column must be selected";
inline constexpr const char* kCopyErrorText = "Copy error";
inline constexpr const char* kInfoErrorText = "Error";

// The control of a table dialog that a refused input belongs to.
enum class TableInputField { LeftEdit, RightEdit, FormulaEdit, ValueEdit, ReplaceEdit, Columns };

// A refused dialog input: the English message with its arguments, or the
// engine's error code when a formula was refused, and the control that
// takes the focus.
struct TableInputFailure {
    std::string Message;
    std::string Argument;  // fills the "%s" of Message, when it has one
    int FormulaError = -1;
    TableInputField Field = TableInputField::LeftEdit;
};

using TableInputCheck = std::optional<TableInputFailure>;

// The message as the user reads it: translated, the argument in place.
std::string TableInputFailureText(const TableInputFailure& failure);

}  // namespace vg
