#pragma once
// A view of a host-owned array of game objects. Only the element types the host
// instantiates (CarWrapper) are available.

#include "corvane/wrappers/ObjectWrapper.h"

template <typename T> class ArrayWrapper : public ObjectWrapper {
public:
    explicit ArrayWrapper(std::uintptr_t address = 0) : ObjectWrapper(address) {}

    int Count() const;
    // A null wrapper for an index outside [0, Count()).
    T Get(int index) const;
};

class CarWrapper;
extern template class ArrayWrapper<CarWrapper>;
