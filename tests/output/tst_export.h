#pragma once

#include <QObject>

class TestListExport : public QObject
{
    Q_OBJECT
private slots:
    void csvWorkedExample();
    void csvRecords_data();
    void csvRecords();
    void txtFile_data();
    void txtFile();
    void fileInRootDirectory();
};

class TestExportCommand : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void txtAndCsvOfRealList();
    void patternLineShowsTheBoxAtTheClick();
    void cancelWritesNothing_data();
    void cancelWritesNothing();
    void emptyList();
    void directoryInTheWay();
};
