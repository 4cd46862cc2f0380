#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <vector>

namespace vg {

// Where compressed bytes come from: an archive file, or memory in tests and
// benchmarks. Read returns fewer bytes than asked only at the end or on an error.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual std::size_t Read(std::uint8_t* data, std::size_t size) = 0;
};

// Where decoded bytes go. Write returns false on a short write or an I/O error.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    virtual bool Write(const std::uint8_t* data, std::size_t size) = 0;
};

class MemorySource : public ByteSource {
public:
    MemorySource(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::size_t Read(std::uint8_t* data, std::size_t size) override;

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

class VectorSink : public ByteSink {
public:
    bool Write(const std::uint8_t* data, std::size_t size) override;
    std::vector<std::uint8_t> Bytes;
};

// Reads an open file from its current position.
class FileSource : public ByteSource {
public:
    explicit FileSource(std::FILE* file) : file_(file) {}
    std::size_t Read(std::uint8_t* data, std::size_t size) override;

private:
    std::FILE* file_;
};

class FileSink : public ByteSink {
public:
    explicit FileSink(std::FILE* file) : file_(file) {}
    bool Write(const std::uint8_t* data, std::size_t size) override;

private:
    std::FILE* file_;
};

// An owned stdio file, closed on destruction.
class FileHandle {
public:
    FileHandle() = default;
    FileHandle(const std::filesystem::path& path, const char* mode);
    explicit FileHandle(std::FILE* file) : file_(file) {}
    ~FileHandle();
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    FileHandle(FileHandle&& other) noexcept : file_(other.Release()) {}
    FileHandle& operator=(FileHandle&& other) noexcept
    {
        if (this != &other) {
            Close();
            file_ = other.Release();
        }
        return *this;
    }

    std::FILE* get() const { return file_; }
    explicit operator bool() const { return file_ != nullptr; }
    bool Close();  // false when the final flush fails
    std::FILE* Release()
    {
        std::FILE* file = file_;
        file_ = nullptr;
        return file;
    }
    bool Seek(std::uint64_t offset);
    bool ReadExactly(std::uint8_t* data, std::size_t size);
    std::uint64_t Size();

private:
    std::FILE* file_ = nullptr;
};

}  // namespace vg
