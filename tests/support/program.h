#pragma once

#include "fixtures.h"
#include "main/frmVREL_FP.h"
#include "platform/controls/dirListBox.h"

#include <QComboBox>
#include "platform/controls/listBox.h"

// The real main window, shown offscreen; each test attaches the commands it exercises.
// Header only: the support library stands below the main window.
struct Program
{
    Program() { fixtures::show(main); }

    // Lists `dir` with `pattern` as a person would: pattern typed, directory chosen, Enter.
    void list(const QString &dir, const QString &pattern = QStringLiteral("*.*"))
    {
        main.Combo1->setEditText(pattern);
        main.Dir1->setPath(dir);
        main.Combo1_KeyPress(13);
    }

    QStringList lines() const { return main.List1->lines(); }

    frmVREL_FP main;
};
