// Basic types shared by the framework layer and the code that uses it.
// Handles are opaque here: only a back end knows what they point to.
#pragma once
#include <cstdint>

#include "core/Types.h"

typedef unsigned int UINT;
using WParam = std::uintptr_t;  // a command's id and notification code
using LParam = std::intptr_t;   // a command's control, 0 for a menu command
using IconHandle = void*;
using WindowHandle = void*;

struct CRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

// The framework's standard Help command (F1).
constexpr UINT ID_HELP = 57670;
// The dialog manager's commands for Enter (OK) and Escape (cancel).
constexpr UINT kIdOk = 1;
constexpr UINT kIdCancel = 2;
