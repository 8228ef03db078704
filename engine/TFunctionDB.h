#pragma once

#include "engine/TFunction.h"

#include <memory>
#include <vector>

namespace engine {

// The ordered store of compiled functions; positions count from 0.
class TFunctionDB {
public:
    // Appends a new, not yet compiled function and returns its position.
    int Add();
    // The function at `index`; an index outside the store throws std::out_of_range.
    TFunction& Items(int index);
    // Removes the entry at `index`; the entries after it move down by one. A function that a
    // derivative operation still differentiates stays alive for that operation.
    void Delete(int index);
    void Clear();
    int count() const { return static_cast<int>(items_.size()); }

private:
    friend class Compiler;
    int append(std::shared_ptr<TFunction> function);
    void checkPosition(int index) const;

    std::vector<std::shared_ptr<TFunction>> items_;
};

// The process-wide function store.
TFunctionDB& FunctionDB();

} // namespace engine
