#include "setup/setup_texts.h"

#include "setup/zip_extract.h"

namespace vg {

std::string ExtractingText(const std::string& name)
{
    return "Extracting " + name + "...";
}

std::string FailedCountText(std::size_t count)
{
    return "Files not installed: " + std::to_string(count);
}

std::string ExtractResultText(int result)
{
    switch (result) {
    case kExtractOk: return "installed";
    case kExtractCrcMismatch: return "CRC error";
    case kExtractCannotWrite: return "the file cannot be written";
    case kExtractCannotRead: return "the archive cannot be read";
    case kExtractMalformed: return "damaged entry or unsafe name";
    case kExtractAborted: return "aborted";
    case kExtractUnsupportedMethod: return "compression method not supported";
    case kExtractEncrypted: return "the entry is encrypted";
    default: return "another extraction is in progress";
    }
}

std::string FailureSummaryText(const std::vector<FailedEntry>& failures)
{
    constexpr std::size_t kShown = 20;
    std::string text = std::string(setup_text::kFailedSummary) + "\n";
    for (std::size_t i = 0; i < failures.size() && i < kShown; ++i)
        text += "\n" + failures[i].Name + ": " + ExtractResultText(failures[i].Result);
    if (failures.size() > kShown)
        text += "\n... (" + std::to_string(failures.size() - kShown) + " more)";
    return text + "\n\n" + setup_text::kContinueQuestion;
}

std::string UnreadableArchiveText(const std::string& path)
{
    return "Cannot read the archive " + path;
}

std::string UninstallQuestionText(const std::string& folder)
{
    return "Do you want to remove Vantor Graphs from " + folder + "?";
}

std::string UninstalledText(const std::string& folder)
{
    return "Vantor Graphs has been removed from " + folder + ".";
}

}  // namespace vg
