// What each entry of the "Insert special..." popup puts into the template.
#pragma once
#include <cstdint>

struct InsertEntry {
    uint32_t id;       // the menu command; 0 ends the table
    const char* text;  // the escape or placeholder, as the user would type it
};

extern const InsertEntry InsertTable[];

// The text for a command id, or nullptr when the id is not an Insert command.
const char* FindInsertText(uint32_t id);
