#pragma once
// Error codes of the engine and the message table that formula fields show.

#include <cstdint>

namespace vg {

using EngineError = std::uint8_t;

inline constexpr EngineError kEngineOk = 0;
inline constexpr EngineError kErrSyntax = 1;            // lexer: unknown run
inline constexpr EngineError kErrDiscordance = 2;       // lexer: forbidden neighbours
inline constexpr EngineError kErrMissingRightParen = 3; // transform: "(" never closed
inline constexpr EngineError kErrMissingLeftParen = 4;  // transform: ")" without "("
inline constexpr EngineError kErrUndefined = 7;         // evaluation: no value here
inline constexpr EngineError kErrUndefinedDomain = 8;   // evaluation: domain, power, overflow, fault

// The message text of a syntax error code (1..4), exactly as shown to the
// user; "" for the evaluation codes 7 and 8 and for unknown codes.
const char* EngineMessage(EngineError code);

// True for codes 1..4 (the formula text itself is wrong).
constexpr bool IsSyntaxError(EngineError code) { return code >= 1 && code <= 4; }

}  // namespace vg
