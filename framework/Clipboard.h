// The system clipboard.
#pragma once
#include <string_view>

#include "framework/Wnd.h"

// Replaces the clipboard's content by text as plain text (CF_TEXT: the bytes
// and one NUL). If the clipboard cannot be opened it is left as it was; if the
// memory cannot be had it is left empty. Reports nothing.
void CopyTextToClipboard(CWnd& owner, std::string_view text);
