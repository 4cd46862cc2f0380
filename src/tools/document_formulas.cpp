#include "tools/document_formulas.h"

#include "document/graph_model.h"
#include "engine/lexer.h"

namespace vg {

namespace {

void AddUnlessBlank(std::vector<std::string>& formulas, std::string formula)
{
    if (!RemoveSpaces(formula).empty()) formulas.push_back(std::move(formula));
}

}  // namespace

std::vector<std::string> ExplicitFormulas(const TGraphicsManager& document)
{
    std::vector<std::string> formulas;
    for (int i = 0; i < document.GraphCount(); ++i) {
        const GraphRecord& r = document.Graph(i).Record;
        if (r.Kind == GraphKind::YFromX) AddUnlessBlank(formulas, r.Formula.Str());
    }
    return formulas;
}

std::vector<std::string> OneVariableFormulas(const TGraphicsManager& document)
{
    std::vector<std::string> formulas;
    for (int i = 0; i < document.GraphCount(); ++i) {
        const GraphRecord& r = document.Graph(i).Record;
        switch (r.Kind) {
        case GraphKind::YFromX:
        case GraphKind::XFromY:
        case GraphKind::Polar: AddUnlessBlank(formulas, r.Formula.Str()); break;
        case GraphKind::Param:
            AddUnlessBlank(formulas, r.Formula.Str());
            AddUnlessBlank(formulas, r.Param.Formula2.Str());
            break;
        default: break;
        }
    }
    return formulas;
}

}  // namespace vg
