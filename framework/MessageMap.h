// Message maps: static tables that bind window messages and command ids to
// member handlers, searched from the most derived class to its bases.
#pragma once
#include "framework/Types.h"

class CCmdTarget;
class CDropFiles;

enum class MsgKind {
    End,            // closes a table
    Paint,          // void OnPaint()
    QueryDragIcon,  // IconHandle OnQueryDragIcon()
    DropFiles,      // void OnDropFiles(CDropFiles&)
    Command,        // void Handler(): a menu command or a button click with this id
};

struct MessageMapEntry {
    MsgKind kind;
    UINT id;
    void (CCmdTarget::*onVoid)();
    IconHandle (CCmdTarget::*onIcon)();
    void (CCmdTarget::*onDrop)(CDropFiles&);
};

struct MessageMap {
    const MessageMap* base;  // the base class's map, or nullptr
    const MessageMapEntry* entries;
};

// In the class body.
#define DECLARE_MESSAGE_MAP() \
protected:                    \
    const MessageMap* GetMessageMap() const override;

// In the class's source file: BEGIN_MESSAGE_MAP, one ON_... line per entry, END_MESSAGE_MAP.
#define BEGIN_MESSAGE_MAP(theClass, baseClass)            \
    const MessageMap* theClass::GetMessageMap() const {   \
        typedef theClass ThisClass;                       \
        typedef baseClass TheBaseClass;                   \
        static const MessageMapEntry entries[] = {

#define END_MESSAGE_MAP()                                                           \
        {MsgKind::End, 0, nullptr, nullptr, nullptr}};                              \
        static const MessageMap map = {this->TheBaseClass::GetMessageMap(), entries}; \
        return &map;                                                                \
    }

#define AFX_VOID_HANDLER(fn) static_cast<void (CCmdTarget::*)()>(&ThisClass::fn)

#define ON_WM_PAINT() {MsgKind::Paint, 0, AFX_VOID_HANDLER(OnPaint), nullptr, nullptr},
#define ON_WM_QUERYDRAGICON()                  \
    {MsgKind::QueryDragIcon, 0, nullptr,       \
     static_cast<IconHandle (CCmdTarget::*)()>(&ThisClass::OnQueryDragIcon), nullptr},
#define ON_WM_DROPFILES()                                 \
    {MsgKind::DropFiles, 0, nullptr, nullptr,             \
     static_cast<void (CCmdTarget::*)(CDropFiles&)>(&ThisClass::OnDropFiles)},
#define ON_COMMAND(id, fn) {MsgKind::Command, id, AFX_VOID_HANDLER(fn), nullptr, nullptr},
#define ON_BN_CLICKED(id, fn) ON_COMMAND(id, fn)
