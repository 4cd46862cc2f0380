#include "platform/atomic_file.h"

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vg {

namespace {

bool WriteAll(int fd, std::string_view bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

mode_t NewFileMode(const struct stat* existing)
{
    if (existing) return existing->st_mode & 07777;
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// A temporary name in the target's folder; a short one when the target's own
// name leaves no room for the suffix.
std::string TemporaryNameBeside(const std::string& target)
{
    constexpr std::size_t kMaxName = 255;
    constexpr std::string_view kSuffix = ".tmp-XXXXXX";
    const std::size_t slash = target.rfind('/');
    const std::size_t nameLength = slash == std::string::npos ? target.size() : target.size() - slash - 1;
    if (nameLength + kSuffix.size() <= kMaxName) return target + std::string(kSuffix);
    const std::string folder = FolderOf(target);
    return (folder == "/" ? std::string() : folder) + "/.vg" + std::string(kSuffix);
}

// Devices and pipes are written as they are: renaming a regular file over
// them would silently replace them.
bool WriteInPlace(const std::string& target, std::string_view bytes)
{
    // Non-blocking open, so a pipe without a reader fails instead of hanging.
    int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) return false;
    const int flags = ::fcntl(fd, F_GETFL);
    bool ok = flags >= 0 && ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0 && WriteAll(fd, bytes);
    ok = (::close(fd) == 0) && ok;
    return ok;
}

bool WriteThroughTemporary(const std::string& target, const struct stat* existing, std::string_view bytes)
{
    std::string temp = TemporaryNameBeside(target);
    int fd = ::mkstemp(temp.data());
    if (fd < 0) return false;
    bool ok = WriteAll(fd, bytes) && ::fchmod(fd, NewFileMode(existing)) == 0 && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok) ok = ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) ::unlink(temp.c_str());
    return ok;
}

}  // namespace

bool ResolveWriteTarget(const std::string& path, std::string& target)
{
    constexpr int kMaxLinks = 40;  // as the kernel's own limit
    std::string current = path;
    for (int hop = 0; hop <= kMaxLinks; ++hop) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            target = current;
            return true;
        }
        std::string link(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 4096) + 1, '\0');
        const ssize_t n = ::readlink(current.c_str(), link.data(), link.size());
        if (n < 0 || static_cast<std::size_t>(n) >= link.size()) return false;
        link.resize(static_cast<std::size_t>(n));
        if (link.empty()) return false;
        if (link.front() == '/') {
            current = link;
        } else {
            const std::string folder = FolderOf(current);
            current = (folder == "/" ? std::string() : folder) + "/" + link;
        }
    }
    return false;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes)
{
    std::string target;
    if (path.empty() || !ResolveWriteTarget(path, target)) return false;
    struct stat st {};
    if (::stat(target.c_str(), &st) != 0) {
        if (errno != ENOENT) return false;
        return WriteThroughTemporary(target, nullptr, bytes);
    }
    if (S_ISDIR(st.st_mode)) return false;
    if (!S_ISREG(st.st_mode)) return WriteInPlace(target, bytes);
    return WriteThroughTemporary(target, &st, bytes);
}

ReadFileResult ReadWholeFile(const std::string& path, std::string& bytes, std::size_t maxBytes)
{
    bytes.clear();
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT ? ReadFileResult::NotFound : ReadFileResult::Unreadable;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        ::close(fd);
        return ReadFileResult::Unreadable;
    }
    char buffer[65536];
    ReadFileResult result = ReadFileResult::Ok;
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            result = ReadFileResult::Unreadable;
            break;
        }
        if (n == 0) break;
        if (bytes.size() + static_cast<std::size_t>(n) > maxBytes) {
            result = ReadFileResult::TooLarge;
            break;
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    if (result != ReadFileResult::Ok) bytes.clear();
    return result;
}

}  // namespace vg
