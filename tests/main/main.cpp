#include "testMain.h"
#include "tst_main.h"

int main(int argc, char *argv[])
{
    return runTests<TestListBuild, TestMainWindow>(argc, argv);
}
