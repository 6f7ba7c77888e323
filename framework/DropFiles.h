// The files of one drop from the shell, in the drop's order.
#pragma once
#include <functional>
#include <string_view>

#include "framework/Types.h"

class CDropFiles {
public:
    virtual ~CDropFiles() = default;

    // Calls fn with each item's full name, in the ANSI code page, at its full
    // length, walking the drop once.
    virtual void ForEachName(const std::function<void(std::string_view)>& fn) const = 0;
};
