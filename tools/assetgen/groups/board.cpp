// The board under the gems: the cell tiles (plain, the gold armour tile and the frosted silver layer over
// it), the frame round the playing field and its ornaments, the selection cursor, the glows under bonus
// and magic gems and the diagonal-drag mask. Each job is a part in groups/board/.

#include <string>
#include <vector>

#include "tools/assetgen/DataFolder.h"
#include "tools/assetgen/Group.h"
#include "tools/assetgen/Pictures.h"
#include "tools/assetgen/groups/board/parts.h"

namespace assetgen {
namespace {

std::string PathOf(const std::string& name) {
    return "graphics/Board/" + name + ".png";
}

struct Picture {
    std::string path;
    std::function<platform::PixelMap()> draw;
};

std::vector<Picture> Pictures() {
    std::vector<Picture> pictures = {
        {PathOf("EmptyTile"), board::EmptyTile},
        {PathOf("IceTile"), board::GoldTile},
        {PathOf("SnowTile"), board::SilverTile},
        {PathOf("cursor"), board::Cursor},
        {PathOf("BonusHighlight"), board::BonusHighlight},
        {PathOf("MagicHighlight"), board::MagicHighlight},
        {"graphics/diagonalmask.png", board::DiagonalMask},
    };
    for (auto& part : {board::FramePieces(), board::FrameOrnaments()}) {
        for (const board::NamedPicture& picture : part)
            pictures.push_back({PathOf(picture.name), picture.draw});
    }
    return pictures;
}

std::vector<std::string> Required() {
    std::vector<std::string> paths;
    for (const Picture& picture : Pictures()) paths.push_back(picture.path);
    return paths;
}

const GroupRegistration kBoard({
    .name = "board",
    .required = Required(),
    .make =
        [](DataFolder& out) {
            for (const Picture& picture : Pictures()) WritePicture(out, picture.path, picture.draw());
        },
});

}  // namespace
}  // namespace assetgen
