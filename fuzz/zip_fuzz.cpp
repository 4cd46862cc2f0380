// Feeds arbitrary bytes as an archive to the directory walk and extracts
// every entry it names into a temporary folder.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "setup/zip_archive.h"
#include "setup/zip_extract.h"

namespace {

namespace fs = std::filesystem;

void MakeWritable(const fs::path& folder);

fs::path gWorkFolder;

void RemoveWorkFolder()
{
    std::error_code ec;
    MakeWritable(gWorkFolder);
    fs::remove_all(gWorkFolder, ec);
}

const fs::path& WorkFolder()
{
    if (gWorkFolder.empty()) {
        gWorkFolder = fs::temp_directory_path() / ("vg-zip-fuzz-" + std::to_string(getpid()));
        fs::create_directories(gWorkFolder);
        std::atexit(RemoveWorkFolder);
    }
    return gWorkFolder;
}

void MakeWritable(const fs::path& folder)
{
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(folder, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec))
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const fs::path archive = WorkFolder() / "input.zip";
    const fs::path out = WorkFolder() / "out";
    std::error_code ec;
    MakeWritable(out);
    fs::remove_all(out, ec);
    if (std::FILE* f = std::fopen(archive.c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }

    vg::ArchiveEntry entry;
    int result = vg::FirstArchiveEntry(archive, entry);
    for (int count = 0; result == vg::kEntryReturned && count < 64; ++count) {
        vg::ExtractEntryToFolder(archive, out, entry);
        // The plain form too: a fixed target, sizes from the local header.
        vg::ExtractEntry(archive, out / "plain", vg::ExtractionAttributes(entry), {}, entry.HeaderOffset);
        result = vg::NextArchiveEntry(entry);
    }
    vg::CloseArchive(entry);
    vg::ExtractEntry(archive, out / "first", 0, {}, 0);  // a local header at the start
    MakeWritable(out);
    fs::remove_all(out, ec);
    return 0;
}
