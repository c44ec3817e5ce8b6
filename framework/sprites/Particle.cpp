#include "framework/sprites/Particle.h"

#include "framework/core/Globals.h"
#include "framework/sprites/Color.h"
#include "framework/sprites/Degrees.h"
#include "framework/sprites/DrawState.h"
#include "framework/sprites/ParticleGenerator.h"
#include "framework/sprites/ParticleList.h"
#include "framework/sprites/SpriteDrawInline.h"
#include "framework/sprites/Ticks.h"

std::shared_ptr<TParticle> TParticle::CreateSpecial(std::shared_ptr<TGameImage> image, float x, float y,
                                                    float dx, float dy, float ygravity, float fadeMs,
                                                    int lightBlend, int rotate, float rotationSpeed,
                                                    float scale, float scaleSpeed, int lifeMs) {
    auto p = std::make_shared<TParticle>();
    p->SetImage(std::move(image));
    p->SetPosition(x, y);
    p->dx = dx;
    p->dy = dy;
    p->ygravity = ygravity;
    if (lifeMs > 0) p->LifeCounter = Ticks(lifeMs);
    p->FadeLength = static_cast<float>(Ticks(static_cast<int>(fadeMs)));
    p->FadeCounter = p->FadeLength;
    if (p->FadeLength > 0) p->UseAlpha = 1;
    p->DoLightBlend = lightBlend;
    p->DoRotate = rotate;
    p->RotationSpeed = rotationSpeed;
    p->ScaleX = p->ScaleY = scale;
    if (scaleSpeed != 0) {
        p->ScaleXSpeed = p->ScaleYSpeed = scaleSpeed;
        p->DoScale = 1;
    }
    p->active = 1;
    return p;
}

int TParticle::SetDelay(int ms) {
    DelayCounter = Ticks(ms);
    if (DelayCounter > 0) Hidden = 1;
    return 1;
}

std::shared_ptr<TParticlePhase> TParticle::AddPhase(int ms) {
    auto phase = std::make_shared<TParticlePhase>();
    phase->Length = static_cast<float>(Ticks(ms));
    PhaseList.push_back(phase);
    return phase;
}

int TParticle::StartPhases() {
    if (PhaseList.empty()) return 0;
    CurrentPhaseIndex = 0;
    return ApplyPhase(PhaseList.front());
}

int TParticle::ApplyPhase(std::shared_ptr<TParticlePhase> phase) {
    if (!phase) return 0;
    PhaseCounter = 0;
    CurrentPhase = phase;
    const TParticlePhase& p = *phase;
    Hidden = p.Hidden;
    dx = p.dx;
    dy = p.dy;
    if (p.SetCoords == 1) SetPosition(p.SetX, p.SetY);
    xgravity = p.xgravity;
    ygravity = p.ygravity;
    SetFade(p.FadeInMS, p.FadeSustainMS, p.FadeMS, p.Alpha, 1.0f);
    DoRotate = p.DoRotate;
    RotationSpeed = p.RotationSpeed;
    if (p.DoScale) {
        DoScale = 1;
        ScaleXSpeed = ScaleYSpeed = p.ScaleSpeed;
        if (p.Scale != 0) ScaleX = ScaleY = p.Scale;
    } else if (p.DoScale2) {
        DoScale = 1;
        ScaleXSpeed = p.ScaleXSpeed;
        ScaleYSpeed = p.ScaleYSpeed;
        if (p.ScaleX != 0 || p.ScaleY != 0) ScaleX = p.ScaleX, ScaleY = p.ScaleY;
    }
    if (p.Alpha != -1.0f) Alpha = p.Alpha;
    if (p.SetAngle) Rotation = p.Angle;
    return 1;
}

int TParticle::SetColorFade(std::shared_ptr<TColor> colour, float dr, float dg, float db) {
    ColorFade = 1;
    ColorDeltaR = dr;
    ColorDeltaG = dg;
    ColorDeltaB = db;
    Color = std::move(colour);
    if (Color) {
        ColorCurrentR = static_cast<float>(Color->r);
        ColorCurrentG = static_cast<float>(Color->g);
        ColorCurrentB = static_cast<float>(Color->b);
    }
    return 1;
}

int TParticle::SetFade(float inMs, float sustainMs, float outMs, float alpha, float inAlpha) {
    if (inMs > 0) {
        FadeIn = 1.0f;
        UseAlpha = 1;
        Alpha = 0;
    } else {
        FadeIn = 0;
    }
    FadeInLength = static_cast<float>(Ticks(static_cast<int>(inMs)));
    FadeSustainCounter = Ticks(static_cast<int>(sustainMs));
    FadeLength = static_cast<float>(Ticks(static_cast<int>(outMs)));
    if (FadeIn != 0) {
        FadeCounter = 0;
        if (inAlpha != 1.0f) SustainAlpha = InitialAlpha = inAlpha;
    } else {
        FadeCounter = FadeLength;
        UseAlpha = 1;
        if (alpha != -1.0f) InitialAlpha = alpha;
    }
    return 1;
}

int TParticle::ManagePhases() {
    if (!CurrentPhase) return 0;
    PhaseCounter += Delta;
    if (!Reached(PhaseCounter, CurrentPhase->Length)) return 0;
    const std::shared_ptr<TParticlePhase> ended = CurrentPhase;
    if (ended->UserFunction) ended->UserFunction(*this);
    if (CurrentPhaseIndex + 1 >= static_cast<int>(PhaseList.size())) return -1;
    ++CurrentPhaseIndex;
    // The next phase starts its count afresh (ApplyPhase sets it to 0).
    ApplyPhase(PhaseList[CurrentPhaseIndex]);
    return 1;
}

int TParticle::KillPhases() {
    PhaseList.clear();
    CurrentPhase.reset();
    return 1;
}

int TParticle::StopAtDestination() {
    dx = dy = 0;
    xgravity = ygravity = 0;
    const float toX = static_cast<float>(DestX), toY = static_cast<float>(DestY);
    if (Label) MoveLabel(toX - x, toY - y);
    SetPosition(toX, toY);
    return 1;
}

float TParticle::GetFadeRatio() const {
    return FadeInLength > 0 ? static_cast<float>(FadeCounter / FadeInLength) : 1.0f;
}

int TParticle::IsFadingOut() const {
    return (FadeIn == 0 && RunOut(FadeSustainCounter)) ? 1 : 0;
}

void TParticle::EndOfPhase() {
    if (CurrentPhase && CurrentPhase->UserFunction) CurrentPhase->UserFunction(*this);
}

bool TParticle::Arrived() const {
    const bool onX = dx > 0 ? x >= DestX : x <= DestX;
    const bool onY = dy > 0 ? y >= DestY : y <= DestY;
    return onX && onY;
}

inline bool TParticle::Fade() {
    if (FadeIn != 0) {
        FadeCounter += Delta;
        if (Reached(FadeCounter, FadeInLength)) {
            FadeCounter = FadeLength;
            FadeIn = 0;
            Alpha = 1.0f;
        }
    } else if (!RunOut(FadeSustainCounter)) {
        FadeSustainCounter -= Delta;
        if (RunOut(FadeSustainCounter)) FadeCounter = FadeLength;
    } else if (!RunOut(FadeCounter)) {
        FadeCounter -= Delta;
        if (RunOut(FadeCounter)) {
            Alpha = 0;
            if (KillOnFade) {
                EndOfPhase();
                Kill();
                return false;
            }
        }
    }
    return true;
}

inline void TParticle::Spin() {
    // Pieces of one effect turn either way at random, so a branch on the direction would be guessed
    // wrong half the time: both ways are one sum (adding the negated step is the same as subtracting it).
    const bool forwards = DoRotate > 0;
    const float sign = static_cast<float>(2 * forwards - 1);
    Rotation += RotationSpeed * Delta * sign;
    if ((forwards & (Rotation >= 360)) | (!forwards & (Rotation < 0))) {
        Rotation = static_cast<float>(WrapCycle(Rotation, 0, 360));
    }
}

int TParticle::Move() {
    if (DelayCounter > 0) {
        DelayCounter -= Delta;
        if (!RunOut(DelayCounter)) {
            Hidden = 1;
            return 1;
        }
        DelayCounter = 0;
        Hidden = 0;
        if (!PhaseList.empty()) StartPhases();
        if (DelayFinished) DelayFinished(*this);
    }
    if (!PhaseList.empty() && ManagePhases() == -1) {
        Kill();
        return 0;
    }
    if (UserMove) {
        UserMove(*this);
    } else if (UpdateOriginalCoords) {
        MoveOriginalCoords();
    } else {
        TSprite::Move();
    }
    if ((DestinationReached || KillOnDestinationReached == 1) && Arrived()) {
        if (DestinationReached) DestinationReached(*this);
        if (KillOnDestinationReached == 1) {
            Kill();
            return 0;
        }
    }
    if (!NoOutOfBounds && OutOfBounds()) {
        Kill();
        return 0;
    }
    if (!Fade()) return 0;
    if (DoRotate != 0) Spin();
    if (DoScale == 1) {
        ScaleX += ScaleXSpeed * Delta;
        ScaleY += ScaleYSpeed * Delta;
        if (KillOnScaleZero && (ScaleX <= 0 || ScaleY <= 0)) {
            EndOfPhase();
            Kill();
            return 0;
        }
    }
    if (!RunOut(LifeCounter)) {
        LifeCounter -= Delta;
        if (RunOut(LifeCounter)) {
            EndOfPhase();
            Kill();
            return 0;
        }
    }
    if (ColorFade && Color) {
        ColorCurrentR += ColorDeltaR * Delta;
        ColorCurrentG += ColorDeltaG * Delta;
        ColorCurrentB += ColorDeltaB * Delta;
        Color->r = static_cast<int>(ColorCurrentR);
        Color->g = static_cast<int>(ColorCurrentG);
        Color->b = static_cast<int>(ColorCurrentB);
    }
    if (ParticleGenerator) ParticleGenerator->Manage();
    return 1;
}

int TParticle::Draw() {
    if (!active || Hidden) return 0;
    if (!RunOut(FadeCounter)) {
        const float counter = static_cast<float>(FadeCounter);
        if (FadeIn != 0) {
            Alpha = (FadeInLength > 0 ? counter / FadeInLength : 1.0f) * SustainAlpha;
        } else if (FadeLength > 0) {
            Alpha = counter / FadeLength * InitialAlpha;
        }
    }
    TDrawState::Batch batch;
    if (DoLightBlend) TDrawState::SetBlend(platform::BlendMode::Light);
    // The drawing layer has no overlay mode; multiplying is the nearest it offers.
    if (DoOverlayBlend) TDrawState::SetBlend(platform::BlendMode::Shade);
    if (UserDraw) {
        TDrawState::Flush();
        UserDraw(*this);
        TDrawState::Forget();
    } else {
        DrawSprite();
    }
    TDrawState::SetBlend(platform::BlendMode::Alpha);
    return 1;
}

int TParticle::Kill() {
    TSprite::Kill();
    if (UserKill) UserKill(*this);
    active = 0;
    ParticleGenerator.reset();
    std::shared_ptr<TParticle> attached = std::move(AttachedParticle);
    if (attached && KillAttachedParticle == 1) attached->Kill();
    DataObject.reset();
    // Last: leaving the list may let the particle go.
    if (Particles) Particles->Remove(*this);
    return 1;
}
