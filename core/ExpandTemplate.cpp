// Reads a template into steps once, then expands the steps for each file.
#include "core/ExpandTemplate.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace {

// One unit of the template: one or two literal bytes, or a field with the
// width read before it. `end` is the index just after the unit.
struct Piece {
    char bytes[2] = {};
    uint8_t byteCount = 0;
    char field = 0;  // c, d, e, f, n or p; 0 for literal bytes
    uint32_t width = 0;
    size_t end = 0;
};

Piece Literal(size_t end, char a) {
    Piece p;
    p.bytes[0] = a;
    p.byteCount = 1;
    p.end = end;
    return p;
}

Piece Literal(size_t end, char a, char b) {
    Piece p = Literal(end, a);
    p.bytes[1] = b;
    p.byteCount = 2;
    return p;
}

Piece Field(size_t end, char field, uint32_t width) {
    Piece p;
    p.field = field;
    p.width = width;
    p.end = end;
    return p;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsField(char c) {
    return c == 'c' || c == 'd' || c == 'e' || c == 'f' || c == 'n' || c == 'p';
}

// format[i] is '\'.
Piece ReadEscape(std::string_view format, size_t i) {
    if (i + 1 == format.size()) return Literal(i + 1, '\\');
    const char x = format[i + 1];
    switch (x) {
    case '\\': return Literal(i + 2, '\\');
    case 'n': return Literal(i + 2, '\n');
    case 'r': return Literal(i + 2, '\r');
    case 't': return Literal(i + 2, '\t');
    default: return Literal(i + 2, '\\', x);
    }
}

// format[i] is '%'. The width saturates, so any run of digits is harmless.
Piece ReadPlaceholder(std::string_view format, size_t i) {
    uint32_t width = 0;
    size_t j = i + 1;
    for (; j < format.size() && IsDigit(format[j]); ++j)
        width = std::min<uint32_t>(width * 10 + static_cast<uint32_t>(format[j] - '0'), kMaxCountWidth);
    if (j == format.size()) return Literal(j, '%');
    const char conversion = format[j];
    if (conversion == '%') return Literal(j + 1, '%');
    if (IsField(conversion)) return Field(j + 1, conversion, width);
    return Literal(j + 1, '%', conversion);
}

Piece ReadPiece(std::string_view format, size_t i) {
    const char c = format[i];
    if (c == '\\') return ReadEscape(format, i);
    if (c == '%') return ReadPlaceholder(format, i);
    return Literal(i + 1, c);
}

// The count in decimal, sign included, right-aligned in a small buffer;
// empty when the template shows no count.
struct CountText {
    char bytes[11];
    size_t first = sizeof bytes;

    CountText() = default;
    explicit CountText(int32_t count) {
        const bool negative = count < 0;
        uint32_t magnitude = negative ? 0u - static_cast<uint32_t>(count) : static_cast<uint32_t>(count);
        do {
            bytes[--first] = static_cast<char>('0' + magnitude % 10);
            magnitude /= 10;
        } while (magnitude != 0);
        if (negative) bytes[--first] = '-';
    }
    size_t Length() const { return sizeof bytes - first; }
    size_t PaddedLength(uint32_t width) const { return std::max<size_t>(Length(), width); }
};

// Most pieces are a few bytes: two overlapping fixed-size copies cost less
// than a call to memcpy. An empty piece touches nothing, not even its
// (possibly null) data pointer.
inline char* Put(char* at, std::string_view bytes) {
    const char* from = bytes.data();
    const size_t n = bytes.size();
    if (n > 16) {
        std::memcpy(at, from, n);
    } else if (n >= 8) {
        std::memcpy(at, from, 8);
        std::memcpy(at + n - 8, from + n - 8, 8);
    } else if (n >= 4) {
        std::memcpy(at, from, 4);
        std::memcpy(at + n - 4, from + n - 4, 4);
    } else if (n > 0) {
        at[0] = from[0];
        at[n / 2] = from[n / 2];
        at[n - 1] = from[n - 1];
    }
    return at + n;
}

// printf("%0*d", width, count): the zeros go after the sign.
char* PutCount(char* at, const CountText& text, uint32_t width) {
    std::string_view digits(text.bytes + text.first, text.Length());
    if (digits[0] == '-') {
        *at++ = '-';
        digits.remove_prefix(1);
    }
    const size_t zeros = text.PaddedLength(width) - text.Length();
    std::memset(at, '0', zeros);
    // At most 10 digits: a plain copy (Put's long-piece branch cannot apply).
    std::memcpy(at + zeros, digits.data(), digits.size());
    return at + zeros + digits.size();
}

// The parts in the order of a full name, so that neighbours can merge.
constexpr std::string_view FileNameView::*kParts[] = {&FileNameView::drive, &FileNameView::dir,
                                                      &FileNameView::name, &FileNameView::ext};

size_t PartsLength(const FileNameView& parts, uint32_t first, uint32_t last) {
    size_t length = 0;
    for (uint32_t i = first; i <= last; ++i) length += (parts.*kParts[i]).size();
    return length;
}

// True when each part ends where the next begins: views of one name.
bool SideBySide(const FileNameView& parts, uint32_t first, uint32_t last) {
    for (uint32_t i = first; i < last; ++i) {
        const std::string_view a = parts.*kParts[i];
        if (a.data() + a.size() != (parts.*kParts[i + 1]).data()) return false;
    }
    return true;
}

char* PutParts(char* at, const FileNameView& parts, uint32_t first, uint32_t last) {
    if (SideBySide(parts, first, last))
        return Put(at, std::string_view((parts.*kParts[first]).data(), PartsLength(parts, first, last)));
    for (uint32_t i = first; i <= last; ++i) at = Put(at, parts.*kParts[i]);
    return at;
}

uint32_t PartIndex(char field) {
    switch (field) {
    case 'd': return 0;
    case 'p': return 1;
    case 'n': return 2;
    default: return 3;
    }
}

}  // namespace

CompiledTemplate::CompiledTemplate(std::string_view format) {
    for (size_t i = 0; i < format.size();) {
        const Piece piece = ReadPiece(format, i);
        if (piece.field != 0)
            AddField(piece.field, piece.width);
        else
            AddLiteral(piece.bytes, piece.byteCount);
        i = piece.end;
    }
}

// Neighbouring literals are contiguous in m_literals, so they merge.
void CompiledTemplate::AddLiteral(const char* bytes, size_t count) {
    if (m_steps.empty() || m_steps.back().op != Op::Literal)
        m_steps.push_back({Op::Literal, static_cast<uint32_t>(m_literals.size()), 0});
    m_steps.back().length += static_cast<uint32_t>(count);
    m_literals.append(bytes, count);
}

void CompiledTemplate::AddField(char field, uint32_t width) {
    if (field == 'c') {
        m_steps.push_back({Op::Count, width, 0});
        m_hasCount = true;
    } else if (field == 'f') {
        m_steps.push_back({Op::FullName, 0, 0});
    } else {
        const uint32_t part = PartIndex(field);
        if (!m_steps.empty() && m_steps.back().op == Op::Parts && m_steps.back().length + 1 == part)
            m_steps.back().length = part;
        else
            m_steps.push_back({Op::Parts, part, part});
        m_needsParts = true;
    }
}

FileNameView ViewOf(const FileNameParts& parts) {
    return {parts.m_szFullName, parts.m_szDrive, parts.m_szDir, parts.m_szName, parts.m_szExt};
}

void CompiledTemplate::AppendTo(std::string& out, const FileNameParts& parts, int32_t count) const {
    AppendTo(out, ViewOf(parts), count);
}

// Measures first, then grows the output once and copies into it: one
// growth per file instead of one per step.
void CompiledTemplate::AppendTo(std::string& out, const FileNameView& parts, int32_t count) const {
    const CountText countText = m_hasCount ? CountText(count) : CountText();
    auto lengthOf = [&](const Step& step) -> size_t {
        switch (step.op) {
        case Op::Literal: return step.length;
        case Op::FullName: return parts.fullName.size();
        case Op::Parts: return PartsLength(parts, step.offset, step.length);
        default: return countText.PaddedLength(step.offset);
        }
    };
    auto put = [&](char* at, const Step& step) -> char* {
        switch (step.op) {
        case Op::Literal: return Put(at, std::string_view(m_literals).substr(step.offset, step.length));
        case Op::FullName: return Put(at, parts.fullName);
        case Op::Parts: return PutParts(at, parts, step.offset, step.length);
        default: return PutCount(at, countText, step.offset);
        }
    };
    size_t length = 0;
    for (const Step& step : m_steps) length += lengthOf(step);
    const size_t start = out.size();
    out.resize(start + length);
    char* at = &out[start];
    for (const Step& step : m_steps) at = put(at, step);
}

void ExpandTemplate(std::string_view format, const FileNameParts& parts, int32_t count, std::string& out) {
    out.clear();
    CompiledTemplate(format).AppendTo(out, parts, count);
}
