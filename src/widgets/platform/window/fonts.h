#pragma once

#include <QFont>
#include <QString>

// The Windows faces where they are installed; where one is missing, its IPA face stands in.
// Both keep a full-width character at exactly two cells, which the space-aligned columns rely on.
namespace platform {

QFont gothicFont(qreal points, int weight = QFont::Normal);
QFont minchoFont(qreal points, int weight = QFont::Normal);
// The font a name stands for here, as a printer is told it: the Windows faces by their
// stand-ins where missing, any other name as it is, no name the default face.
QFont namedFont(const QString &face, qreal points);

} // namespace platform
