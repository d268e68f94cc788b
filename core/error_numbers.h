#pragma once
// The classic run-time error numbers, kept in one place so every layer raises
// the same number for the same kind of failure.

namespace rallix::ErrorNumber {

inline constexpr int Overflow = 6;
inline constexpr int OutOfMemory = 7;
inline constexpr int SubscriptOutOfRange = 9;
inline constexpr int TypeMismatch = 13;
// A file handle used after it was closed.
inline constexpr int BadFileNameOrNumber = 52;
inline constexpr int FileNotFound = 53;
inline constexpr int InputPastEndOfFile = 62;
inline constexpr int PathFileAccessError = 75;
// Anything thrown that is not a run-time error: a fault of ours.
inline constexpr int InternalError = 51;
inline constexpr int ObjectNotSet = 91;
inline constexpr int InvalidPicture = 481;
// Failures of the display, sound or device services carry this number with
// SDL's own message as the description.
inline constexpr int PlatformServiceFailed = 5;

}  // namespace rallix::ErrorNumber
