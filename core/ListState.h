// The list being built: output, template, options, file count and the parts
// of the last file processed, with the operations of a drop and of Clear.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "core/ExpandTemplate.h"
#include "core/FileNameParts.h"
#include "core/LeadBytes.h"
#include "core/Types.h"

struct ListState {
    std::string m_strOutput;
    std::string m_strFormat = "%f\\r\\n";
    BOOL m_bUnixSlashes = FALSE;
    BOOL m_bAlwaysOnTop = TRUE;
    int32_t m_nFileCount = 0;
    FileNameParts m_file;

    // Empties the output and restarts the count; template and options stay.
    void Clear();

    // One drop: reads the template once, then takes the drop's files in order.
    class Drop {
    public:
        Drop(ListState& list, const LeadBytes& lead);
        // Splits the name, converts its slashes when the option is exactly 1,
        // counts it and appends its expansion to the output.
        void AddFile(std::string_view fullName);

    private:
        ListState& m_list;
        const LeadBytes& m_lead;
        CompiledTemplate m_template;
    };
};
