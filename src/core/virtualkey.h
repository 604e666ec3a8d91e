#pragma once

// The virtual-key codes the flash window's key handler works with: letters and digits are their
// capital ASCII codes, the keypad digits 96..105.
namespace VirtualKey {

inline constexpr int None = 0;
inline constexpr int Shift = 16;
inline constexpr int Control = 17;
inline constexpr int Alt = 18;
inline constexpr int Escape = 27;
inline constexpr int Space = 32;
inline constexpr int PageUp = 33;
inline constexpr int PageDown = 34;
inline constexpr int Home = 36;
inline constexpr int Left = 37;
inline constexpr int Right = 39;
inline constexpr int Digit0 = 48;
inline constexpr int A = 65;
inline constexpr int D = 68;
inline constexpr int E = 69;
inline constexpr int H = 72;
inline constexpr int I = 73;
inline constexpr int Numpad0 = 96;
inline constexpr int Numpad4 = 100;
inline constexpr int Numpad5 = 101;
inline constexpr int Numpad8 = 104;
inline constexpr int Numpad9 = 105;

} // namespace VirtualKey
