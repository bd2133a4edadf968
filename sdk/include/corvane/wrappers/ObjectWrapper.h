#pragma once
// Every game-object wrapper is a small value holding the address of a host object.
// Address 0 means "no object": a wrapper is then null and its getters return defaults.

#include <cstdint>

class ObjectWrapper {
public:
    explicit ObjectWrapper(std::uintptr_t address = 0) : memory_address(address) {}
    std::uintptr_t GetAddress() const { return memory_address; }

protected:
    std::uintptr_t memory_address;
};
