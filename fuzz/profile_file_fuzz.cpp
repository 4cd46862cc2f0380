// "VGraph.ini" may be edited by hand or damaged; reading it must never crash,
// and a value written into any such file must read back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/languages_setting.h"
#include "platform/profile_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    vg::ProfileFile file = vg::ProfileFile::FromText(bytes);
    (void)file.ReadInteger("Research", "StepsNum", 200);
    (void)file.ReadBool("Common", "AutoMaximize", false);
    std::string languages = file.ReadString("Common", "Languages", "");
    for (int i = 0; i < vg::LanguageCount(languages); ++i) {
        bool selected = false;
        std::string name;
        vg::LanguageEntry(languages, i, selected, name);
    }
    (void)vg::RemoveLanguageSelection(languages);

    std::string value(bytes.substr(0, 64));
    file.WriteString("Files", "File1", value);
    vg::ProfileFile again = vg::ProfileFile::FromText(file.ToText());
    std::string expected = again.ReadString("Files", "File1", "<missing>");
    if (expected == "<missing>") std::abort();  // a written key must be found again
    return 0;
}
