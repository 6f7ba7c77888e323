// main() of every end-to-end test program: GoogleTest's flags, then the harness's (Options.h).
#include <gtest/gtest.h>

#include "Options.h"

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    e2e::ParseOptions(&argc, argv);
    return RUN_ALL_TESTS();
}
