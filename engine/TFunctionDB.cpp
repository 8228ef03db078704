#include "engine/TFunctionDB.h"

#include <stdexcept>

namespace engine {

int TFunctionDB::append(std::shared_ptr<TFunction> function) {
    items_.push_back(std::move(function));
    return count() - 1;
}

int TFunctionDB::Add() {
    return append(std::make_shared<TFunction>());
}

void TFunctionDB::checkPosition(int index) const {
    if (index < 0 || index >= count())
        throw std::out_of_range("function store position " + std::to_string(index));
}

TFunction& TFunctionDB::Items(int index) {
    checkPosition(index);
    return *items_[static_cast<std::size_t>(index)];
}

void TFunctionDB::Delete(int index) {
    checkPosition(index);
    items_.erase(items_.begin() + index);
}

void TFunctionDB::Clear() {
    items_.clear();
}

TFunctionDB& FunctionDB() {
    static TFunctionDB store;
    return store;
}

} // namespace engine
