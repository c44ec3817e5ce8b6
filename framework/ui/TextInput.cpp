#include "framework/ui/TextInput.h"

#include "framework/core/Game.h"
#include "framework/core/GameSound.h"
#include "framework/core/Globals.h"
#include "framework/core/Input.h"
#include "framework/gfx/BitmapFont.h"
#include "framework/sprites/Shadow.h"
#include "framework/ui/KeyFocus.h"
#include "platform/KeyCodes.h"
#include "platform/text/Utf8.h"

namespace {

constexpr char32_t kBackspace = 8, kEnter = 13, kEscape = 27;
constexpr int kCursorFlashMs = 250;

// The capital of a letter of the first Latin-1 half and of its accented letters; anything else as it is.
char32_t UpperCaseOf(char32_t c) {
    if (c >= U'a' && c <= U'z') return c - 32;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
    return c;
}

}  // namespace

bool HasNonSpace(const std::string& text) {
    return text.find_first_not_of(' ') != std::string::npos;
}

int TTextInput::Init(std::shared_ptr<TBitmapFont> imageFont, const std::string& text, float x, float y,
                     std::shared_ptr<TBitmapFont> bitmapFont) {
    Font = std::move(imageFont);
    BitmapFont = std::move(bitmapFont);
    Text = text;
    X = x, Y = y;
    TextCol = TColor{255, 255, 255, 1.0f};
    DotCol = TColor{150, 150, 150, 1.0f};
    CursorCol = TColor{0, 255, 255, 1.0f};
    SetCursorFlashSpeed(kCursorFlashMs);
    return Reset();
}

int TTextInput::Reset() {
    CurrentChar = static_cast<int>(platform::DecodeUtf8(Text).size()) + 1;
    Active = 1;
    Done = 0;
    CursorFlashCounter = 0;
    CursorOn = 1;
    return 1;
}

int TTextInput::SetCursorFlashSpeed(int ms) {
    CursorFlashSpeed = static_cast<float>(Game->CalcAnimLength(ms));
    return 1;
}

int TTextInput::PlayTypingSound() {
    if (!TypingSound) return 0;
    platform::ChannelId channel = 0;
    return TypingSound->PlayInChannel(channel, 0);
}

int TTextInput::MakeCharsFileNameSafe() {
    BannedChars = "\"|*\\/:;~?<>,+=%";
    return 1;
}

int TTextInput::Finish() {
    Active = 0;
    Done = 1;
    Game->BlockKeys = 0;
    FlushKeysAndMouse();
    return 1;
}

const TBitmapFont* TTextInput::Face() const {
    return BitmapFont ? BitmapFont.get() : Font.get();
}

float TTextInput::GetWidth(const std::string& text) const {
    const TBitmapFont* face = Face();
    return face ? static_cast<float>(face->StringWidth(text)) : 0;
}

void TTextInput::Type(char32_t c) {
    if (platform::DecodeUtf8(BannedChars).find(c) != std::u32string::npos) return;
    if (NumbersOnly && (c < U'0' || c > U'9')) return;
    const bool printable = (c >= 32 && c <= 126) || (AllowEuropeanChars && c >= 160 && c <= 255) ||
                           (AllowExtendedChars && c >= 160);
    if (!printable) return;
    std::u32string chars = platform::DecodeUtf8(Text);
    if (static_cast<int>(chars.size()) >= MaxLength) return;
    if (UppercaseFirstCharAsTyped && chars.empty()) c = UpperCaseOf(c);
    chars += c;
    const std::string typed = platform::EncodeUtf8(chars);
    if (MaxPixelWidth > 0 && GetWidth(typed) > static_cast<float>(MaxPixelWidth)) return;
    Text = typed;
    CurrentChar = static_cast<int>(chars.size()) + 1;
    PlayTypingSound();
}

int TTextInput::Manage() {
    if (!Active) return 0;
    KeyFocus.OfferTyping();
    CursorFlashCounter += Delta;
    if (CursorFlashSpeed > 0 && CursorFlashCounter >= CursorFlashSpeed) {
        CursorFlashCounter = 0;
        CursorOn = !CursorOn;
    }
    const char32_t c = GetChar();
    // The keys that act come first, so that none of them can become part of the text.
    switch (c) {
        case 0: return 0;
        case kBackspace: {
            std::u32string chars = platform::DecodeUtf8(Text);
            if (chars.empty()) return 0;
            chars.pop_back();
            Text = platform::EncodeUtf8(chars);
            CurrentChar = static_cast<int>(chars.size()) + 1;
            PlayTypingSound();
            return 0;
        }
        case kEnter:
            // Enter pressed the button in the keyboard's focus instead.
            if (KeyFocus.TookEnter()) return 0;
            if (PlayTypingSoundOnEnter) PlayTypingSound();
            if (AllowNull || HasNonSpace(Text)) {
                Finish();
                return 1;
            }
            FlushKeys();
            return 0;
        case kEscape:
            if (!AllowEscToAbort) return 0;
            if (ClearTextOnEscape) Text.clear();
            Finish();
            return -1;
        default: Type(c); return 0;
    }
}

int TTextInput::Draw() {
    if (!Active && !ForceDraw) return 0;
    TBitmapFont* face = BitmapFont ? BitmapFont.get() : Font.get();
    if (!face) return 0;
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    const float x = X + OffsetX, y = Y + OffsetY;
    const float width = GetWidth(Text);
    if (DrawDots) {
        const int free = MaxLength - static_cast<int>(platform::DecodeUtf8(Text).size());
        if (free > 0) {
            DotCol.Set(graphics);
            face->Draw(std::string(static_cast<size_t>(free), '.'), x + width, y);
        }
    }
    TextCol.Set(graphics);
    face->Draw(Text, x, y, 0, 0, 0, 0, TextShadow ? 1 : 0);
    if (Active && CursorOn && DrawUnderscore) {
        CursorCol.Set(graphics);
        face->Draw("_", x + width, y + static_cast<float>(CursorYOffset));
    }
    graphics.SetColor(255, 255, 255);
    graphics.SetAlpha(1);
    return 1;
}
