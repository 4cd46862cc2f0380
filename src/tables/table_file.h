#pragma once

// Tables of points in plain text files: the two orientations a table is read
// in, the text Save Table writes in either number form and decimal
// separator, and the table record that Open Table hands to Add Graph.

#include <istream>
#include <string>
#include <string_view>

#include "document/document_options.h"
#include "document/graph_record.h"

namespace vg {

// A line longer than this is taken for a damaged file rather than a table.
inline constexpr std::size_t kMaxTableLineLength = 1u << 22;

// Lines of a text, ended by CR LF, LF or a lone CR.
class TableLineReader {
public:
    explicit TableLineReader(std::istream& in) : in_(in) {}

    // The next line without its end; false at the end of the text, after a
    // read failure, or for a line over kMaxTableLineLength (see Failed).
    bool Next(std::string& line);
    bool Failed() const { return failed_; }

private:
    std::istream& in_;
    bool failed_ = false;
};

// One point per line: the first two fields of a line, when both are numbers.
// Fills slots from slot 0 of record until 100 points; lines after the 100th
// point are not read. Returns the number of points stored.
int ReadTableColumns(TableLineReader& lines, GraphRecord& record);
// X values on the first line, Y values on the second; fields that are not
// numbers are skipped. No point without two lines.
int ReadTableRows(TableLineReader& lines, GraphRecord& record);

// A table graph with no points: DefaultStyle and the table defaults of options.
GraphRecord NewTableRecord(const DocumentOptions& options);

enum class TableFileOrientation { Columns, Rows };

// Reads a whole table file into a new table record. False when the file
// cannot be opened or read (nothing then is to be added).
bool LoadTableFile(const std::string& fileName, TableFileOrientation orientation,
                   const DocumentOptions& options, GraphRecord& record);

// "mEp": the 23-character scientific text; "m*10^p": the display form.
enum class TableNumberForm { Scientific, Power };

// The file text of a table graph: one line "X<tab>Y" with CR LF per point
// (empty slots skipped), "," for every "." unless decimalPoint.
std::string TableFileText(const GraphRecord& record, TableNumberForm form, bool decimalPoint);

// Writes TableFileText to a file through a temporary file; false on failure.
bool SaveTableFile(const std::string& fileName, const GraphRecord& record, TableNumberForm form,
                   bool decimalPoint);

// The name Save Table proposes: the document's file name with ".txt" in the
// document's folder; for a document without a file, its caption with ".txt"
// in homeFolder.
std::string DefaultTableFileName(const std::string& documentFileName, bool named, const std::string& caption,
                                 const std::string& homeFolder);

}  // namespace vg
