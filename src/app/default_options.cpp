#include "app/default_options.h"

#include <cstring>

#include "document/record_validity.h"
#include "platform/atomic_file.h"

namespace vg {

namespace {

static_assert(sizeof(DocumentOptions) == kDefaultOptionsRecordSize);
static_assert(sizeof(ViewSettings) <= kDefaultOptionsRecordSize);

constexpr std::size_t kFileSize = 2 * kDefaultOptionsRecordSize;

}  // namespace

void ReadDefaultOptions(const std::string& path, DocumentOptions& options, ViewSettings& view)
{
    std::string bytes;
    // A larger file is still read: only its first two records count.
    if (ReadWholeFile(path, bytes, 1 << 20) != ReadFileResult::Ok) bytes.clear();
    ReadDefaultOptionsBytes(bytes, options, view);
}

void ReadDefaultOptionsBytes(std::string_view bytes, DocumentOptions& options, ViewSettings& view)
{
    view = DefaultViewSettings();
    DocumentOptions stored{};
    if (bytes.size() < kDefaultOptionsRecordSize) {
        options = DefaultDocumentOptions();
        return;
    }
    std::memcpy(&stored, bytes.data(), sizeof stored);
    if (!IsValidDocumentOptions(stored)) {
        options = DefaultDocumentOptions();
        return;
    }
    NormaliseDocumentOptions(stored);
    options = stored;
    if (bytes.size() < kFileSize) return;
    std::memcpy(&view, bytes.data() + kDefaultOptionsRecordSize, sizeof view);
    view.Version = kViewSettingsVersion;
}

std::string DefaultOptionsBytes(const DocumentOptions& options, const ViewSettings& view)
{
    std::string bytes(kFileSize, '\0');
    std::memcpy(bytes.data(), &options, sizeof options);
    // The second record is the first one's buffer with the view copied over
    // its start, so its tail repeats the options' tail.
    std::memcpy(bytes.data() + kDefaultOptionsRecordSize, &options, sizeof options);
    std::memcpy(bytes.data() + kDefaultOptionsRecordSize, &view, sizeof view);
    return bytes;
}

bool WriteDefaultOptions(const std::string& path, const DocumentOptions& options,
                         const ViewSettings& view)
{
    return WriteFileAtomically(path, DefaultOptionsBytes(options, view));
}

}  // namespace vg
