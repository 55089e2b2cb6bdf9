#pragma once

#include "scriptedTest.h"

#include <QObject>
#include <QProcess>
#include <QString>

class TestListExport : public QObject
{
    Q_OBJECT
private slots:
    void csvWorkedExample();
    void csvRecords_data();
    void csvRecords();
    void txtFile_data();
    void txtFile();
};

class TestExportCommand : public ScriptedTest
{
    Q_OBJECT
private slots:
    void txtAndCsvOfRealList();
    void patternLineShowsTheBoxAtTheClick();
    void cancelWritesNothing_data();
    void cancelWritesNothing();
    void directoryInTheWay();
};

class TestListingLayout : public QObject
{
    Q_OBJECT
private slots:
    void totalLine_data();
    void totalLine();
};

class TestPrintFileList : public ScriptedTest
{
    Q_OBJECT
private slots:
    void printsListing();
    void longListRunsOverPages();
    void emptyList();
    void abortedJob_data();
    void abortedJob();
    void totalWiderThanColumns();
};

class TestPrintServer : public QObject
{
    Q_OBJECT
public:
    // Points this process's printing at a server of its own in `directory`; call before any
    // printer is looked up.
    static void useDirectory(const QString &directory);

private slots:
    void initTestCase();
    void cleanupTestCase();
    void printsToQueue();

private:
    QProcess m_cupsd;
};
