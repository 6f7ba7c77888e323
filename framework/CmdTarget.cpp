// Message map search shared by the application and its windows.
#include "framework/CmdTarget.h"

const MessageMap* CCmdTarget::GetMessageMap() const {
    static const MessageMapEntry entries[] = {{MsgKind::End, 0, nullptr, nullptr, nullptr}};
    static const MessageMap map = {nullptr, entries};
    return &map;
}

const MessageMapEntry* CCmdTarget::FindEntry(MsgKind kind, UINT id) const {
    for (const MessageMap* map = GetMessageMap(); map; map = map->base)
        for (const MessageMapEntry* e = map->entries; e->kind != MsgKind::End; ++e)
            if (e->kind == kind && e->id == id) return e;
    return nullptr;
}

bool CCmdTarget::OnCmdMsg(UINT id) {
    const MessageMapEntry* entry = FindEntry(MsgKind::Command, id);
    if (!entry) return false;
    (this->*entry->onVoid)();
    return true;
}
