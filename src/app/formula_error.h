#pragma once

#include <string>

namespace vg {

// The message formula fields show when CheckFormula fails:
// "Error 2: discordance of lexems", both texts translated.
std::string FormatFormulaError(int errorCode);

}  // namespace vg
