// Test fixtures shared by the end-to-end tests.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "Files.h"
#include "Options.h"
#include "TarnixProcess.h"

namespace e2e {

// Starts the program under test (--tarnix=) before each test; it ends with the test.
class TarnixTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(TarnixExe().empty()) << "run with --tarnix=PROGRAM";
        ASSERT_TRUE(m_tarnix.Start(TarnixExe()));
    }

    TarnixProcess m_tarnix;
};

// Why the small drive T: that a full-disk test fills is not there (run-under-wine.sh maps a
// 64 KiB tmpfs as T: when given TARNIX_E2E_TMPFS_DRIVE=T), or nullopt when it is.
inline std::optional<std::string> MissingSmallDrive()
{
    if (PathExists("T:\\"))
        return std::nullopt;
    const char* why = std::getenv("TARNIX_E2E_TMPFS_ERROR");
    return std::string("no small drive T: to fill (") +
           (why ? why : "TARNIX_E2E_TMPFS_DRIVE=T not given to run-under-wine.sh") + ")";
}

} // namespace e2e
