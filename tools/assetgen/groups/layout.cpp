// The data folder's sub-folders. They exist even while empty: the game lists "branding/" at start-up, and
// the loaders expect every folder of their path table.

#include "tools/assetgen/DataFolder.h"
#include "tools/assetgen/Group.h"

namespace assetgen {
namespace {

const char* const kFolders[] = {"graphics/", "sound/",  "music/", "speech/",  "menus/",
                                "text/",     "levels/", "fonts/", "branding/"};

const GroupRegistration kLayout({
    .name = "layout",
    .required = {std::begin(kFolders), std::end(kFolders)},
    .make =
        [](DataFolder& out) {
            for (const char* folder : kFolders) out.MakeFolder(folder);
        },
});

}  // namespace
}  // namespace assetgen
