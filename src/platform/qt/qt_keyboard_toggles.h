#pragma once
#include "platform/keyboard_toggles.h"

namespace wertan {

// Reads Caps Lock and Num Lock from the X server's keyboard state when the program runs on X11
// (the library is loaded at run time, so the build needs no X11 headers); elsewhere they read off.
// The Insert toggle is kept here, flipped by every Insert key press the program sees.
class QtKeyboardToggles : public KeyboardToggles {
public:
    QtKeyboardToggles();
    bool insertOn() const override { return insert_; }
    bool capsLockOn() const override;
    bool numLockOn() const override;
    void insertPressed() override { insert_ = !insert_; }

private:
    unsigned lockedModifiers() const;
    bool insert_ = true;
};

} // namespace wertan
