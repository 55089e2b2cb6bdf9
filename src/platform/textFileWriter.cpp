#include "textFileWriter.h"

#include "cp932.h"

namespace platform {

QByteArray textFileLine(QStringView line)
{
    QByteArray bytes = toCp932(line);
    bytes.append("\r\n", 2);
    return bytes;
}

TextFileWriter::TextFileWriter(const QString &path) : m_file(path)
{
    // Writing straight into the old file would lose it on the first failure.
    m_file.setDirectWriteFallback(false);
}

bool TextFileWriter::open()
{
    if (m_file.open(QIODevice::WriteOnly))
        return true;
    m_error = m_file.errorString();
    return false;
}

void TextFileWriter::writeLine(QStringView line)
{
    if (!m_error.isEmpty() || !m_file.isOpen())
        return;
    const QByteArray bytes = textFileLine(line);
    if (m_file.write(bytes) != bytes.size())
        m_error = m_file.errorString();
}

bool TextFileWriter::commit()
{
    if (!m_file.isOpen()) {
        if (m_error.isEmpty())
            m_error = m_file.errorString();
        return false;
    }
    // A write that failed while still in the buffer shows only here.
    if (m_error.isEmpty() && !m_file.flush())
        m_error = m_file.errorString();
    if (!m_error.isEmpty()) {
        m_file.cancelWriting();
        m_file.commit(); // throws the temporary file away
        return false;
    }
    if (m_file.commit())
        return true;
    m_error = m_file.errorString();
    return false;
}

bool writeTextFile(const QString &path, const QStringList &lines, QString *error)
{
    TextFileWriter writer(path);
    if (writer.open()) {
        for (const QString &line : lines)
            writer.writeLine(line);
        if (writer.commit())
            return true;
    }
    if (error)
        *error = writer.errorString();
    return false;
}

} // namespace platform
