#include "document/font_spec.h"

#include <cstring>

namespace vg {

FontSpec MakeFontSpec(std::string_view name, int32_t size)
{
    FontSpec f;
    std::memset(&f, 0, sizeof f);
    f.Size = size;
    f.Name.Assign(name);
    return f;
}

}  // namespace vg
