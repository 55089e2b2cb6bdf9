#pragma once

#include <QString>

class QIODevice;

namespace platform {

// Sequential text input as the program's data files are written: code page 932, a line ends
// at CR or CR LF and the end is not part of the line; a lone LF is an ordinary character of
// its line, and the last line may lack its end.
class TextFileReader
{
public:
    explicit TextFileReader(QIODevice &device);

    bool atEnd() const;
    QString readLine();

private:
    QIODevice &m_device;
};

} // namespace platform
