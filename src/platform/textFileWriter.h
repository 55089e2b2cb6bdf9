#pragma once

#include <QSaveFile>
#include <QString>
#include <QStringList>

namespace platform {

// One line as it stands in a text file of this program: code page 932, then CR LF.
QByteArray textFileLine(QStringView line);

// A text file written line by line that replaces the file of its name only once every line
// has reached the disk. Until commit() succeeds, an earlier file of that name stays as it was,
// and a failed or abandoned write leaves no temporary file behind.
class TextFileWriter
{
public:
    explicit TextFileWriter(const QString &path);
    TextFileWriter(const TextFileWriter &) = delete;
    TextFileWriter &operator=(const TextFileWriter &) = delete;

    bool open();
    // After the first failure the rest is ignored; commit() then reports it.
    void writeLine(QStringView line);
    bool commit();

    // Why the last open, write or commit failed, in the system's words.
    QString errorString() const { return m_error; }

private:
    bool writePending();

    QSaveFile m_file;
    QByteArray m_pending;
    QString m_error;
};

// Writes all `lines` into `path` in one go; on failure returns false with the reason in `error`.
bool writeTextFile(const QString &path, const QStringList &lines, QString *error = nullptr);

} // namespace platform
