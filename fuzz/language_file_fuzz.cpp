// Language files come from anywhere the user points the Languages dialog.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/translator.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    vg::TTranslator translator;
    translator.LoadFromBytes(bytes);
    vg::SetTranslator(&translator);
    for (std::string_view text : {"Open", "  open ", "Save changes to %s?", "", "Line\nbreak"}) {
        (void)vg::TranslateFormat(text, {"x", "y"});
        (void)vg::TranslateHint(text);
    }
    // The bytes as the text being translated, too.
    (void)vg::Translate(bytes.substr(0, 256));
    vg::SetTranslator(nullptr);
    return 0;
}
