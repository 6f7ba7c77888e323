// The Insert popup's texts. The labels live in the menu resource.
#include "ui/InsertTable.h"

#include "res/resource.h"

const InsertEntry InsertTable[] = {
    {ID_INSERT_FULLNAME, "%f"},
    {ID_INSERT_DRIVE, "%d"},
    {ID_INSERT_PATH, "%p"},
    {ID_INSERT_NAME, "%n"},
    {ID_INSERT_EXT, "%e"},
    {ID_INSERT_COUNT, "%3c"},
    {ID_INSERT_CR, "\\r"},
    {ID_INSERT_LF, "\\n"},
    {ID_INSERT_TAB, "\\t"},
    {ID_INSERT_BACKSLASH, "\\\\"},
    {ID_INSERT_HTML_PICTURES, "<img src=\"%n%e\">"},
    {ID_INSERT_HTML_LINKS, "<a href=\"%n%e\">%n%e</a>"},
    {0, nullptr},
};

const char* FindInsertText(uint32_t id) {
    for (const InsertEntry* e = InsertTable; e->id != 0; ++e)
        if (e->id == id) return e->text;
    return nullptr;
}
