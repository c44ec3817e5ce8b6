#include "platform/files/Files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>

#include "platform/text/Utf8.h"

namespace platform::files {
namespace {

// Takes errno before building the message: the allocations may change it.
std::string Reason(const std::string& what, const std::string& path) {
    const int err = errno;
    return what + " " + path + ": " + std::strerror(err);
}

// Lower-cases ASCII letters only, so names in other scripts compare as they are.
std::string AsciiLower(std::string s) {
    for (char& c : s) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return s;
}

bool WriteAllToFd(int fd, const uint8_t* data, size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsUtf8(std::span<const uint8_t> bytes) {
    size_t i = 0;
    while (i < bytes.size()) {
        const uint8_t c = bytes[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        int extra;
        uint32_t least;
        if ((c & 0xE0) == 0xC0) {
            extra = 1, least = 0x80;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2, least = 0x800;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3, least = 0x10000;
        } else {
            return false;
        }
        if (i + extra >= bytes.size()) return false;
        uint32_t cp = c & (0x3F >> extra);
        for (int k = 1; k <= extra; ++k) {
            const uint8_t b = bytes[i + k];
            if ((b & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (b & 0x3F);
        }
        if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += 1 + extra;
    }
    return true;
}

// Creates a new temporary file beside the target. The process id keeps other processes' names apart and
// the counter keeps this process's threads apart; a name left by a crashed process that had the same id
// is stepped over.
int CreateTempFor(const std::string& path, std::string& temp) {
    static std::atomic<unsigned> counter{0};
    for (;;) {
        temp = path + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
}

}  // namespace

bool Exists(const std::string& path) {
    struct stat st;
    return !path.empty() && ::stat(path.c_str(), &st) == 0;
}

bool IsFolder(const std::string& path) {
    struct stat st;
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool IsFile(const std::string& path) {
    struct stat st;
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool CreateFolders(const std::string& path, std::string& error) {
    if (path.empty()) {
        error = "Cannot create a folder with an empty name";
        return false;
    }
    std::string partial;
    size_t pos = 0;
    while (pos != std::string::npos) {
        pos = path.find('/', pos + 1);
        partial = path.substr(0, pos);
        if (partial.empty() || IsFolder(partial)) continue;
        if (::mkdir(partial.c_str(), 0755) != 0 && errno != EEXIST) {
            error = Reason("Cannot create folder", partial);
            return false;
        }
    }
    if (!IsFolder(path)) {
        error = "Cannot create folder " + path + ": a file of that name is in the way";
        return false;
    }
    return true;
}

bool Delete(const std::string& path, std::string& error) {
    if (::unlink(path.c_str()) == 0 || errno == ENOENT) return true;
    error = Reason("Cannot delete", path);
    return false;
}

bool Copy(const std::string& from, const std::string& to, std::string& error) {
    std::vector<uint8_t> bytes;
    return ReadAll(from, bytes, error) && WriteAtomic(to, bytes, error);
}

bool Rename(const std::string& from, const std::string& to, std::string& error) {
    if (::rename(from.c_str(), to.c_str()) != 0) {
        error = Reason("Cannot rename " + from + " to", to);
        return false;
    }
    SyncFolder(FolderOf(to));
    if (FolderOf(from) != FolderOf(to)) SyncFolder(FolderOf(from));
    return true;
}

bool ReadAll(const std::string& path, std::vector<uint8_t>& out, std::string& error) {
    out.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = Reason("Cannot open", path);
        return false;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        error = "Cannot read " + path + ": not a file";
        ::close(fd);
        return false;
    }
    out.reserve(static_cast<size_t>(st.st_size));
    uint8_t buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            error = Reason("Cannot read", path);
            ::close(fd);
            out.clear();
            return false;
        }
        if (n == 0) break;
        out.insert(out.end(), buffer, buffer + n);
    }
    ::close(fd);
    return true;
}

bool WriteAtomic(const std::string& path, std::span<const uint8_t> bytes, std::string& error) {
    std::string temp;
    const int fd = CreateTempFor(path, temp);
    if (fd < 0) {
        error = Reason("Cannot write", path);
        return false;
    }
    const bool written = WriteAllToFd(fd, bytes.data(), bytes.size()) && ::fsync(fd) == 0;
    const int savedErrno = errno;
    ::close(fd);
    if (!written) {
        ::unlink(temp.c_str());
        errno = savedErrno;
        error = Reason("Cannot write", path);
        return false;
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        error = Reason("Cannot write", path);
        ::unlink(temp.c_str());
        return false;
    }
    SyncFolder(FolderOf(path));
    return true;
}

bool WriteAtomic(const std::string& path, const std::string& text, std::string& error) {
    return WriteAtomic(path, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()), error);
}

bool Append(const std::string& path, const std::string& text, std::string& error) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) {
        error = Reason("Cannot append to", path);
        return false;
    }
    const bool ok = WriteAllToFd(fd, reinterpret_cast<const uint8_t*>(text.data()), text.size());
    if (!ok) error = Reason("Cannot append to", path);
    ::close(fd);
    return ok;
}

bool ListFolder(const std::string& path, std::vector<std::string>& names, std::string& error) {
    names.clear();
    DIR* dir = ::opendir(path.empty() ? "." : path.c_str());
    if (!dir) {
        error = Reason("Cannot list folder", path);
        return false;
    }
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const std::string la = AsciiLower(a), lb = AsciiLower(b);
        return la != lb ? la < lb : a < b;
    });
    return true;
}

std::string Resolve(const std::string& path) {
    if (path.empty() || Exists(path)) return path;
    const bool absolute = path[0] == '/';
    std::string resolved = absolute ? "/" : "";
    size_t start = absolute ? 1 : 0;
    while (start <= path.size()) {
        size_t end = path.find('/', start);
        if (end == std::string::npos) end = path.size();
        const std::string part = path.substr(start, end - start);
        if (!part.empty()) {
            std::string candidate = resolved + part;
            if (!Exists(candidate) && part != "." && part != "..") {
                std::vector<std::string> names;
                std::string ignored;
                if (!ListFolder(resolved.empty() ? "." : resolved, names, ignored)) return path;
                const std::string wanted = AsciiLower(part);
                const auto found = std::find_if(names.begin(), names.end(), [&](const std::string& n) {
                    return AsciiLower(n) == wanted;
                });
                if (found == names.end()) return path;
                candidate = resolved + *found;
            }
            resolved = candidate;
            if (end < path.size()) resolved += "/";
        }
        start = end + 1;
    }
    return resolved;
}

std::string DecodeText(std::span<const uint8_t> bytes) {
    size_t start = 0;
    if (bytes.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) start = 3;
    const auto body = bytes.subspan(start);

    if (IsUtf8(body)) return std::string(body.begin(), body.end());

    // Otherwise Windows-1252, the encoding of older text files.
    static const char32_t kHigh[32] = {0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                       0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
                                       0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                       0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};
    std::string out;
    out.reserve(body.size() + body.size() / 4);
    for (const uint8_t c : body) out += EncodeUtf8((c >= 0x80 && c < 0xA0) ? kHigh[c - 0x80] : char32_t{c});
    return out;
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

bool ReadLines(const std::string& path, std::vector<std::string>& lines, std::string& error) {
    std::vector<uint8_t> bytes;
    if (!ReadAll(path, bytes, error)) return false;
    lines = SplitLines(DecodeText(bytes));
    return true;
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? "" : path.substr(0, slash + 1);
}

std::string FileNameOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string StemOf(const std::string& path) {
    const std::string name = FileNameOf(path);
    const size_t dot = name.rfind('.');
    return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

std::string ExtensionOf(const std::string& path) {
    const std::string name = FileNameOf(path);
    const size_t dot = name.rfind('.');
    return dot == std::string::npos || dot == 0 ? "" : name.substr(dot);
}

std::string Join(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    std::string trimmed = name;
    while (!trimmed.empty() && trimmed[0] == '/') trimmed.erase(0, 1);
    return folder.back() == '/' ? folder + trimmed : folder + "/" + trimmed;
}

}  // namespace platform::files
