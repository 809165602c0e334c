#include <gtest/gtest.h>
#include <objbase.h>
#include <windows.h>

int main(int argc, char** argv) {
    // A crash of the test itself must end the run, not wait on a dialog.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    OleInitialize(nullptr);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
