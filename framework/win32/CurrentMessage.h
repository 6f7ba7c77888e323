// The message being dispatched, so that a handler's Default() can pass it on.
#pragma once
#include "framework/win32/Win32.h"

struct CurrentMessage {
    HWND hwnd;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;

    // Makes this the current message for its lifetime (nesting restores the outer one).
    CurrentMessage(HWND h, UINT m, WPARAM w, LPARAM l) : hwnd(h), msg(m), wParam(w), lParam(l), m_outer(s_current) {
        s_current = this;
    }
    ~CurrentMessage() { s_current = m_outer; }
    CurrentMessage(const CurrentMessage&) = delete;
    CurrentMessage& operator=(const CurrentMessage&) = delete;

    static const CurrentMessage* Get() { return s_current; }

private:
    const CurrentMessage* m_outer;
    static inline const CurrentMessage* s_current = nullptr;
};
