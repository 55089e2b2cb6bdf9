#pragma once

#include <QApplication>
#include <QTest>

template<typename Test>
int runOne(int argc, char *argv[])
{
    Test test;
    return QTest::qExec(&test, argc, argv);
}

// One executable per source folder, several test classes in it: run them all, fail if any fails.
template<typename... Tests>
int runTests(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int failures = (runOne<Tests>(argc, argv) + ...);
    return failures == 0 ? 0 : 1;
}
