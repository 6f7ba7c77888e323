// What a C string of a text would hold: the part before its first NUL.
#include "core/Text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(UpToFirstNul, StopsAtTheFirstNul) {
    const struct {
        std::string in, expected;
    } rows[] = {
        {"", ""},
        {"abc", "abc"},
        {std::string("a\0b\0c", 5), "a"},
        {std::string("\0abc", 4), ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.in);
        EXPECT_EQ(UpToFirstNul(row.in), row.expected);
    }
}

}  // namespace
