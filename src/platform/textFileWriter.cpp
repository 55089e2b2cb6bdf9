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

namespace {
// One large write costs far less than one small write per line.
constexpr qsizetype kChunkBytes = qsizetype(64) * 1024;
} // namespace

void TextFileWriter::writeLine(QStringView line)
{
    if (!m_error.isEmpty() || !m_file.isOpen())
        return;
    m_pending += textFileLine(line);
    if (m_pending.size() >= kChunkBytes)
        writePending();
}

bool TextFileWriter::writePending()
{
    if (m_pending.isEmpty())
        return true;
    const bool written = m_file.write(m_pending) == m_pending.size();
    m_pending.clear();
    if (!written)
        m_error = m_file.errorString();
    return written;
}

bool TextFileWriter::commit()
{
    if (!m_file.isOpen()) {
        if (m_error.isEmpty())
            m_error = m_file.errorString();
        return false;
    }
    // A write that failed while still in a buffer shows only here.
    if (m_error.isEmpty() && writePending() && !m_file.flush())
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
