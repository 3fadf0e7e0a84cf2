#pragma once

#include <cstdint>

// The character codes in which keys reach KeyDown handlers: printable keys arrive as
// their own character, the keys below as one control character of this code.
namespace KeyCode {
inline constexpr std::int64_t Home = 1;
inline constexpr std::int64_t Enter = 3;  // the numeric keypad's Enter
inline constexpr std::int64_t End = 4;
inline constexpr std::int64_t Backspace = 8;
inline constexpr std::int64_t Tab = 9;
inline constexpr std::int64_t PageUp = 11;
inline constexpr std::int64_t PageDown = 12;
inline constexpr std::int64_t Return = 13;
// A key that types nothing but is refused: F1, Insert, Pause (KeyMapping.cpp lists them).
inline constexpr std::int64_t RefusedKey = 16;
inline constexpr std::int64_t Escape = 27;
inline constexpr std::int64_t Left = 28;
inline constexpr std::int64_t Right = 29;
inline constexpr std::int64_t Up = 30;
inline constexpr std::int64_t Down = 31;
inline constexpr std::int64_t Delete = 127;  // forward delete
}  // namespace KeyCode
