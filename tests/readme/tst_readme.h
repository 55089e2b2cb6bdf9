#pragma once

#include "scriptedTest.h"

#include <QObject>

class TestReadmeReader : public QObject
{
    Q_OBJECT
private slots:
    void lines_data();
    void lines();
    void unreadableFile();
    void shippedDataFile();
};

class TestReadmeWindow : public ScriptedTest
{
    Q_OBJECT
private slots:
    void opensOverTheMainWindow();
    void closingRestoresMainPointer_data();
    void closingRestoresMainPointer();
    void swatches_data();
    void swatches();
    void reopening();
    void missingDataFile();
};

class TestReadmePrint : public ScriptedTest
{
    Q_OBJECT
private slots:
    void printsTheText_data();
    void printsTheText();
    void abortPath_data();
    void abortPath();
};
