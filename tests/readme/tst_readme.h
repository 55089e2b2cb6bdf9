#pragma once

#include <QObject>

class TestReadmeReader : public QObject
{
    Q_OBJECT
private slots:
    void lines_data();
    void lines();
    void unreadableFile();
    void dataFilePath_data();
    void dataFilePath();
    void shippedDataFile();
};

class TestReadmeWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void opensOverTheMainWindow();
    void closingRestoresMainPointer_data();
    void closingRestoresMainPointer();
    void swatches_data();
    void swatches();
    void reopening();
    void missingDataFile();
};

class TestReadmePrint : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void printsTheText_data();
    void printsTheText();
    void abortPath_data();
    void abortPath();
};
