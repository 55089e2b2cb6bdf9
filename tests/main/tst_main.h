#pragma once

#include <QObject>

class TestListBuild : public QObject
{
    Q_OBJECT
private slots:
    void workedExample();
    void splitFileName_data();
    void splitFileName();
    void nameColumnCountsCells();
    void emptyDirectory();
    void hugeFilesAndTotals();
    void fileVanishingBetweenPassesIsReported();
    void fileGrowingBetweenPassesKeepsItsColumn();
    void totalBeyond64BitsIsRefused();
};

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startUpState();
    void layoutInTwips();
    void fixedSizeAndCentre();
    void buildsFromPatternBox();
    void builtListStoredInModule1();
    void secondBuildForgetsTheFirst();
    void fileLimit();
    void emptyPattern();
    void unreadableFileEmptiesTheList();
    void oddNamesStillListed();
    void driveChoice();
    void menuShortcutsBeatThePatternBox();
    void versionMessage();
    void secondCopyLeavesSilently();
    void closingRunsNoHandler();
};
