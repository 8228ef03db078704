#pragma once

namespace plotter {

inline constexpr const char* ProductName = "Quorra";
inline constexpr const char* ProductVersion = "3.1";
inline constexpr const char* NoticeLine = "Quorra is free software for learning and teaching mathematics.";

} // namespace plotter
