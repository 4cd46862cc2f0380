// The graph properties model on foreign bytes: the first 2028 bytes are a
// graph record as a file may hold it (any kind byte, any appearance bytes,
// any numbers), the rest, split at line breaks, the texts typed into the
// dialog's fields. Preparing, checking, storing and changing the kind must
// answer without a fault for any record; the toolbar's view and edits, for
// any record a document file may hold.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "app/graph_props_model.h"
#include "app/graph_toolbar_model.h"
#include "document/graph_model.h"
#include "document/record_validity.h"

namespace {

std::vector<std::string> Fields(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> fields(1);
    for (std::size_t i = 0; i < size && fields.size() < 40; ++i) {
        if (data[i] == '\n') fields.emplace_back();
        else fields.back() += static_cast<char>(data[i]);
    }
    return fields;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace vg;
    GraphRecord record;
    std::memset(&record, 0, sizeof record);
    const std::size_t head = size < sizeof record ? size : sizeof record;
    std::memcpy(&record, data, head);
    const std::vector<std::string> f = Fields(data + head, size - head);
    auto field = [&f](std::size_t k) { return k < f.size() ? f[k] : std::string(); };

    TGraphPropsModel model(record);
    GraphPropsValues v = model.Values();
    // Typed texts over the shown ones where the input has them.
    std::string* texts[] = {&v.Formula, &v.Formula2, &v.Min,   &v.Max,   &v.MinX,       &v.MaxX,   &v.MinY,
                            &v.MaxY,    &v.Steps,    &v.MaxGap, &v.StepsX, &v.StepsY,   &v.LineLength, &v.FirstX,
                            &v.FirstY};
    for (std::size_t k = 0; k < std::size(texts) && k < f.size(); ++k)
        if (!f[k].empty()) *texts[k] = f[k];
    if (!v.Cells.empty())
        for (std::size_t k = 0; k < 20; ++k) v.Cells[k] = field(15 + k);
    const int pick = size > 0 ? data[size - 1] : 0;
    v.ColorIndex = pick % 17 - 1;
    v.LineWidthIndex = pick % 6 - 1;
    v.PointSizeIndex = pick % 7 - 1;
    v.SortIndex = pick % 3;
    v.QualityIndex = pick % 3;
    if (auto failure = model.Accept(v)) GraphPropsFailureText(*failure);
    GraphPropsValues changed = model.Values();
    model.ChangeKind(pick % 9 - 1, DefaultDocumentOptions(), changed);
    if (auto failure = model.Accept(changed)) GraphPropsFailureText(*failure);

    ToolbarStateOf(&record);
    // A document holds only records that pass the file's checks.
    if (!IsValidGraphRecord(record)) return 0;
    NormaliseGraphRecord(record);
    TGraphicsManager document(DefaultViewSettings(), DefaultDocumentOptions());
    document.AddGraph(record);
    EditGraphFromToolbar(document, 0, static_cast<ToolbarControl>(pick % 9), pick % 17 - 1);
    NewGraphColor(document, document.Options);
    return 0;
}
