#pragma once

#include "scriptedMessageBox.h"
#include "scriptedPrinterDialog.h"

#include <QObject>

#include <memory>

// The person at the screen for the test running now: every message box and printer dialog the
// program shows is answered and recorded here, afresh for each test.
inline std::unique_ptr<ScriptedMessageBox> g_boxes;
inline std::unique_ptr<ScriptedPrinterDialog> g_dialog;

// Test classes that drive windows derive from this, so that each test starts with a clean script.
class ScriptedTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        g_boxes = std::make_unique<ScriptedMessageBox>();
        g_dialog = std::make_unique<ScriptedPrinterDialog>();
    }
    void cleanup()
    {
        g_dialog.reset();
        g_boxes.reset();
    }
};
