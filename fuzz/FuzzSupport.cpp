#include "fuzz/FuzzSupport.h"

#include <cstdio>

#include "platform/files/Files.h"

namespace fuzz {

void SeedEmptyCorpus(int argc, char** argv, const Seeds& seeds) {
    namespace files = platform::files;
    for (int i = 1; i < argc; ++i) {
        const std::string folder = argv[i];
        std::vector<std::string> names;
        std::string error;
        if (folder.starts_with("-") || !files::IsFolder(folder) || !files::ListFolder(folder, names, error) ||
            !names.empty()) {
            continue;
        }
        for (const auto& [name, bytes] : seeds) {
            if (!files::WriteAtomic(files::Join(folder, name), bytes, error))
                std::fprintf(stderr, "%s\n", error.c_str());
        }
    }
}

}  // namespace fuzz
