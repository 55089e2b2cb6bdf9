#include "testMain.h"
#include "tst_export.h"

int main(int argc, char *argv[])
{
    return runTests<TestListExport, TestExportCommand>(argc, argv);
}
