#pragma once

#include "base/modifiersource.h"

#include <QGuiApplication>

// The modifier keys held on the keyboard right now.
class KeyboardModifiers : public ModifierSource
{
public:
    Qt::KeyboardModifiers modifiers() const override
    {
        return QGuiApplication::queryKeyboardModifiers();
    }
};
