#include "testMain.h"
#include "tst_platform.h"

int main(int argc, char *argv[])
{
    return runTests<TestCp932, TestPaths, TestFormat, TestFileSystem, TestControls>(argc, argv);
}
