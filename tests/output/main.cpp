#include "testMain.h"
#include "tst_output.h"

#include <QTemporaryDir>

int main(int argc, char *argv[])
{
    // Every printer this run looks up is on its own print server, never on the machine's.
    QTemporaryDir printServer;
    TestPrintServer::useDirectory(printServer.path());
    return runTests<TestListExport, TestExportCommand, TestListingLayout, TestPrintFileList, TestPrintServer>(argc, argv);
}
