#include "readmeOpener.h"

#include "frmReadme.h"

#include "widgets/main/frmVREL_FP.h"

namespace readme {

ReadmeOpener::ReadmeOpener(frmVREL_FP &mainWindow, const QString &dataDirectory)
    : QObject(&mainWindow), m_mainWindow(mainWindow), m_dataDirectory(dataDirectory)
{
    connect(&mainWindow, &frmVREL_FP::readmeRequested, this, &ReadmeOpener::open);
}

ReadmeOpener::~ReadmeOpener()
{
    // The read-me window has no parent, so that it can go behind the main window; it must
    // not outlive the window whose pointer it restores.
    delete m_window;
}

frmReadme *ReadmeOpener::window() const
{
    return m_window;
}

void ReadmeOpener::open()
{
    if (!m_window)
        m_window = new frmReadme(&m_mainWindow, m_dataDirectory);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

ReadmeOpener *attachReadme(frmVREL_FP &mainWindow, const QString &dataDirectory)
{
    return new ReadmeOpener(mainWindow, dataDirectory);
}

} // namespace readme
