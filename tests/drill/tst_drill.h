#pragma once

#include "scriptedTest.h"

#include <QObject>

// The whole program, offscreen, put through the faults a desktop can throw at it: it must keep
// running, lose nothing, and say only what it has to say.
class TestDrill : public ScriptedTest
{
    Q_OBJECT
private slots:
    void directoryDisappearsWhileShown();
    void fileChangesBetweenPasses_data();
    void fileChangesBetweenPasses();
    void exportFaultKeepsEarlierFile_data();
    void exportFaultKeepsEarlierFile();
    void hostileReadmeData_data();
    void hostileReadmeData();
    void fullDirectoryOfLongNames();
};
