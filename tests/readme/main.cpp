#include "testMain.h"
#include "tst_readme.h"

int main(int argc, char *argv[])
{
    return runTests<TestReadmeReader, TestReadmeWindow, TestReadmePrint>(argc, argv);
}
