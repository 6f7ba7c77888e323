// The files of a shell drop, read from the drop block in one walk.
#pragma once
#include "framework/win32/Win32.h"

#include "framework/DropFiles.h"

class Win32DropFiles : public CDropFiles {
public:
    explicit Win32DropFiles(HDROP hDrop) : m_hDrop(hDrop) {}
    void ForEachName(const std::function<void(std::string_view)>& fn) const override;

private:
    HDROP m_hDrop;
};
