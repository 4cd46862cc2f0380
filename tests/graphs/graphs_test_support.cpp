#include "graphs_test_support.h"

#include <cstring>
#include <sstream>

#include "app/graph_props_model.h"
#include "document/graph_model.h"

namespace vg::graphs_test {

GraphRecord RecordOf(GraphKind kind, const std::string& formula)
{
    const DocumentOptions options = DefaultDocumentOptions();
    GraphRecord r = KindDefaultsRecord(options, kind);
    if (kind == GraphKind::Param) {
        const std::size_t split = formula.find(';');
        r.Formula.Assign(formula.substr(0, split));
        r.Param.Formula2.Assign(split == std::string::npos ? "" : formula.substr(split + 1));
    } else if (kind != GraphKind::Table) {
        r.Formula.Assign(formula);
    }
    return r;
}

std::string Describe(const GraphRecord& record)
{
    std::ostringstream text;
    text << GraphDescription(record) << " kind " << int(record.Kind);
    return text.str();
}

}  // namespace vg::graphs_test
