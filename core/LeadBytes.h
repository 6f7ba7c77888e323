// Which bytes open a double-byte character in the ANSI code page in use.
// The platform fills it (on Windows from the system code page); an empty set
// means a single-byte code page or UTF-8, where no byte of a character can be
// mistaken for a separator or a dot.
#pragma once
#include <array>
#include <initializer_list>
#include <utility>

class LeadBytes {
public:
    LeadBytes() = default;

    // Builds the set from a predicate called once for every byte value.
    template <class IsLead>
    static LeadBytes FromPredicate(IsLead isLead) {
        LeadBytes set;
        for (int b = 0; b < 256; ++b)
            if (isLead(static_cast<unsigned char>(b))) set.Add(static_cast<unsigned char>(b));
        return set;
    }

    // Builds the set from inclusive byte ranges, e.g. {{0x81, 0x9F}, {0xE0, 0xFC}} for code page 932.
    static LeadBytes FromRanges(std::initializer_list<std::pair<unsigned char, unsigned char>> ranges) {
        LeadBytes set;
        for (auto [lo, hi] : ranges)
            for (int b = lo; b <= hi; ++b) set.Add(static_cast<unsigned char>(b));
        return set;
    }

    bool IsLead(unsigned char b) const { return m_table[b]; }
    bool Any() const { return m_any; }
    // True when some byte below 0x80 opens a character: then even a text of
    // plain ASCII bytes has to be read character by character.
    bool AnyAscii() const { return m_anyAscii; }

private:
    void Add(unsigned char b) {
        m_table[b] = true;
        m_any = true;
        if (b < 0x80) m_anyAscii = true;
    }

    std::array<bool, 256> m_table{};
    bool m_any = false;
    bool m_anyAscii = false;
};
