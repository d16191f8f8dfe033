// Runs the Windows tests; with "--helper" it plays a helper role for a test instead (helper_process.h).
#include <gtest/gtest.h>

#include "tests/app/helper_process.h"

int main(int argc, char** argv)
{
    int helperResult = 0;
    if (RunAsHelper(&helperResult)) return helperResult;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
