#include "setup/setup_cli.h"

#include <cstdio>

#include "setup/zip_archive.h"
#include "setup/zip_extract.h"

namespace vg {
namespace {

constexpr const char* kUsage =
    "Usage: setup --list ARCHIVE\n"
    "       setup --extract ARCHIVE DIR\n";

std::string Hex8(std::uint32_t value)
{
    char text[9];
    std::snprintf(text, sizeof text, "%08x", value);
    return text;
}

void ReportUnreadable(const std::string& archive, int result, std::ostream& err)
{
    err << "setup: cannot read the archive \"" << archive << "\" (" << result << ")\n";
}

int ListEntries(const std::string& archive, std::ostream& out, std::ostream& err)
{
    const ArchiveListing listing = ListArchive(archive);
    if (listing.Result < 0) {
        ReportUnreadable(archive, listing.Result, err);
        return kSetupExitFailed;
    }
    for (const ArchiveEntry& e : listing.Entries)
        out << e.Name << '\t' << e.Method << '\t' << e.Size << '\t' << e.CompressedSize << '\t' << Hex8(e.Crc)
            << '\n';
    return kSetupExitOk;
}

int ExtractAll(const std::string& archive, const std::string& folder, std::ostream& out, std::ostream& err)
{
    const ArchiveListing listing = ListArchive(archive);
    if (listing.Result < 0) {
        ReportUnreadable(archive, listing.Result, err);
        return kSetupExitFailed;
    }
    bool allOk = true;
    for (const ArchiveEntry& e : listing.Entries) {
        const int result = ExtractEntryToFolder(archive, folder, e);
        out << e.Name << '\t' << result << '\n';
        allOk = allOk && result == kExtractOk;
    }
    return allOk ? kSetupExitOk : kSetupExitFailed;
}

}  // namespace

int RunSetupCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h" || args[0] == "help")) {
        out << kUsage;
        return kSetupExitOk;
    }
    if (!args.empty() && args[0] != "--list" && args[0] != "--extract")
        err << "setup: unknown option '" << args[0] << "'; 'setup --help' lists the modes\n";
    if (args.size() == 2 && args[0] == "--list")
        return ListEntries(args[1], out, err);
    if (args.size() == 3 && args[0] == "--extract")
        return ExtractAll(args[1], args[2], out, err);
    err << kUsage;
    return kSetupExitUsage;
}

}  // namespace vg
