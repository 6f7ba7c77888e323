// Drops fuzzed names through a fuzzed template and checks what must hold for
// any input: the parts spell the full name, the count rises by one per file,
// each file appends what ExpandTemplate gives for its separately split parts,
// and the last file's parts are left behind when the drop ends.
//
// Input: byte 0 picks the code page and the option, byte 1 the starting
// count, and the rest is the template followed by the names, separated by
// 0xFF bytes (neither a lead byte nor special anywhere, so reserving it loses
// nothing).
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/ListState.h"

namespace {

// Not assert(): the sanitize build defines NDEBUG.
#define FUZZ_CHECK(condition)                                                                  \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                      \
        }                                                                                      \
    } while (0)

std::vector<std::string_view> SplitOnFF(std::string_view text) {
    std::vector<std::string_view> fields;
    for (size_t start = 0;;) {
        const size_t end = text.find('\xFF', start);
        fields.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos) return fields;
        start = end + 1;
    }
}

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// The parts a drop must show for name: split, then converted when the
// option is exactly 1.
FileNameParts ExpectedParts(std::string_view name, const LeadBytes& lead, BOOL unixSlashes) {
    FileNameParts parts;
    parts.m_szFullName = std::string(name);
    SplitFullName(parts, lead);
    FUZZ_CHECK(parts.m_szDrive + parts.m_szDir + parts.m_szName + parts.m_szExt == name);
    FUZZ_CHECK(parts.m_szDrive.empty() || parts.m_szDrive.size() == 2);
    FUZZ_CHECK(parts.m_szDir.empty() || IsSeparator(parts.m_szDir.back()));
    FUZZ_CHECK(parts.m_szExt.empty() || parts.m_szExt[0] == '.');
    if (unixSlashes == 1) {
        ToUnixSlashes(parts.m_szFullName, lead);
        ToUnixSlashes(parts.m_szDir, lead);
        FUZZ_CHECK(parts.m_szFullName.size() == name.size());
        if (!lead.Any()) FUZZ_CHECK(parts.m_szFullName.find('\\') == std::string::npos);
    }
    return parts;
}

void CheckSameParts(const FileNameParts& a, const FileNameParts& b) {
    FUZZ_CHECK(a.m_szFullName == b.m_szFullName);
    FUZZ_CHECK(a.m_szDrive == b.m_szDrive);
    FUZZ_CHECK(a.m_szDir == b.m_szDir);
    FUZZ_CHECK(a.m_szName == b.m_szName);
    FUZZ_CHECK(a.m_szExt == b.m_szExt);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    static const LeadBytes kCp932 = LeadBytes::FromRanges({{0x81, 0x9F}, {0xE0, 0xFC}});
    static const LeadBytes kNone;
    static const BOOL kSlashOptions[] = {0, 1, 2, -1};
    static const int32_t kStartCounts[] = {0, INT32_MAX - 1, -5, INT32_MIN};

    const LeadBytes& lead = (data[0] & 1) ? kCp932 : kNone;
    const std::vector<std::string_view> fields =
        SplitOnFF(std::string_view(reinterpret_cast<const char*>(data) + 2, size - 2));

    ListState list;
    list.m_bUnixSlashes = kSlashOptions[(data[0] >> 1) & 3];
    list.m_nFileCount = kStartCounts[data[1] & 3];
    list.m_strFormat = std::string(fields[0]);
    FileNameParts last;
    {
        ListState::Drop drop(list, lead);
        for (size_t i = 1; i < fields.size(); ++i) {
            last = ExpectedParts(fields[i], lead, list.m_bUnixSlashes);
            const int32_t countBefore = list.m_nFileCount;
            const size_t outputBefore = list.m_strOutput.size();
            drop.AddFile(fields[i]);
            FUZZ_CHECK(list.m_nFileCount == static_cast<int32_t>(static_cast<uint32_t>(countBefore) + 1u));

            std::string expected;
            ExpandTemplate(list.m_strFormat, last, list.m_nFileCount, expected);
            FUZZ_CHECK(list.m_strOutput.compare(outputBefore, std::string::npos, expected) == 0);
        }
    }
    if (fields.size() > 1) CheckSameParts(list.m_file, last);
    return 0;
}
