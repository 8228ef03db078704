#pragma once

namespace regshell {

inline constexpr const char* ProductName = "Tessaly";
inline constexpr const char* ProductVersion = "3.1";

} // namespace regshell
