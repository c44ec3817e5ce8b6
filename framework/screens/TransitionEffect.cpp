#include "framework/screens/TransitionEffect.h"

#include "framework/core/Game.h"
#include "framework/core/Globals.h"

std::shared_ptr<TTransitionEffect> TTransitionEffect::Create(int type, int ms) {
    auto effect = std::make_shared<TTransitionEffect>();
    effect->EffectType = type;
    effect->Length = static_cast<int>(Game->CalcAnimLength(ms));
    return effect;
}

std::shared_ptr<TTransitionEffect> TTransitionEffect::CreateCopy() const {
    auto copy = std::make_shared<TTransitionEffect>();
    copy->EffectType = EffectType;
    copy->Length = Length;
    copy->ScrollSpeedX = ScrollSpeedX;
    copy->ScrollSpeedY = ScrollSpeedY;
    copy->MaskImage = MaskImage;
    copy->MaskStartSize = MaskStartSize;
    copy->MaskEndSize = MaskEndSize;
    return copy;
}
