// The state of the keys the application asks about while the user drags or clicks.
#pragma once

namespace ut {

class KeyCodes {
public:
    virtual ~KeyCodes() = default;
    // The process-wide instance.
    static KeyCodes& getInstance();

    virtual bool isSpaceDown() const;
    virtual bool isShiftDown() const;
    virtual bool isControlDown() const;
    virtual bool isControlOrCommandDown() const; // no Command key here: Control
    virtual bool isAltDown() const;
    virtual bool isAltGrDown() const; // the right Alt or the third level shift
    virtual bool isEscapeDown() const;
};

} // namespace ut
