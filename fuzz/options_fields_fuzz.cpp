// Typed values of the options dialogs' fields, as vgraph-cli options takes
// them: each line of the bytes is one field (its first byte picks which) and
// its value. Every value must be refused with a message or stored, and what
// the checks accept must be a record a document file can hold.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/options_by_name.h"
#include "document/record_validity.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const vg::DocumentOptions options = vg::DefaultDocumentOptions();
    const vg::ViewSettings view = vg::DefaultViewSettings();
    static const std::vector<std::pair<std::string, std::string>> fields = vg::OptionFieldTexts(options, view);

    vg::TOptionsEditor editor(options, view);
    std::size_t start = 0;
    while (start < size) {
        std::size_t end = start;
        while (end < size && data[end] != '\n') ++end;
        if (end > start) {
            const std::string& name = fields[data[start] % fields.size()].first;
            editor.Set(name, std::string(reinterpret_cast<const char*>(data) + start + 1, end - start - 1));
        }
        start = end + 1;
    }
    vg::DocumentOptions d = options;
    vg::ViewSettings v = view;
    if (std::optional<vg::OptionsFailure> failure = editor.Apply(d, v)) {
        if (vg::OptionsFailureText(*failure).empty()) std::abort();
    } else if (!vg::IsValidDocumentOptions(d)) {
        std::abort();  // the dialogs accepted what the file check refuses
    }
    vg::OptionFieldTexts(d, v);
    return 0;
}
