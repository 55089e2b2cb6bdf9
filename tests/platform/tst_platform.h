#pragma once

#include <QObject>

class TestCp932 : public QObject
{
    Q_OBJECT
private slots:
    void microsoftMapping_data();
    void microsoftMapping();
    void unmappableBecomesQuestionMark();
    void displayCells_data();
    void displayCells();
};

class TestPaths : public QObject
{
    Q_OBJECT
private slots:
    void rootRule_data();
    void rootRule();
};

class TestFormat : public QObject
{
    Q_OBJECT
private slots:
    void numbers_data();
    void numbers();
    void dateTime();
};

class TestFileSystem : public QObject
{
    Q_OBJECT
private slots:
    void patterns_data();
    void patterns();
    void listsPlainVisibleFilesInFixedOrder();
    void linksCountAsTheirTargets();
};

class TestControls : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void dirListOpensSubdirectories();
    void fontsKeepFullWidthAtTwoCells();
    void messageBoxSpeaksJapanese();
    void twipsFollowTheScreen();
};
