#pragma once

#include <QFont>
#include <QStringList>

// The Windows faces come first; where they are missing, the IPA faces stand in. Both keep a
// full-width character at exactly two cells, which the space-aligned columns rely on.
namespace platform {

QFont gothicFont(qreal points, int weight = QFont::Normal);
QFont minchoFont(qreal points, int weight = QFont::Normal);

} // namespace platform
