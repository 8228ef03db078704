#pragma once

#include <stdexcept>
#include <string_view>

namespace engine {

// Ends a compilation; the message is the translated text the user sees.
class CompileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Throws CompileError with the translation of `key`.
[[noreturn]] void failWith(std::string_view key);

} // namespace engine
