// "VGraph.ini" may be edited by hand or damaged; reading it must never crash,
// and a value written into any such file must read back.
#include <cstddef>
#include <cstdint>
#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/languages_setting.h"
#include "engine/number_text.h"
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

    // Numbers of the file are read as typed input; cells of table files the same way.
    std::string number = file.ReadString("Research", "MinX", std::string(bytes.substr(0, 64)));
    bool failed = false;
    long double v = vg::ParseNumberInput(number, failed);
    if (!failed && !std::isfinite(v)) std::abort();
    v = vg::ParseCellNumber(number, failed);
    if (!failed && !(std::fabs(v) <= 1e100L)) std::abort();
    v = vg::ParseNumberText(number, failed);
    if (!failed && std::isnan(v)) std::abort();

    std::string value(bytes.substr(0, 64));
    file.WriteString("Files", "File1", value);
    vg::ProfileFile again = vg::ProfileFile::FromText(file.ToText());
    // Written values never hold a line break, so this default cannot come back.
    const std::string missing = "\n<missing>\n";
    if (again.ReadString("Files", "File1", missing) == missing) std::abort();
    return 0;
}
