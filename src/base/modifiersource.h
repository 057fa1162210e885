#pragma once

#include <Qt>

// Tells which modifier keys are held while a command starts (Shift and Alt change several
// commands). The program asks the keyboard; tests say what is held.
class ModifierSource
{
public:
    virtual ~ModifierSource() = default;
    virtual Qt::KeyboardModifiers modifiers() const = 0;

    bool shift() const { return modifiers().testFlag(Qt::ShiftModifier); }
    bool alt() const { return modifiers().testFlag(Qt::AltModifier); }
};

// A fixed answer: for tests and for callers that already know the state.
class FixedModifiers : public ModifierSource
{
public:
    explicit FixedModifiers(Qt::KeyboardModifiers held = {}) : m_held(held) {}
    Qt::KeyboardModifiers modifiers() const override { return m_held; }
    void set(Qt::KeyboardModifiers held) { m_held = held; }

private:
    Qt::KeyboardModifiers m_held;
};
