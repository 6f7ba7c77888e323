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
    // The parts in m_file are the last file's once the Drop is gone; while it
    // lives, the expansion reads them straight from each name, and only
    // m_szFullName is kept up to date.
    class Drop {
    public:
        Drop(ListState& list, const LeadBytes& lead);
        ~Drop();
        Drop(const Drop&) = delete;
        Drop& operator=(const Drop&) = delete;

        // Converts the name's slashes when the option is exactly 1, counts it
        // and appends its expansion to the output.
        void AddFile(std::string_view fullName);

    private:
        FileNameView ViewParts(std::string_view fullName, bool converted);
        void SplitLastFile();

        ListState& m_list;
        LeadBytes m_lead;  // a copy, so a temporary set cannot dangle
        CompiledTemplate m_template;
        bool m_anyFile = false;
        bool m_lastConverted = false;  // then m_lastName holds the name as dropped
        std::string m_lastName;
        std::string m_convertedDir;
    };
};
