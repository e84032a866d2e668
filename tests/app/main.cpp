#include <gtest/gtest.h>

#include "app/assembly/program_application.h"

// The tests run under the program's own application object, so an exception that escapes a
// handler reaches its net and is counted (the tests check that nothing does).
int main(int argc, char** argv) {
    razudar::ProgramApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
