#pragma once
// A console variable. The value is kept as text; the typed getters convert it the way the
// host console does (a text that is not a number reads as 0).

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class CVarWrapper {
public:
    // The old value's text and the variable itself, called after every change.
    using ValueChangedHandler = std::function<void(std::string oldValue, CVarWrapper cvar)>;

    explicit CVarWrapper(std::uintptr_t address = 0) : memory_address(address) {}
    bool IsNull() const { return memory_address == 0; }

    std::string getCVarName() const;
    int getIntValue() const;
    float getFloatValue() const;
    bool getBoolValue() const;
    std::string getStringValue() const;
    std::string getDescription() const;

    // Sets the value (clamped into the registered range) and runs the change handlers.
    void setValue(const std::string& value);
    void setValue(int value);
    void setValue(float value);

    void addOnValueChanged(ValueChangedHandler handler);
    // Keeps *target equal to the variable's value from now on.
    void bindTo(std::shared_ptr<bool> target);
    void bindTo(std::shared_ptr<std::string> target);

private:
    std::uintptr_t memory_address;
};
