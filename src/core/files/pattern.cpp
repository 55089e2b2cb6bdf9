#include "pattern.h"

namespace platform {

namespace {

// Case folding through the Unicode tables for every character of every name is the largest
// cost of reading a directory; ASCII, nearly every character of a pattern, folds by arithmetic.
bool sameFolded(QChar a, QChar b)
{
    if (a == b)
        return true;
    if (a.unicode() < 0x80 && b.unicode() < 0x80) {
        const auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; };
        return lower(a.unicode()) == lower(b.unicode());
    }
    return a.toCaseFolded() == b.toCaseFolded();
}

bool wildcardMatch(QStringView name, QStringView pattern)
{
    // Iterative glob with one backtrack point: linear in practice, no recursion blow-up on "****".
    qsizetype n = 0, p = 0, starP = -1, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == u'?' || sameFolded(pattern[p], name[n]))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == u'*') {
            starP = p++;
            starN = n;
        } else if (starP >= 0) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*')
        ++p;
    return p == pattern.size();
}

} // namespace

PatternSet::PatternSet(const QString &patterns)
{
    for (const QString &raw : patterns.split(u';', Qt::SkipEmptyParts)) {
        const QString p = raw.trimmed();
        if (!p.isEmpty())
            m_patterns.append(p);
    }
    m_takesAll = m_patterns.isEmpty() || m_patterns.contains(u"*") || m_patterns.contains(u"*.*");
}

bool PatternSet::matches(const QString &name) const
{
    if (m_takesAll)
        return true;
    for (const QString &pattern : m_patterns) {
        if (wildcardMatch(name, pattern))
            return true;
        if (pattern.endsWith(u".*") && !name.contains(u'.') && wildcardMatch(QString(name + u'.'), pattern))
            return true;
    }
    return false;
}

} // namespace platform
