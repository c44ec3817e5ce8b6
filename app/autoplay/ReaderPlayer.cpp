#include "app/autoplay/ReaderPlayer.h"

#include "app/autoplay/Hand.h"
#include "framework/core/Globals.h"
#include "framework/gfx/GameImage.h"
#include "game/screens/DynamicTip.h"
#include "game/screens/Tutorial.h"

namespace {

// The tip box's close cross, from its top-right corner.
constexpr float kCrossFromRight = 40, kCrossFromTop = 32;

}  // namespace

bool TReaderPlayer::ReadTips(THand& hand) {
    const auto tip = Tutorial.ClosableTip();
    if (!tip || !hand.Idle()) {
        if (!tip) tipWaited_ = 0;
        return false;
    }
    // It is read once it stands in full.
    if (tip->_fadeIn == 0) tipWaited_ += Delta;
    if (tipWaited_ < static_cast<float>(readTicks_)) return true;
    tipWaited_ = 0;
    const float right = tip->Left() + static_cast<float>(tip->_image->w);
    hand.PressWidget(tip, right - kCrossFromRight, tip->Top() + kCrossFromTop);
    hand.Tick();
    return true;
}
