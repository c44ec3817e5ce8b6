#pragma once

#include <ftw.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace murkwell::test {

// A fresh folder under the system temp folder, removed with everything in it (read-only sub-folders
// included) when the test ends.
class TempFolder {
public:
    TempFolder() {
        const char* base = std::getenv("TMPDIR");
        std::string pattern = std::string(base && base[0] ? base : "/tmp") + "/murkwell-test-XXXXXX";
        if (::mkdtemp(pattern.data())) path_ = pattern;
    }
    ~TempFolder() {
        if (path_.empty()) return;
        // Tests make folders read-only; they must be writable again before their contents can go.
        ::nftw(path_.c_str(), MakeWritable, 16, FTW_PHYS);
        ::nftw(path_.c_str(), Remove, 16, FTW_DEPTH | FTW_PHYS);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    bool Ok() const { return !path_.empty(); }
    // The folder, without a trailing "/".
    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

private:
    static int MakeWritable(const char* path, const struct stat* st, int, FTW*) {
        if (S_ISDIR(st->st_mode)) ::chmod(path, 0755);
        return 0;
    }
    static int Remove(const char* path, const struct stat*, int type, FTW*) {
        if (type == FTW_DP) {
            ::rmdir(path);
        } else {
            ::unlink(path);
        }
        return 0;
    }
    std::string path_;
};

// Works in another folder for the life of the object, for tests of relative paths.
class ScopedWorkingFolder {
public:
    explicit ScopedWorkingFolder(const std::string& folder) {
        char* here = ::getcwd(nullptr, 0);
        if (here) old_ = here;
        ::free(here);
        ok_ = !old_.empty() && ::chdir(folder.c_str()) == 0;
    }
    ~ScopedWorkingFolder() {
        if (ok_ && ::chdir(old_.c_str()) != 0) std::abort();
    }
    ScopedWorkingFolder(const ScopedWorkingFolder&) = delete;
    ScopedWorkingFolder& operator=(const ScopedWorkingFolder&) = delete;
    bool Ok() const { return ok_; }

private:
    std::string old_;
    bool ok_ = false;
};

// Plain stream reads and writes, independent of the file layer under test. ReadText gives "" for a
// missing file.
inline std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

}  // namespace murkwell::test
