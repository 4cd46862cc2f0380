#include "setup/byte_io.h"

#include <algorithm>
#include <cstring>

namespace vg {

std::size_t MemorySource::Read(std::uint8_t* data, std::size_t size)
{
    const std::size_t n = std::min(size, size_ - position_);
    if (n > 0)
        std::memcpy(data, data_ + position_, n);
    position_ += n;
    return n;
}

bool VectorSink::Write(const std::uint8_t* data, std::size_t size)
{
    Bytes.insert(Bytes.end(), data, data + size);
    return true;
}

std::size_t FileSource::Read(std::uint8_t* data, std::size_t size)
{
    return std::fread(data, 1, size, file_);
}

bool FileSink::Write(const std::uint8_t* data, std::size_t size)
{
    return std::fwrite(data, 1, size, file_) == size;
}

FileHandle::FileHandle(const std::filesystem::path& path, const char* mode)
    : file_(std::fopen(path.c_str(), mode))
{
}

FileHandle::~FileHandle()
{
    Close();
}

bool FileHandle::Close()
{
    if (file_ == nullptr)
        return true;
    const bool ok = std::fclose(file_) == 0;
    file_ = nullptr;
    return ok;
}

bool FileHandle::Seek(std::uint64_t offset)
{
    return offset <= static_cast<std::uint64_t>(INT64_MAX) &&
           fseeko(file_, static_cast<off_t>(offset), SEEK_SET) == 0;
}

bool FileHandle::ReadExactly(std::uint8_t* data, std::size_t size)
{
    return std::fread(data, 1, size, file_) == size;
}

std::uint64_t FileHandle::Size()
{
    if (fseeko(file_, 0, SEEK_END) != 0)
        return 0;
    const off_t size = ftello(file_);
    return size < 0 ? 0 : static_cast<std::uint64_t>(size);
}

}  // namespace vg
