// Table text files come from anywhere the user points Open Table: both
// orientations must read any bytes into at most 100 points, and what they
// read must write and read back as the same points.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "document/document_options.h"
#include "tables/table_file.h"

namespace {

int CountPoints(const vg::GraphRecord& record)
{
    int count = 0;
    for (int slot = 0; slot < vg::kTableSlots; ++slot) {
        const vg::TablePoint p = record.GetTablePoint(slot);
        if (vg::IsDefined(p.X.Get()) && vg::IsDefined(p.Y.Get())) ++count;
    }
    return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const vg::DocumentOptions options = vg::DefaultDocumentOptions();
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    for (auto orientation : {vg::TableFileOrientation::Columns, vg::TableFileOrientation::Rows}) {
        std::istringstream in(bytes);
        vg::TableLineReader lines(in);
        vg::GraphRecord record = vg::NewTableRecord(options);
        const int read = orientation == vg::TableFileOrientation::Columns ? vg::ReadTableColumns(lines, record)
                                                                          : vg::ReadTableRows(lines, record);
        if (read < 0 || read > vg::kTableSlots || CountPoints(record) != read) std::abort();
        for (bool decimalPoint : {true, false}) {
            const std::string text = vg::TableFileText(record, vg::TableNumberForm::Power, decimalPoint);
            std::istringstream again(text);
            vg::TableLineReader againLines(again);
            vg::GraphRecord copy = vg::NewTableRecord(options);
            if (vg::ReadTableColumns(againLines, copy) != read) std::abort();
            if (vg::TableFileText(copy, vg::TableNumberForm::Power, decimalPoint) != text) std::abort();
        }
    }
    return 0;
}
