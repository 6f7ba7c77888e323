// Builds the command script's content from the chosen folder and the output.
#include "actions/CommandScript.h"

#include "core/FileNameParts.h"
#include "core/Text.h"

std::string ScriptPath(const std::string& folder, char separator) {
    return folder + separator + kScriptName;
}

// Line feeds become CR LF, as a text-mode write on Windows makes them.
static void AppendWithCrLf(std::string& out, std::string_view text) {
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
}

std::string ScriptBytes(const std::string& folder, std::string_view output, const LeadBytes& lead, char separator) {
    // A last component makes the whole folder count as the directory.
    FileNameParts parts;
    parts.m_szFullName = folder + separator + "dummy";
    SplitFullName(parts, lead);

    std::string text;
    if (!parts.m_szDrive.empty()) text += parts.m_szDrive + "\n";
    text += "cd " + parts.m_szDir + "\n";
    text += UpToFirstNul(output);
    text += "\npause\n";

    std::string bytes;
    bytes.reserve(text.size() + 8);
    AppendWithCrLf(bytes, text);
    return bytes;
}
