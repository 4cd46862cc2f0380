#pragma once
// TExpTransformator: infix lexeme list to postfix form (shunting yard with the
// engine's explicit pop sets). Iterative, linear in the length of the list.

#include "engine/engine_messages.h"
#include "engine/stack_list.h"

namespace vg {

class TExpTransformator {
public:
    // Consumes the lexeme list and returns the postfix form with its first
    // lexeme on top. errorCode is 0, kErrMissingRightParen or
    // kErrMissingLeftParen; on error the returned list is incomplete.
    TStackList Transform(TStackList lexemes, EngineError& errorCode) const;
};

class TExpTransformator2Var : public TExpTransformator {};

}  // namespace vg
