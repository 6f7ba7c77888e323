// The platform headers for the back end, without the macros that rename the
// framework's own members (MessageBox would become MessageBoxA, and so on).
// Back-end code calls the ANSI functions by their full names.
#pragma once
#include <windows.h>
#include <shellapi.h>

#undef MessageBox
#undef LoadMenu
#undef LoadIcon
#undef GetWindowText
#undef GetWindowTextLength
#undef SetWindowText
