// Deflate decoding throughput of the setup archive reader beside zlib's
// inflate, on an archive of about 50 MB built when the benchmark starts.
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <ctime>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "setup/bit_reader.h"
#include "setup/byte_io.h"
#include "setup/inflate.h"
#include "setup/output_window.h"
#include "setup/zip_archive.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

struct Stream {
    Bytes Compressed;
    std::size_t Size = 0;
    std::uint32_t Crc = 0;
};

// Text of English-like words and numbers, plus a share of noisier bytes, so
// that the archive mixes long and short matches with literals.
Bytes MakeContent(std::size_t size, unsigned seed)
{
    static const char* kWords[] = {"the",     "graph",   "function", "of",     "value",  "axis",   "interval",
                                   "zero",    "extreme", "tangent",  "normal", "point",  "table",  "plot",
                                   "formula", "integral", "and",     "with",   "between", "derivative"};
    std::mt19937 random(seed);
    Bytes out;
    out.reserve(size);
    while (out.size() < size) {
        const unsigned pick = random() % 100;
        std::string piece;
        if (pick < 80) {
            piece = kWords[random() % 20];
            piece += (random() % 12 == 0) ? ".\n" : " ";
        } else if (pick < 92) {
            piece = std::to_string(random() % 100000) + " ";
        } else {
            for (int i = 0; i < 12; ++i)
                piece += static_cast<char>(random() % 256);
        }
        out.insert(out.end(), piece.begin(), piece.end());
    }
    out.resize(size);
    return out;
}

Bytes RawDeflate(const Bytes& data)
{
    z_stream z{};
    deflateInit2(&z, 6, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
    Bytes out(deflateBound(&z, data.size()));
    z.next_in = const_cast<Bytef*>(data.data());
    z.avail_in = static_cast<uInt>(data.size());
    z.next_out = out.data();
    z.avail_out = static_cast<uInt>(out.size());
    deflate(&z, Z_FINISH);
    out.resize(z.total_out);
    deflateEnd(&z);
    return out;
}

void PutLe(Bytes& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// Writes the archive and reads its deflated entries back through the
// directory walk, as setup would find them.
std::vector<Stream> BuildArchive(const fs::path& path)
{
    constexpr int kEntries = 12;
    constexpr std::size_t kEntrySize = 11 * 1024 * 1024;
    Bytes archive;
    Bytes directory;
    for (int i = 0; i < kEntries; ++i) {
        const Bytes content = MakeContent(kEntrySize, 1234 + i);
        const Bytes packed = RawDeflate(content);
        const std::uint32_t crc = static_cast<std::uint32_t>(crc32(0, content.data(), static_cast<uInt>(content.size())));
        const std::string name = "bench/file" + std::to_string(i) + ".txt";
        const auto offset = static_cast<std::uint32_t>(archive.size());
        for (Bytes* header : {&archive, &directory}) {
            const bool central = header == &directory;
            PutLe(*header, central ? 0x02014B50 : 0x04034B50, 4);
            if (central)
                PutLe(*header, 20, 2);
            PutLe(*header, 20, 2);
            PutLe(*header, 0, 2);
            PutLe(*header, 8, 2);
            PutLe(*header, 0x58CB6478, 4);
            PutLe(*header, crc, 4);
            PutLe(*header, static_cast<std::uint32_t>(packed.size()), 4);
            PutLe(*header, static_cast<std::uint32_t>(content.size()), 4);
            PutLe(*header, static_cast<std::uint32_t>(name.size()), 2);
            PutLe(*header, 0, 2);
            if (central) {
                PutLe(*header, 0, 2);
                PutLe(*header, 0, 4);
                PutLe(*header, 0, 4);
                PutLe(*header, offset, 4);
            }
            header->insert(header->end(), name.begin(), name.end());
        }
        archive.insert(archive.end(), packed.begin(), packed.end());
    }
    const auto directoryOffset = static_cast<std::uint32_t>(archive.size());
    archive.insert(archive.end(), directory.begin(), directory.end());
    PutLe(archive, 0x06054B50, 4);
    PutLe(archive, 0, 4);
    PutLe(archive, kEntries, 2);
    PutLe(archive, kEntries, 2);
    PutLe(archive, static_cast<std::uint32_t>(directory.size()), 4);
    PutLe(archive, directoryOffset, 4);
    PutLe(archive, 0, 2);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(archive.data()),
                                                 static_cast<std::streamsize>(archive.size()));

    std::vector<Stream> streams;
    for (const vg::ArchiveEntry& e : vg::ListArchive(path).Entries) {
        const std::size_t data = e.HeaderOffset + 30 + e.Name.size();
        Stream s;
        s.Compressed.assign(archive.begin() + static_cast<std::ptrdiff_t>(data),
                            archive.begin() + static_cast<std::ptrdiff_t>(data + e.CompressedSize));
        s.Size = e.Size;
        s.Crc = e.Crc;
        streams.push_back(std::move(s));
    }
    std::printf("archive: %.1f MB, %zu deflated entries, %.1f MB uncompressed\n", archive.size() / 1e6,
                streams.size(), streams.size() * static_cast<double>(kEntrySize) / 1e6);
    return streams;
}

const std::vector<Stream>& Streams()
{
    static const std::vector<Stream> streams = [] {
        const fs::path path = fs::temp_directory_path() / "vg-zip-bench.zip";
        std::vector<Stream> s = BuildArchive(path);
        fs::remove(path);
        return s;
    }();
    return streams;
}

class NullSink : public vg::ByteSink {
public:
    bool Write(const std::uint8_t*, std::size_t) override { return true; }
};

std::map<std::string, double> gThroughput;  // MB/s of output per benchmark, on CPU time

// CPU time of this thread: the machine may be busy with other work.
double CpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + t.tv_nsec / 1e9;
}

void Record(benchmark::State& state, const std::string& name, double startSeconds, std::size_t bytes)
{
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
    gThroughput[name] = bytes / 1e6 / (CpuSeconds() - startSeconds);
}

// Decoding as extraction does it: 2,048-byte input blocks, the 32 KiB window, CRC-32.
void BM_SetupInflate(benchmark::State& state)
{
    const auto& streams = Streams();
    std::size_t bytes = 0;
    const double start = CpuSeconds();
    for (auto _ : state) {
        for (const Stream& s : streams) {
            vg::MemorySource source(s.Compressed.data(), s.Compressed.size());
            NullSink sink;
            vg::BitReader bits(source, s.Compressed.size(), nullptr);
            vg::OutputWindow out(sink, s.Size);
            if (vg::Inflate(bits, out) != vg::DecodeStatus::Ok || out.Crc() != s.Crc)
                state.SkipWithError("decoding failed");
            bytes += s.Size;
        }
    }
    Record(state, "setup", start, bytes);
}

void ZlibInflate(benchmark::State& state, bool withCrc, const char* name)
{
    const auto& streams = Streams();
    std::vector<std::uint8_t> window(32768);
    std::size_t bytes = 0;
    const double start = CpuSeconds();
    for (auto _ : state) {
        for (const Stream& s : streams) {
            z_stream z{};
            inflateInit2(&z, -15);
            z.next_in = const_cast<Bytef*>(s.Compressed.data());
            z.avail_in = static_cast<uInt>(s.Compressed.size());
            uLong crc = crc32(0, nullptr, 0);
            int status = Z_OK;
            while (status == Z_OK) {
                z.next_out = window.data();
                z.avail_out = static_cast<uInt>(window.size());
                status = inflate(&z, Z_NO_FLUSH);
                if (withCrc)
                    crc = crc32(crc, window.data(), static_cast<uInt>(window.size() - z.avail_out));
            }
            if (status != Z_STREAM_END || (withCrc && crc != s.Crc))
                state.SkipWithError("zlib failed");
            inflateEnd(&z);
            bytes += s.Size;
        }
    }
    Record(state, name, start, bytes);
}

void BM_ZlibInflate(benchmark::State& state)
{
    ZlibInflate(state, false, "zlib");
}

void BM_ZlibInflateWithCrc(benchmark::State& state)
{
    ZlibInflate(state, true, "zlib+crc");
}

BENCHMARK(BM_SetupInflate)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_ZlibInflate)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_ZlibInflateWithCrc)->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    Streams();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (gThroughput.count("setup") && gThroughput.count("zlib") && gThroughput.count("zlib+crc")) {
        std::printf("deflate decoding, MB/s of output: setup %.0f, zlib %.0f, zlib with CRC-32 %.0f\n",
                    gThroughput["setup"], gThroughput["zlib"], gThroughput["zlib+crc"]);
        std::printf("ratio setup/zlib: %.2f (with CRC-32 on both sides: %.2f)\n",
                    gThroughput["setup"] / gThroughput["zlib"], gThroughput["setup"] / gThroughput["zlib+crc"]);
    }
    return 0;
}
