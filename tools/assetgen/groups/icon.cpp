// The window icon. Bold shapes and a dark outline so it still reads at 32x32 and on light or dark title
// bars.

#include "tools/assetgen/DataFolder.h"
#include "tools/assetgen/Group.h"
#include "tools/assetgen/Icon.h"
#include "platform/codecs/ImageCodec.h"

namespace assetgen {
namespace {

const GroupRegistration kIcon({
    .name = "icon",
    .required = {"icon.png"},
    .make = [](DataFolder& out) { out.Write("icon.png", platform::EncodePng(DrawIcon(64), 9, true)); },
});

}  // namespace
}  // namespace assetgen
