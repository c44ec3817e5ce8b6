#pragma once

// Windows virtual-key codes: the framework keeps its key state indexed by these, whatever the platform.
namespace platform::vk {

constexpr int kBackspace = 8;
constexpr int kTab = 9;
constexpr int kEnter = 13;
constexpr int kShift = 16;
constexpr int kControl = 17;
constexpr int kAlt = 18;
constexpr int kPauseBreak = 19;
constexpr int kCapsLock = 20;
constexpr int kEscape = 27;
constexpr int kSpace = 32;
constexpr int kPageUp = 33;
constexpr int kPageDown = 34;
constexpr int kEnd = 35;
constexpr int kHome = 36;
constexpr int kLeft = 37;
constexpr int kUp = 38;
constexpr int kRight = 39;
constexpr int kDown = 40;
constexpr int kPrintScreen = 44;
constexpr int kInsert = 45;
constexpr int kDelete = 46;
constexpr int k0 = 48;  // digits 48 … 57
constexpr int kA = 65;  // letters 65 … 90
constexpr int kLeftWindows = 91;
constexpr int kRightWindows = 92;
constexpr int kMenu = 93;
constexpr int kNumpad0 = 96;  // 96 … 105
constexpr int kMultiply = 106;
constexpr int kAdd = 107;
constexpr int kSubtract = 109;
constexpr int kDecimal = 110;
constexpr int kDivide = 111;
constexpr int kF1 = 112;  // F1 … F12: 112 … 123
constexpr int kF12 = 123;
constexpr int kNumLock = 144;
constexpr int kScrollLock = 145;
constexpr int kLeftShift = 160;
constexpr int kRightShift = 161;
constexpr int kLeftControl = 162;
constexpr int kRightControl = 163;
constexpr int kLeftAlt = 164;
constexpr int kRightAlt = 165;
constexpr int kSemicolon = 186;
constexpr int kPlus = 187;  // the "=" / "+" key
constexpr int kComma = 188;
constexpr int kMinus = 189;
constexpr int kPeriod = 190;
constexpr int kSlash = 191;
constexpr int kBackquote = 192;
constexpr int kOpenBracket = 219;
constexpr int kBackslash = 220;
constexpr int kCloseBracket = 221;
constexpr int kQuote = 222;
// A game controller's shoulder buttons, under the codes Windows gives them.
constexpr int kGamepadRightShoulder = 199;
constexpr int kGamepadLeftShoulder = 200;

}  // namespace platform::vk
