#include "textFile.h"

#include "cp932.h"

#include <QIODevice>
#include <QSaveFile>

namespace platform {

TextFileReader::TextFileReader(QIODevice &device) : m_device(device) {}

bool TextFileReader::atEnd() const
{
    return m_device.atEnd();
}

QString TextFileReader::readLine()
{
    // No code page 932 trail byte is below 0x40, so a CR byte always ends the line.
    QByteArray bytes;
    char c = 0;
    while (m_device.getChar(&c)) {
        if (c == '\r') {
            char next = 0;
            if (m_device.peek(&next, 1) == 1 && next == '\n')
                m_device.skip(1);
            break;
        }
        bytes.append(c);
    }
    return fromCp932(bytes);
}

QByteArray textFileBytes(const QStringList &lines)
{
    // Converted in one piece: a call of the converter per line costs more than the lines do.
    qsizetype size = 0;
    for (const QString &line : lines)
        size += line.size() + 2;
    QString text;
    text.reserve(size);
    for (const QString &line : lines) {
        text += line;
        text += u"\r\n";
    }
    return toCp932(text);
}

bool writeTextFile(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    // Writing straight into the old file would lose it on the first failure.
    file.setDirectWriteFallback(false);
    // The explicit flush matters: a write that failed while still buffered (a full disk) shows
    // only there, and commit() would not see it.
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() && file.commit())
        return true;
    if (error)
        *error = file.errorString();
    file.cancelWriting();
    return false;
}

} // namespace platform
