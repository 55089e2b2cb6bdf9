#pragma once

#include "readmeReader.h"

#include <QObject>
#include <QPointer>

class frmReadme;
class frmVREL_FP;

namespace readme {

// Answers the main window's read-me command: creates the read-me window when none is open,
// and otherwise only brings the open one to the front, without reading the file again.
class ReadmeOpener : public QObject
{
    Q_OBJECT

public:
    ReadmeOpener(frmVREL_FP &mainWindow, const QString &dataDirectory);
    ~ReadmeOpener() override;
    ReadmeOpener(const ReadmeOpener &) = delete;
    ReadmeOpener &operator=(const ReadmeOpener &) = delete;

    void open();
    frmReadme *window() const;

private:
    frmVREL_FP &m_mainWindow;
    QString m_dataDirectory;
    QPointer<frmReadme> m_window;
};

// Connects `mainWindow`'s read-me command; the opener lives as long as the main window.
ReadmeOpener *attachReadme(frmVREL_FP &mainWindow, const QString &dataDirectory = readme::readmeDirectory());

} // namespace readme
