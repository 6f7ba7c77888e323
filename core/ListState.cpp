// The list's two operations: Clear, and a drop taking its files one by one.
#include "core/ListState.h"

#include <exception>

void ListState::Clear() {
    m_strOutput.clear();
    m_nFileCount = 0;
}

ListState::Drop::Drop(ListState& list, const LeadBytes& lead)
    : m_list(list), m_lead(lead), m_template(list.m_strFormat) {}

ListState::Drop::~Drop() {
    if (!m_anyFile) return;
    try {
        SplitLastFile();
    } catch (const std::exception&) {
        // Out of memory: empty parts rather than an earlier file's.
        FileNameParts& file = m_list.m_file;
        file.m_szDrive.clear();
        file.m_szDir.clear();
        file.m_szName.clear();
        file.m_szExt.clear();
    }
}

void ListState::Drop::AddFile(std::string_view fullName) {
    FileNameParts& file = m_list.m_file;
    // A check box reads 1 when checked; any other value leaves the slashes.
    const bool convert = m_list.m_bUnixSlashes == 1;
    file.m_szFullName.assign(fullName.data(), fullName.size());
    if (convert) {
        ToUnixSlashes(file.m_szFullName, m_lead);
        m_lastName.assign(fullName.data(), fullName.size());
    }
    m_anyFile = true;
    m_lastConverted = convert;
    // Unsigned arithmetic: past INT32_MAX the count wraps instead of being undefined.
    m_list.m_nFileCount = static_cast<int32_t>(static_cast<uint32_t>(m_list.m_nFileCount) + 1u);
    const FileNameView parts =
        m_template.NeedsParts() ? ViewParts(fullName, convert) : FileNameView{file.m_szFullName, {}, {}, {}, {}};
    m_template.AppendTo(m_list.m_strOutput, parts, m_list.m_nFileCount);
}

// The parts as SplitFullName and ToUnixSlashes would leave them, cut from the
// name as dropped; only a converted directory needs a copy.
FileNameView ListState::Drop::ViewParts(std::string_view fullName, bool converted) {
    const FileNameSplit split = FindSplit(fullName, m_lead);
    FileNameView parts;
    parts.fullName = m_list.m_file.m_szFullName;
    parts.drive = fullName.substr(0, split.driveEnd);
    parts.dir = fullName.substr(split.driveEnd, split.dirEnd - split.driveEnd);
    parts.name = fullName.substr(split.dirEnd, split.nameEnd - split.dirEnd);
    parts.ext = fullName.substr(split.nameEnd);
    if (converted) {
        m_convertedDir.assign(parts.dir.data(), parts.dir.size());
        ToUnixSlashes(m_convertedDir, m_lead);
        parts.dir = m_convertedDir;
    }
    return parts;
}

void ListState::Drop::SplitLastFile() {
    FileNameParts& file = m_list.m_file;
    SplitName(m_lastConverted ? m_lastName : file.m_szFullName, m_lead, file);
    if (m_lastConverted) ToUnixSlashes(file.m_szDir, m_lead);
}
