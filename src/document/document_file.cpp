#include "document/document_file.h"

#include <array>
#include <cstring>
#include <fstream>
#include <vector>

#include "document/record_validity.h"
#include "platform/atomic_file.h"

namespace vg {

namespace {

using RecordBuffer = std::array<uint8_t, kFileRecordSize>;

// Where records come from: a file read record by record, or bytes in memory.
// A document is a whole number of records: anything else is a cut-off or
// damaged file, never read as the records it happens to hold.
class RecordSource {
public:
    virtual ~RecordSource() = default;
    virtual bool Opened() const = 0;
    virtual bool WholeRecords() const = 0;
    virtual std::size_t RecordCount() const = 0;
    virtual bool Read(std::size_t index, RecordBuffer& out) = 0;
};

class MemorySource : public RecordSource {
public:
    explicit MemorySource(std::string_view bytes) : bytes_(bytes) {}
    bool Opened() const override { return true; }
    bool WholeRecords() const override { return bytes_.size() % kFileRecordSize == 0; }
    std::size_t RecordCount() const override { return bytes_.size() / kFileRecordSize; }
    bool Read(std::size_t index, RecordBuffer& out) override
    {
        if (index >= RecordCount()) return false;
        std::memcpy(out.data(), bytes_.data() + index * kFileRecordSize, kFileRecordSize);
        return true;
    }

private:
    std::string_view bytes_;
};

class FileSource : public RecordSource {
public:
    explicit FileSource(const std::string& fileName) : in_(fileName, std::ios::binary)
    {
        if (!in_) return;
        in_.seekg(0, std::ios::end);
        std::streamoff size = in_.tellg();
        in_.seekg(0, std::ios::beg);
        if (size < 0 || !in_) return;
        count_ = static_cast<std::size_t>(size) / kFileRecordSize;
        whole_ = static_cast<std::size_t>(size) % kFileRecordSize == 0;
        opened_ = true;
    }
    bool Opened() const override { return opened_; }
    bool WholeRecords() const override { return whole_; }
    std::size_t RecordCount() const override { return count_; }
    bool Read(std::size_t index, RecordBuffer& out) override
    {
        if (!opened_ || index >= count_) return false;
        in_.seekg(static_cast<std::streamoff>(index * kFileRecordSize), std::ios::beg);
        in_.read(reinterpret_cast<char*>(out.data()), static_cast<std::streamsize>(kFileRecordSize));
        return in_.gcount() == static_cast<std::streamsize>(kFileRecordSize);
    }

private:
    std::ifstream in_;
    std::size_t count_ = 0;
    bool whole_ = false;
    bool opened_ = false;
};

template <typename Record>
Record RecordFrom(const RecordBuffer& buffer)
{
    Record r;
    std::memcpy(&r, buffer.data(), sizeof r);
    return r;
}

DocumentFileCheck Validate(RecordSource& source)
{
    DocumentFileCheck check;
    if (!source.Opened()) return {false, false};
    if (source.RecordCount() == 0 || !source.WholeRecords()) return {false, true};
    RecordBuffer buffer;
    if (!source.Read(0, buffer)) return {false, false};
    if (!IsValidDocumentOptions(RecordFrom<DocumentOptions>(buffer))) return {false, true};
    int graphs = 1;
    for (std::size_t i = 1; i < source.RecordCount() && graphs <= kMaxGraphs; ++i) {
        if (!source.Read(i, buffer)) {
            check.Valid = false;
            break;
        }
        if (buffer[0] == kViewSettingsMarker) continue;
        if (!IsValidGraphRecord(RecordFrom<GraphRecord>(buffer))) {
            check.Valid = false;
            check.BadFormat = true;
        }
        ++graphs;
    }
    return check;
}

// The records of a document as read, before they are installed.
struct LoadedRecords {
    DocumentOptions Options;
    ViewSettings View;
    std::vector<GraphRecord> Graphs;
};

bool Load(RecordSource& source, LoadedRecords& loaded)
{
    if (!source.Opened() || source.RecordCount() == 0 || !source.WholeRecords()) return false;
    RecordBuffer buffer;
    if (!source.Read(0, buffer)) return false;
    loaded.Options = RecordFrom<DocumentOptions>(buffer);
    if (!IsValidDocumentOptions(loaded.Options)) return false;
    NormaliseDocumentOptions(loaded.Options);
    loaded.View = DefaultViewSettings();
    for (std::size_t i = 1; i < source.RecordCount() && loaded.Graphs.size() < static_cast<std::size_t>(kMaxGraphs); ++i) {
        if (!source.Read(i, buffer)) return false;
        if (buffer[0] == kViewSettingsMarker) {
            loaded.View = RecordFrom<ViewSettings>(buffer);
            continue;
        }
        GraphRecord g = RecordFrom<GraphRecord>(buffer);
        if (!IsValidGraphRecord(g)) return false;
        NormaliseGraphRecord(g);
        loaded.Graphs.push_back(g);
    }
    return true;
}

bool LoadInto(TGraphicsManager& document, RecordSource& source)
{
    LoadedRecords loaded;
    loaded.Graphs.reserve(kMaxGraphs);
    if (!Load(source, loaded)) return false;
    document.ClearGraphs();
    document.Options = loaded.Options;
    document.View = loaded.View;
    for (const GraphRecord& g : loaded.Graphs) document.AddGraph(g);
    return true;
}

}  // namespace

const char* DocumentFileMessage(const DocumentFileCheck& check)
{
    return check.BadFormat ? kIncorrectFormatText : kIoErrorText;
}

std::string DocumentFileBytes(const TGraphicsManager& document)
{
    std::string bytes((2 + document.Graphs.size()) * kFileRecordSize, '\0');
    char* p = bytes.data();
    std::memcpy(p, &document.Options, sizeof(DocumentOptions));
    p += kFileRecordSize;
    std::memcpy(p, &document.View, sizeof(ViewSettings));
    // Readers tell this record from a graph record by its first byte alone.
    p[0] = static_cast<char>(kViewSettingsMarker);
    p += kFileRecordSize;
    for (const auto& graph : document.Graphs) {
        std::memcpy(p, &graph->Record, sizeof(GraphRecord));
        p += kFileRecordSize;
    }
    return bytes;
}

bool WriteDocument(const TGraphicsManager& document, const std::string& fileName)
{
    return WriteFileAtomically(fileName, DocumentFileBytes(document));
}

DocumentFileCheck ValidateDocumentFile(const std::string& fileName)
{
    FileSource source(fileName);
    return Validate(source);
}

DocumentFileCheck ValidateDocumentBytes(std::string_view bytes)
{
    MemorySource source(bytes);
    return Validate(source);
}

bool LoadDocument(TGraphicsManager& document, const std::string& fileName)
{
    FileSource source(fileName);
    return LoadInto(document, source);
}

bool LoadDocumentBytes(TGraphicsManager& document, std::string_view bytes)
{
    MemorySource source(bytes);
    return LoadInto(document, source);
}

bool SaveDocumentAs(TGraphicsManager& document, const std::string& fileName)
{
    if (!WriteDocument(document, fileName)) return false;
    document.FileName = fileName;
    document.Named = true;
    document.Modified = false;
    return true;
}

std::unique_ptr<TGraphicsManager> OpenDocument(const std::string& fileName, const ViewSettings& programView,
                                               const DocumentOptions& programOptions, std::string& message)
{
    message.clear();
    DocumentFileCheck check = ValidateDocumentFile(fileName);
    if (!check.Valid) {
        message = DocumentFileMessage(check);
        return nullptr;
    }
    auto document = std::make_unique<TGraphicsManager>(programView, programOptions);
    if (!LoadDocument(*document, fileName)) {
        message = kIoErrorText;
        return nullptr;
    }
    document->FileName = fileName;
    document->Named = true;
    document->Modified = false;
    return document;
}

}  // namespace vg
