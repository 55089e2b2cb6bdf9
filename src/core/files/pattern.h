#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// A pattern text split once per directory read, not once per file.
class PatternSet
{
public:
    explicit PatternSet(const QString &patterns);

    bool matches(const QString &name) const;

private:
    QStringList m_patterns;
    bool m_takesAll = false;
};

} // namespace platform
