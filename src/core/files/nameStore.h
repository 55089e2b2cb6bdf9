#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace platform {

// The files of one directory read, in order. All native names are kept in one run of bytes, and the
// names that are not simply the native name shown as text in one text, rather than as two
// strings a file, which for ten thousand files would cost several times their characters.
// Copies share them.
class ListedFiles
{
public:
    qsizetype size() const { return m_files.size(); }
    QString name(qsizetype i) const;
    // name(i) at the end of `text`; a name shown as its bytes are goes in without being made first.
    void appendName(qsizetype i, QString &text) const;
    // Whether name(i) begins with one of `characters`, printable ASCII other than "?": each is
    // shown for its own byte alone, so the name need not be made to tell.
    bool beginsWithOneOf(qsizetype i, QLatin1StringView characters) const;
    QByteArray nativeName(qsizetype i) const;
    // Whether the name is printable ASCII alone, and so shown and written as it is.
    bool isPlainAscii(qsizetype i) const;

    // A file whose name is its native name shown as text (displayName of its UTF-8).
    void append(QByteArrayView nativeName);
    void append(QStringView name, QByteArrayView nativeName);
    // By name without regard to case, then by the exact bytes, so that the order is total.
    void sortByName();
    // Gives back the room kept for files to come.
    void squeeze();

private:
    struct Span
    {
        qint32 nameStart;
        qint32 nameLength; // -1: the native name shown as text
        qint32 nativeStart;
        qint32 nativeLength;
    };

    QString m_names;
    QByteArray m_nativeNames;
    QList<Span> m_files;
};

} // namespace platform
