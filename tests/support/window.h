#pragma once

#include "core/list/module1.h"
#include "core/text/translation.h"
#include "network/handOff.h"
#include "support.h"
#include "widgets/main/frmVREL_FP.h"
#include "widgets/platform/controls/dirListBox.h"
#include "widgets/platform/controls/driveListBox.h"
#include "widgets/platform/controls/listBox.h"
#include "widgets/platform/controls/patternBox.h"
#include "widgets/platform/printing/commonDialog.h"
#include "widgets/platform/window/mousePointer.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSemaphore>
#include <QTimer>

#include <thread>

using namespace fixtures;

// How a step taken under the hourglass is noted.
static const auto kWait = u" (hourglass)"_s;

// What the printer is given of `lines`, all under the hourglass: the face, the size, every line
// `indent` cells in, the end.
inline QStringList drawn(const QStringList &lines, int indent)
{
    QStringList steps{u"font ＭＳ 明朝"_s + kWait, u"size 12"_s + kWait};
    for (const auto &line : lines)
        steps.append(QString(indent, u' ') + line + kWait);
    return steps << u"end"_s + kWait;
}

// The real main window, shown offscreen, with the scripted person in front of it.
struct Window
{
    Window()
    {
        w.show();
        if (!QTest::qWaitForWindowExposed(&w))
            qFatal("window not exposed");
    }

    // Lists `dir` as a person would: pattern typed, directory chosen, Enter.
    void list(const QString &dir, const QString &pattern = u"*.*"_s)
    {
        w.Combo1->setEditText(pattern);
        w.Dir1->setPath(dir);
        emit w.Combo1->patternEntered();
    }
    // `dialog` prints to a PDF file (the name's suffix says so), as "Print to File (PDF)" in the printer dialog would, through
    // the person, who notes every step with the pointer of `window` it happened under.
    QPrinter &printToPdf(CommonDialog &dialog, QWidget *window)
    {
        QPrinter &printer = dialog.printer();
        printer.setOutputFileName(pdf.filePath(u"printed.pdf"_s));
        person.inner = &dialog.linePrinter();
        dialog.setLinePrinter(&person);
        person.mark = [this, window] { return pointer(window); };
        return printer;
    }
    QString pointer(const QWidget *window = nullptr) const
    {
        return (window ? window : &w)->cursor().shape() == Qt::WaitCursor ? kWait : QString();
    }

    // Later starts hand `folders` over in turn on the program's own socket, connected as the
    // program connects it, while this start's loop runs; true once the window took them all.
    bool handOver(const QStringList &folders)
    {
        if (!handOff && handOff.emplace(pdf.filePath(u"handoff"_s)).listen())
            QObject::connect(&*handOff, &HandOffServer::folderHandedOver, &w, &frmVREL_FP::takeHandedOverFolder);
        std::atomic taken = -1; // while they are handed over
        std::thread handing([&] {
            taken = std::ranges::all_of(folders, [&](const QString &f) { return handFolderOver(f, u"*.*"_s, std::chrono::seconds(5), pdf.filePath(u"handoff"_s)); });
        });
        const bool done = QTest::qWaitFor([&] { return taken >= 0; });
        handing.join();
        QCoreApplication::processEvents(); // and the loop goes on with what the window made of them
        return done && taken == 1;
    }

    Scripted person;
    frmVREL_FP w;
    QTemporaryDir pdf; // and the hand-off socket and the read-me data file
    std::optional<HandOffServer> handOff;
};
