#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QIODevice;

// Sequential text files as this program keeps them: code page 932, every line ended by CR LF.
namespace platform {

class DiskProgress;

// Reads lines as the data files are written: a line ends at CR or CR LF and the end is not
// part of the line; a lone LF is an ordinary character of its line, and the last line may
// lack its end.
class TextFileReader
{
public:
    explicit TextFileReader(QIODevice &device);

    bool atEnd() const;
    QString readLine();

private:
    QIODevice &m_device;
};

// Writes a file the program makes, a list file or a PDF, as `bytes` into `path`, replacing the
// file of that name only once every byte has reached the disk: until then an earlier file stays
// as it was, and a failed write leaves no temporary file behind. A directory or anything else
// that is no plain file of that name is refused. On failure returns false with the reason, in
// Japanese where a person can act on it. Each part written advances `progress`; a write found
// abandoned once its bytes are on the disk replaces nothing and returns false with no reason:
// whoever gave up on it has said so already.
bool replaceFile(const QString &path, const QByteArray &bytes, QString *reason, DiskProgress *progress = nullptr);

} // namespace platform
