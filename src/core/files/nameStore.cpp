#include "nameStore.h"

#include "nativeNames.h"

#include <algorithm>
#include <numeric>
#include <utility>
#include <vector>

namespace platform {

QString ListedFiles::name(qsizetype i) const
{
    const Span &f = m_files[i];
    if (f.nameLength < 0)
        return displayName(QString::fromUtf8(QByteArrayView(m_nativeNames).sliced(f.nativeStart, f.nativeLength)));
    return m_names.sliced(f.nameStart, f.nameLength);
}

void ListedFiles::appendName(qsizetype i, QString &text) const
{
    const Span &f = m_files[i];
    if (f.nameLength >= 0)
        text += QStringView(m_names).sliced(f.nameStart, f.nameLength);
    else if (isPlainAscii(i))
        text += QLatin1StringView(QByteArrayView(m_nativeNames).sliced(f.nativeStart, f.nativeLength));
    else
        text += name(i);
}

bool ListedFiles::beginsWithOneOf(qsizetype i, QLatin1StringView characters) const
{
    // The native name is the shown one's UTF-8 or its bytes, and printable ASCII is shown for
    // its own byte alone. A plain search: Qt's own looks for a text in a text, which for ten
    // thousand names costs more than all else the export asks of them before it writes.
    const Span &f = m_files[i];
    return f.nativeLength > 0
        && std::find(characters.begin(), characters.end(), m_nativeNames[f.nativeStart]) != characters.end();
}

QByteArray ListedFiles::nativeName(qsizetype i) const
{
    return m_nativeNames.sliced(m_files[i].nativeStart, m_files[i].nativeLength);
}

bool ListedFiles::isPlainAscii(qsizetype i) const
{
    const QByteArrayView native = QByteArrayView(m_nativeNames).sliced(m_files[i].nativeStart, m_files[i].nativeLength);
    return std::all_of(native.begin(), native.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
}

void ListedFiles::append(QByteArrayView nativeName)
{
    m_files.append({qint32(m_names.size()), -1, qint32(m_nativeNames.size()), qint32(nativeName.size())});
    m_nativeNames += nativeName;
}

void ListedFiles::append(QStringView name, QByteArrayView nativeName)
{
    m_files.append({qint32(m_names.size()), qint32(name.size()), qint32(m_nativeNames.size()), qint32(nativeName.size())});
    m_names += name;
    m_nativeNames += nativeName;
}

void ListedFiles::sortByName()
{
    std::vector<qsizetype> order(m_files.size());
    std::iota(order.begin(), order.end(), 0);
    {
        // The folded names are made once, not once per comparison, into one text, which goes
        // before the files are put in order.
        QString folded;
        folded.reserve(m_names.size());
        std::vector<qsizetype> starts;
        starts.reserve(m_files.size() + 1);
        const auto native = [&](qsizetype i) {
            return QByteArrayView(m_nativeNames).sliced(m_files[i].nativeStart, m_files[i].nativeLength);
        };
        for (qsizetype i = 0; i < m_files.size(); ++i) {
            starts.push_back(folded.size());
            // A plain ASCII name, nearly every one, folds by arithmetic and is never made as text.
            if (isPlainAscii(i)) {
                for (const char c : native(i))
                    folded += QChar(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
            } else {
                folded += name(i).toCaseFolded();
            }
        }
        starts.push_back(folded.size());
        const auto key = [&](qsizetype i) { return QStringView(folded).sliced(starts[i], starts[i + 1] - starts[i]); };
        std::sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
            const int c = key(a).compare(key(b));
            return c != 0 ? c < 0 : native(a) < native(b);
        });
    }
    QList<Span> sorted;
    sorted.reserve(m_files.size());
    for (qsizetype i : order)
        sorted.append(m_files[i]);
    m_files = std::move(sorted);
}

void ListedFiles::squeeze()
{
    m_names.squeeze();
    m_nativeNames.squeeze();
    m_files.squeeze();
}

} // namespace platform
