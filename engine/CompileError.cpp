#include "engine/CompileError.h"

#include "translation/Translator.h"

namespace engine {

[[noreturn]] void failWith(std::string_view key) {
    throw CompileError(translation::T(key));
}

} // namespace engine
