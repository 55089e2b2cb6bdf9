#pragma once

#include "scriptedTest.h"

#include <QObject>

class TestListBuild : public QObject
{
    Q_OBJECT
private slots:
    void lines_data();
    void lines();
    void splitFileName_data();
    void splitFileName();
    void fileGrowingBetweenPassesKeepsItsColumn();
    void totalBeyond64BitsIsRefused();
};

class TestMainWindow : public ScriptedTest
{
    Q_OBJECT
private slots:
    void startUpState();
    void buildsFromPatternBox();
    void builtListStoredInModule1();
    void emptyPattern();
    void oddNamesStillListed();
    void driveChoice();
    void menuShortcutsBeatThePatternBox();
    void secondCopyLeavesSilently();
    void closingRunsNoHandler();
};
