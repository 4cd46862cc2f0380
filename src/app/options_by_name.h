#pragma once

// The fields of the options dialogs by their names in the records (MinX,
// LogX, HorColor, AxisXName, AxisXNameFont.Size, TopTitle, Boxed...): read
// as text, and changed through the dialogs' own fields and checks, for
// scripts that change a document's options without the windows.

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/options_fields.h"
#include "document/document_options.h"

namespace vg {

// Every field with its value as text, in the order of the records: numbers
// as the dialogs show them, check boxes 0 or 1, list choices by their value
// (widths 1..5), font colours as 0x00BBGGRR.
std::vector<std::pair<std::string, std::string>> OptionFieldTexts(const DocumentOptions& d, const ViewSettings& v);

// Collects changes by name and applies them through the dialogs' checks.
class TOptionsEditor {
public:
    TOptionsEditor(const DocumentOptions& d, const ViewSettings& v);
    ~TOptionsEditor();
    TOptionsEditor(const TOptionsEditor&) = delete;
    TOptionsEditor& operator=(const TOptionsEditor&) = delete;

    enum class SetResult { Set, UnknownName, NotAChoice };
    // Puts value into the named field. NotAChoice: a check box takes only 0
    // or 1.
    SetResult Set(const std::string& name, const std::string& value);

    // Runs the checks of Plot Options, Background Options and Axis Options in
    // turn, then those of the list and font fields; the first failure is
    // returned and the records stay as they were, else they take the values.
    std::optional<OptionsFailure> Apply(DocumentOptions& d, ViewSettings& v) const;

    struct Fields;  // the three dialogs' fields

private:
    std::unique_ptr<Fields> fields_;
};

}  // namespace vg
