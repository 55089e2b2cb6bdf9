#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <atomic>

class QIODevice;

// Sequential text files as this program keeps them: code page 932, every line ended by CR LF.
namespace platform {

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

// Writes `bytes` into `path`, replacing the file of that name only once every byte has reached
// the disk: until then an earlier file stays as it was, and a failed write leaves no temporary
// file behind. On failure returns false with the reason, in Japanese where a person can act on it.
// Once `abandoned` is set, by the time the bytes are on the disk, the file is left as it was and
// the reason is empty: whoever waited for the write has given up on it.
bool writeTextFile(const QString &path, const QByteArray &bytes, QString *reason,
                   const std::atomic<bool> *abandoned = nullptr);

} // namespace platform
