// The program's settings files: "VGraph.ini" through the program options
// reader and "VGraph.cfg" through the default options reader. Neither may
// crash or leave a value outside its range, whatever the bytes.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/default_options.h"
#include "app/program_options.h"
#include "platform/profile_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    vg::TProgramOptions options;
    vg::ReadProgramOptions(options, vg::ProfileFile::FromText(bytes), 1024, 768);
    if (options.ResearchStepsNum < 100 || options.ResearchStepsNum > 20000) std::abort();
    if (options.DigitsNum > 5 || !(options.ResearchMinX < options.ResearchMaxX)) std::abort();
    if (!(options.ValueTableStep > 0) || options.ScaleFactor < 1 || options.ScaleFactor > 10) std::abort();
    if (options.PictureWidth < 100 || options.PictureWidth > 3000) std::abort();
    if (options.GraphsList.Left >= 1024 || options.GraphsList.Top >= 768) std::abort();

    vg::DocumentOptions documentOptions{};
    vg::ViewSettings view{};
    vg::ReadDefaultOptionsBytes(bytes, documentOptions, view);
    return 0;
}
