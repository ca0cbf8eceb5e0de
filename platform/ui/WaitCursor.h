#pragma once
// The wait cursor of a long operation, for the lifetime of the object (nested ones stack).
namespace vd {

class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace vd
