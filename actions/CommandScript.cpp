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

// cmd parses a script's lines: in "cd \a^b\" the caret escapes the b and
// the commands would run in \ab\; "&", "|", "<", ">" split the line and "%"
// expands variables. A directory holding any of them is quoted, its "%"
// doubled, so that cd goes to the chosen folder and nowhere else. Other
// directories are written as they are. Trail bytes of double-byte
// characters are part of their character, not syntax.
static std::string CdArgument(const std::string& dir, const LeadBytes& lead) {
    std::string quoted = "\"";
    bool parsed = false;
    for (size_t i = 0; i < dir.size(); ++i) {
        const char c = dir[i];
        quoted += c;
        if (lead.IsLead(static_cast<unsigned char>(c)) && i + 1 < dir.size()) {
            quoted += dir[++i];
        } else if (c == '%') {
            quoted += '%';
            parsed = true;
        } else if (c == '^' || c == '&' || c == '|' || c == '<' || c == '>') {
            parsed = true;
        }
    }
    return parsed ? quoted + "\"" : dir;
}

std::string ScriptBytes(const std::string& folder, std::string_view output, const LeadBytes& lead, char separator) {
    // A last component makes the whole folder count as the directory.
    FileNameParts parts;
    parts.m_szFullName = folder + separator + "dummy";
    SplitFullName(parts, lead);

    std::string text;
    if (!parts.m_szDrive.empty()) text += parts.m_szDrive + "\n";
    text += "cd " + CdArgument(parts.m_szDir, lead) + "\n";
    text += UpToFirstNul(output);
    text += "\npause\n";

    std::string bytes;
    bytes.reserve(text.size() + 8);
    AppendWithCrLf(bytes, text);
    return bytes;
}
