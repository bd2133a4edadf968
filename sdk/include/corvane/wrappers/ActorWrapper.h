#pragma once

#include "corvane/wrappers/ObjectWrapper.h"
#include "corvane/wrappers/WrapperStructs.h"

class ActorWrapper : public ObjectWrapper {
public:
    explicit ActorWrapper(std::uintptr_t address = 0) : ObjectWrapper(address) {}

    bool IsNull() const { return memory_address == 0; }
    explicit operator bool() const { return !IsNull(); }

    Vector GetLocation() const;
    void SetLocation(Vector location);
    Rotator GetRotation() const;
    void SetRotation(Rotator rotation);
};

class BallWrapper : public ActorWrapper {
public:
    explicit BallWrapper(std::uintptr_t address = 0) : ActorWrapper(address) {}
};

class CarWrapper : public ActorWrapper {
public:
    explicit CarWrapper(std::uintptr_t address = 0) : ActorWrapper(address) {}
};
