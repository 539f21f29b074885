// The GUI tests run on Qt's offscreen platform, inside the framework's real runtime.
#include <gtest/gtest.h>

#include <cstdlib>

#include "framework/Application.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    testing::InitGoogleTest(&argc, argv);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    framework::Runtime runtime(argc, argv, "Predivo");
    return RUN_ALL_TESTS();
}
