#pragma once

#include <functional>

namespace gif {

// Receives the finished fraction (0 to 1) of a long conversion or encoding; may be empty.
using TProgressProc = std::function<void(float fraction)>;

inline void reportProgress(const TProgressProc& progress, float fraction) {
    if (progress)
        progress(fraction);
}

} // namespace gif
