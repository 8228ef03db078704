#pragma once

#include <stdexcept>

namespace gif {

// A picture that cannot be written as a GIF file; nothing is written when it is raised.
class EGifException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace gif
