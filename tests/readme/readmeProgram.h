#pragma once

#include "program.h"
#include "readme/frmReadme.h"
#include "readme/readmeOpener.h"

#include <QFile>
#include <QTest>

// The data file the program would find in `dir`, written byte for byte.
inline void writeDataFile(const QString &dir, const QByteArray &bytes)
{
    QFile f(dir + QStringLiteral("/VREL02.vrl"));
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

// The real main window with the read-me command attached to a data directory of the test's own.
struct Readme : Program
{
    explicit Readme(const QString &dataDirectory) : opener(readme::attachReadme(main, dataDirectory)) {}

    frmReadme *openReadme()
    {
        main.mnuReadme_Click();
        frmReadme *w = opener->window();
        if (w)
            fixtures::show(*w);
        return w;
    }

    readme::ReadmeOpener *opener;
};
