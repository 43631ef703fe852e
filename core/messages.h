#pragma once

// The texts of the keypad's message boxes.
namespace vardel::messages {

inline constexpr const char* kDivideByZero = "SORRY DIVIDE ZERO";
inline constexpr const char* kNegativeRoot = "Error Attempting A Negative Root";
inline constexpr const char* kNegativeRootTitle = "Error";
inline constexpr const char* kSecondPoint = "ILLEGAL KELVOR";
// A keypad result or a keyed number beyond the range of a double.
inline constexpr const char* kOverflow = "SORRY OVERFLOW";
// An empty title leaves the program's title on the box.
inline constexpr const char* kProgramTitle = "";

}  // namespace vardel::messages
