// The root of every class with a message map: finds and runs handlers.
#pragma once
#include "framework/MessageMap.h"

class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;

    // Runs the handler this object's map (or a base's) binds to command id.
    // Returns false when no map has the id. Handler exceptions pass through.
    bool OnCmdMsg(UINT id);

    // The first entry of kind (and id, for commands) in the map chain, or nullptr.
    const MessageMapEntry* FindEntry(MsgKind kind, UINT id = 0) const;

protected:
    virtual const MessageMap* GetMessageMap() const;
};
