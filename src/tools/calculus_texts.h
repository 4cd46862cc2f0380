#pragma once

// Messages the derivative, tangent and calculator windows share.

namespace vg {

inline constexpr const char* kTooLargeDerivationText = "Too large expression for derivation";
inline constexpr const char* kNotDifferentiableText = "The expression contains nondifferentiable function or operation";
inline constexpr const char* kVariableNotNumberText = "The value of the variable must be a number";

}  // namespace vg
