#include "fonts.h"

namespace platform {

namespace {

QFont fixedFont(const QStringList &families, qreal points, int weight)
{
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(points);
    font.setWeight(QFont::Weight(weight));
    font.setStyleHint(QFont::TypeWriter);
    // Hinting may round half-width and full-width advances apart; the columns need them exact.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

} // namespace

QFont gothicFont(qreal points, int weight)
{
    return fixedFont({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic")}, points, weight);
}

QFont minchoFont(qreal points, int weight)
{
    return fixedFont({QStringLiteral("ＭＳ 明朝"), QStringLiteral("IPAMincho")}, points, weight);
}

} // namespace platform
