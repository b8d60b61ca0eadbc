#pragma once
// The toggle states of the Insert, Caps Lock and Num Lock keys, shown in the status bar.
namespace wertan {

class KeyboardToggles {
public:
    virtual ~KeyboardToggles() = default;
    virtual bool insertOn() const = 0;
    virtual bool capsLockOn() const = 0;
    virtual bool numLockOn() const = 0;
    // The Insert key was pressed: its toggle state flips.
    virtual void insertPressed() = 0;
};

// Fixed states for tests.
class ScriptedKeyboardToggles : public KeyboardToggles {
public:
    bool insert = true;
    bool caps = false;
    bool num = false;
    bool insertOn() const override { return insert; }
    bool capsLockOn() const override { return caps; }
    bool numLockOn() const override { return num; }
    void insertPressed() override { insert = !insert; }
};

} // namespace wertan
