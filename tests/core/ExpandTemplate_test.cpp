// The template language: escapes, placeholders, widths of the count, and
// templates that are malformed but must still expand.
#include "core/ExpandTemplate.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>

namespace {

FileNameParts PartsOf(const std::string& fullName) {
    FileNameParts parts;
    parts.m_szFullName = fullName;
    SplitFullName(parts, LeadBytes{});
    return parts;
}

std::string Expand(const std::string& format, int32_t count) {
    std::string out;
    ExpandTemplate(format, PartsOf(R"(C:\Photos\cat.jpg)"), count, out);
    return out;
}

struct Row {
    std::string format, expected;
};

void ExpectRows(const Row* first, const Row* last) {
    for (const Row* row = first; row != last; ++row) {
        SCOPED_TRACE("template: " + row->format);
        EXPECT_EQ(Expand(row->format, 7), row->expected);
    }
}

TEST(ExpandTemplate, WorkedExample) {
    const Row rows[] = {
        {R"(%f\r\n)", "C:\\Photos\\cat.jpg\r\n"},
        {R"(copy %f d:\backup\\\r\n)", "copy C:\\Photos\\cat.jpg d:\\backup\\\r\n"},
        {R"(%3c: %n%e\t%d%p)", "007: cat.jpg\tC:\\Photos\\"},
        {R"(<img src="%n%e">)", R"(<img src="cat.jpg">)"},
        {"100%%", "100%"},
        {"50%", "50%"},
        {R"(a\qb)", R"(a\qb)"},
        {"%c", "7"},
        {"%1c", "7"},
        {"%04c", "0007"},
    };
    ExpectRows(std::begin(rows), std::end(rows));
}

TEST(ExpandTemplate, EscapesAndPlaceholders) {
    const Row rows[] = {
        {"", ""},
        {R"(\\)", R"(\)"},
        {R"(\n\r\t)", "\n\r\t"},
        {R"(\N\R\T)", R"(\N\R\T)"},
        {R"(\%c)", R"(\%c)"},
        {R"(abc\)", R"(abc\)"},
        {R"(abc\\)", R"(abc\)"},
        {R"(\\\)", R"(\\)"},
        {"%d|%p|%n|%e|%f", R"(C:|\Photos\|cat|.jpg|C:\Photos\cat.jpg)"},
        {"%d%p%n%e", R"(C:\Photos\cat.jpg)"},
        {"%e%n%d", ".jpgcatC:"},
        {"%p%p", R"(\Photos\\Photos\)"},
        {"%C%F%D%N%E%P", "%C%F%D%N%E%P"},
        // The width only means something to %c.
        {"%5d", "C:"},
        {"%12x", "%x"},
        {"%12%", "%"},
        {"%%c", "%c"},
        {"%%%", "%%"},
        {"%-3c", "%-3c"},
        {"%0c", "7"},
    };
    ExpectRows(std::begin(rows), std::end(rows));
}

TEST(ExpandTemplate, MalformedTemplates) {
    const std::string thousandNines(1000, '9');
    const Row rows[] = {
        {"%", "%"},
        {"ab%", "ab%"},
        {"ab%12", "ab%"},
        {"%" + thousandNines, "%"},
        {"%" + thousandNines + "d", "C:"},
        {"%" + thousandNines + "q", "%q"},
        {"%" + std::string(1000, '0') + "c", "7"},
        // Bytes above 0x7F are literals, and after '%' an unknown conversion.
        {"\xE9\x81\xFF", "\xE9\x81\xFF"},
        {"%\xE9", "%\xE9"},
        {"%3\xE9", "%\xE9"},
        {"\\\xE9", "\\\xE9"},
        // The template is read byte by byte: a trail byte 0x5C still opens an escape.
        {"\x95\\n", "\x95\n"},
        // A NUL is a literal byte like any other.
        {std::string("a\0%c", 4), std::string("a\0" "7", 3)},
        {std::string("%\0", 2), std::string("%\0", 2)},
        {std::string("\\\0", 2), std::string("\\\0", 2)},
        {std::string("%4\0x", 4), std::string("%\0x", 3)},
    };
    ExpectRows(std::begin(rows), std::end(rows));
}

TEST(ExpandTemplate, CountWidths) {
    const struct {
        std::string format;
        int32_t count;
        std::string expected;
    } rows[] = {
        {"%c", 0, "0"},
        {"%3c", 1234, "1234"},
        {"%c", -3, "-3"},
        {"%2c", -3, "-3"},
        {"%5c", -3, "-0003"},
        {"%c", INT32_MIN, "-2147483648"},
        {"%12c", INT32_MAX, "002147483647"},
        {"%999c", 1, std::string(998, '0') + "1"},
        {"%1000c", 1, std::string(998, '0') + "1"},
        {"%99999999999c", 1, std::string(998, '0') + "1"},
        {"%" + std::string(1000, '9') + "c", -1, "-" + std::string(997, '0') + "1"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE("template: " + row.format + ", count " + std::to_string(row.count));
        EXPECT_EQ(Expand(row.format, row.count), row.expected);
    }
}

TEST(ExpandTemplate, ReplacesWhatOutHeld) {
    std::string out = "left over";
    ExpandTemplate("%n", PartsOf("x.y"), 1, out);
    EXPECT_EQ(out, "x");
}

TEST(CompiledTemplate, AppendsForEachFile) {
    const CompiledTemplate compiled(R"(%2c %n\r\n)");
    std::string out = "typed\r\n";
    compiled.AppendTo(out, PartsOf(R"(C:\a.txt)"), 1);
    compiled.AppendTo(out, PartsOf(R"(C:\b.txt)"), 2);
    EXPECT_EQ(out, "typed\r\n01 a\r\n02 b\r\n");
}

TEST(CompiledTemplate, NeedsPartsOnlyForDriveDirectoryNameOrExtension) {
    const struct {
        std::string format;
        bool needsParts;
    } rows[] = {
        {R"(%f\r\n)", false}, {"%5c", false}, {"%%d", false}, {R"(\%p)", false},
        {"", false},          {"%d", true},   {"%p", true},   {"%n", true},
        {"%3e", true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE("template: " + row.format);
        EXPECT_EQ(CompiledTemplate(row.format).NeedsParts(), row.needsParts);
    }
}

}  // namespace
