#include "testMain.h"
#include "tst_drill.h"

int main(int argc, char *argv[])
{
    return runTests<TestDrill>(argc, argv);
}
