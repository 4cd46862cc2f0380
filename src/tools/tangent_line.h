#pragma once

// The Tangent or Normal window's model: the straight line tangent or normal
// to a graph at a parameter value, written as y = m*x + c or x = m*y + c,
// and the graph it adds.

#include <optional>
#include <string>

#include "document/document_options.h"
#include "document/graph_record.h"
#include "tools/calculus_texts.h"
#include "tools/tool_input.h"

namespace vg {

// What the window shows for a graph: the variable edit with its label
// ("X=", "Y=", "A=", "T="), or only a message in the label.
struct TangentView {
    bool ShowEdit = false;
    std::string Label;  // English
    bool ShowPi = false;  // polar angles are typed in units of pi
    bool CanAdd = false;
};
TangentView TangentViewOf(const GraphRecord& graph);

// Reading the typed parameter: a number of magnitude up to 1e100.
enum class TangentField { None, Variable };
using TangentFailure = InputFailure<TangentField>;
std::optional<TangentFailure> ReadTangentParameter(const std::string& text, long double& t);

enum class TangentStatus {
    Determined,
    TooLarge,           // a formula's size measure is above 25
    NotDifferentiable,  // a formula has no derivative rule
    NotDetermined,      // no value, no direction, or a formula that does not translate
};

enum class LineForm { YFromX, XFromY };

struct TangentLine {
    TangentStatus Status = TangentStatus::NotDetermined;
    LineForm Form = LineForm::YFromX;
    long double M = 0;
    long double C = 0;
    std::string Text;  // "2*x-1", "0*y+0"
};

// The line at parameter t (x, y, the angle in units of pi, or t, by kind).
// Polar angles p = pi*t use the 80-bit library cosine and sine, which stay
// meaningful where the engine's own give 0 (|p| >= 2^63).
TangentLine ComputeTangentLine(const GraphRecord& graph, long double t, bool normal);

// The error box of a status other than Determined (translated).
std::string TangentMessage(TangentStatus status, bool normal);

// "Y(x)=" or "X(y)=" followed by the line's text.
std::string TangentLineText(const TangentLine& line);

// The graph that shows the line: kind y = f(x) or x = f(y), the default
// appearance and the kind's default parameters of options.
GraphRecord TangentGraphRecord(const TangentLine& line, const DocumentOptions& options);

}  // namespace vg
