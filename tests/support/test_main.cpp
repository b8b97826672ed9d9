#include <gtest/gtest.h>

// Every test executable shares this entry point, so each one runs its tests in one Wine
// process start.
int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
