// The template language: backslash escapes and % placeholders that turn one
// file's name parts and count into text.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/FileNameParts.h"

// The largest zero-padding width of %c; a larger width counts as this one.
constexpr int kMaxCountWidth = 999;

// The five texts a template can show, without copies of them: views of a
// FileNameParts, or of the name being dropped.
struct FileNameView {
    std::string_view fullName, drive, dir, name, ext;
};

FileNameView ViewOf(const FileNameParts& parts);

// A template parsed once, to be expanded for many files (a drop reads the
// template once and expands it for each of its files).
class CompiledTemplate {
public:
    explicit CompiledTemplate(std::string_view format);

    // True when the template refers to the drive, directory, name or extension,
    // so a caller can skip splitting names that the template never shows.
    bool NeedsParts() const { return m_needsParts; }

    // Appends the expansion for one file to out; out is not cleared.
    void AppendTo(std::string& out, const FileNameParts& parts, int32_t count) const;
    void AppendTo(std::string& out, const FileNameView& parts, int32_t count) const;

private:
    // Parts covers the parts `first` to `last` in the order drive, directory,
    // name, extension: "%d%p" and "%n%e" become one step, and one copy
    // where the parts lie side by side in the name.
    enum class Op : uint8_t { Literal, FullName, Parts, Count };
    struct Step {
        Op op;
        uint32_t offset;  // Literal: start in m_literals; Count: the width; Parts: first
        uint32_t length;  // Literal: byte count; Parts: last
    };

    void AddLiteral(const char* bytes, size_t count);
    void AddField(char field, uint32_t width);

    std::vector<Step> m_steps;
    std::string m_literals;
    bool m_needsParts = false;
    bool m_hasCount = false;
};

// Sets out to the expansion of format for one file.
void ExpandTemplate(std::string_view format, const FileNameParts& parts, int32_t count, std::string& out);
