#include "textFileReader.h"

#include "cp932.h"

#include <QByteArray>
#include <QIODevice>

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

} // namespace platform
