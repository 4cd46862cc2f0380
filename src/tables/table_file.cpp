#include "tables/table_file.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "engine/number_text.h"
#include "platform/atomic_file.h"
#include "tables/table_text.h"

namespace vg {

bool TableLineReader::Next(std::string& line)
{
    line.clear();
    if (failed_) return false;
    std::streambuf* buffer = in_.rdbuf();
    if (!buffer) return false;
    bool any = false;
    for (;;) {
        const auto c = buffer->sbumpc();
        if (c == std::char_traits<char>::eof()) {
            if (in_.rdstate() & std::ios::badbit) failed_ = true;
            return any && !failed_;
        }
        any = true;
        if (c == '\n') return true;
        if (c == '\r') {
            if (buffer->sgetc() == '\n') buffer->sbumpc();
            return true;
        }
        if (line.size() >= kMaxTableLineLength) {
            failed_ = true;
            return false;
        }
        line.push_back(static_cast<char>(c));
    }
}

namespace {

// Tabs and ";" separate fields like blanks; "," is always a decimal point.
std::string PrepareLine(std::string line)
{
    for (char& c : line) {
        if (c == '\t' || c == ';') c = ' ';
        else if (c == ',') c = '.';
    }
    std::string prepared(TrimText(line));
    prepared.push_back(' ');
    return prepared;
}

// The text before the first blank; the rest after that blank, trimmed on
// the left, stays in line.
std::string TakeField(std::string& line)
{
    const std::size_t blank = line.find(' ');
    std::string field = line.substr(0, blank);
    line = blank == std::string::npos ? std::string() : std::string(TrimLeftText(line.substr(blank + 1)));
    return field;
}

bool ReadField(const std::string& field, long double& value)
{
    bool failed = false;
    value = ParseCellNumber(field, failed);
    return !failed;
}

// The next field of line that is a number.
bool TakeNumber(std::string& line, long double& value)
{
    while (!line.empty())
        if (ReadField(TakeField(line), value)) return true;
    return false;
}

}  // namespace

int ReadTableColumns(TableLineReader& lines, GraphRecord& record)
{
    int count = 0;
    std::string line;
    while (count < kTableSlots && lines.Next(line)) {
        std::string rest = PrepareLine(line);
        long double x = 0, y = 0;
        if (!ReadField(TakeField(rest), x)) continue;
        if (!ReadField(TakeField(rest), y)) continue;
        record.SetTablePoint(count++, x, y);
    }
    return count;
}

int ReadTableRows(TableLineReader& lines, GraphRecord& record)
{
    std::string first, second;
    if (!lines.Next(first) || !lines.Next(second)) return 0;
    std::string xs = PrepareLine(first), ys = PrepareLine(second);
    int count = 0;
    while (count < kTableSlots) {
        long double x = 0, y = 0;
        if (!TakeNumber(xs, x) || !TakeNumber(ys, y)) break;
        record.SetTablePoint(count++, x, y);
    }
    return count;
}

GraphRecord NewTableRecord(const DocumentOptions& options)
{
    GraphRecord record = NewGraphRecord(options);
    ApplyKindDefaults(record, GraphKind::Table, options);
    return record;
}

bool LoadTableFile(const std::string& fileName, TableFileOrientation orientation, const DocumentOptions& options,
                   GraphRecord& record)
{
    // A folder opens as a stream that reads as empty: it is no table file.
    std::error_code error;
    if (std::filesystem::is_directory(fileName, error)) return false;
    std::ifstream file(fileName, std::ios::binary);
    if (!file.is_open()) return false;
    GraphRecord loaded = NewTableRecord(options);
    TableLineReader lines(file);
    if (orientation == TableFileOrientation::Columns) ReadTableColumns(lines, loaded);
    else ReadTableRows(lines, loaded);
    if (lines.Failed() || file.bad()) return false;
    record = loaded;
    return true;
}

namespace {

std::string TableNumberText(long double v, TableNumberForm form)
{
    return form == TableNumberForm::Scientific ? ScientificText(v, 23) : FormatNumber(v);
}

}  // namespace

std::string TableFileText(const GraphRecord& record, TableNumberForm form, bool decimalPoint)
{
    std::string text;
    for (int slot = 0; slot < kTableSlots; ++slot) {
        const TablePoint p = record.GetTablePoint(slot);
        const long double x = RoundToDisplay(p.X.Get()), y = RoundToDisplay(p.Y.Get());
        // Empty slots hold +infinity; a damaged record's NaN is no point either.
        if (!IsDefined(x) || !IsDefined(y)) continue;
        std::string line = TableNumberText(x, form) + '\t' + TableNumberText(y, form);
        if (!decimalPoint) std::replace(line.begin(), line.end(), '.', ',');
        text += line;
        text += "\r\n";
    }
    return text;
}

bool SaveTableFile(const std::string& fileName, const GraphRecord& record, TableNumberForm form, bool decimalPoint)
{
    if (fileName.empty()) return false;
    return WriteFileAtomically(fileName, TableFileText(record, form, decimalPoint));
}

namespace {

// The name with its extension (after the last "." of the last component)
// replaced by ".txt", or ".txt" appended.
std::string WithTextExtension(const std::string& name)
{
    const std::size_t slash = name.rfind('/');
    const std::size_t dot = name.rfind('.');
    const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return (hasExtension ? name.substr(0, dot) : name) + ".txt";
}

}  // namespace

std::string DefaultTableFileName(const std::string& documentFileName, bool named, const std::string& caption,
                                 const std::string& homeFolder)
{
    if (named && !documentFileName.empty()) return WithTextExtension(documentFileName);
    std::string base = caption.substr(caption.rfind('/') == std::string::npos ? 0 : caption.rfind('/') + 1);
    if (base.empty()) base = "Noname";
    std::string folder = homeFolder;
    if (!folder.empty() && folder.back() != '/') folder.push_back('/');
    return folder + WithTextExtension(base);
}

}  // namespace vg
