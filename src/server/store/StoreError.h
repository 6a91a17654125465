#pragma once

#include <stdexcept>
#include <string>

namespace collab::store {

// A store operation that failed or was refused; what() is a description fit
// to show the user ("Cannot add the field: the store is full (...)").
class StoreError : public std::runtime_error {
public:
    explicit StoreError(std::string description) : std::runtime_error(std::move(description)) {}
};

} // namespace collab::store
