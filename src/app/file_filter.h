#pragma once

#include <string>
#include <string_view>

namespace vg {

// File dialog filters are written "description|mask|description|mask", masks
// separated by ";" ("Text files (*.txt)|*.txt|All files (*.*)|*.*").

// Translates every description and keeps the masks.
std::string TranslateFileFilter(std::string_view filter);

// The Qt form "description (mask mask);;...": "*.*" becomes "*", and a mask
// already shown in parentheses at the end of its description is not repeated.
std::string ToQtFileFilter(std::string_view filter);

}  // namespace vg
