#pragma once
// The Qt key and modifiers of an accelerator-table entry, for tests that press the keys as a
// user does.
#include "platform/ui/MenuTemplate.h"

#include <Qt>

namespace testkeys {

inline Qt::Key qtKey(int virtualKey)
{
    using namespace vd::ui;
    switch (virtualKey) {
    case VK_DOWN: return Qt::Key_Down;
    case VK_UP: return Qt::Key_Up;
    case VK_LEFT: return Qt::Key_Left;
    case VK_RIGHT: return Qt::Key_Right;
    case VK_NEXT: return Qt::Key_PageDown;
    case VK_PRIOR: return Qt::Key_PageUp;
    case VK_INSERT: return Qt::Key_Insert;
    default:
        if (virtualKey >= VK_F1 && virtualKey < VK_F1 + 12)
            return static_cast<Qt::Key>(Qt::Key_F1 + (virtualKey - VK_F1));
        return static_cast<Qt::Key>(virtualKey); // letters
    }
}

inline Qt::KeyboardModifiers qtModifiers(unsigned flags)
{
    Qt::KeyboardModifiers m;
    if (flags & vd::ui::FCONTROL)
        m |= Qt::ControlModifier;
    if (flags & vd::ui::FSHIFT)
        m |= Qt::ShiftModifier;
    return m;
}

} // namespace testkeys
