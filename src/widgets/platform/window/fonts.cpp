#include "fonts.h"

#include <QFontDatabase>

namespace platform {

namespace {

constexpr char16_t kGothic[] = u"ＭＳ ゴシック";
constexpr char16_t kMincho[] = u"ＭＳ 明朝";

QFont fixedFont(const QString &face, const QString &standIn, qreal points, int weight)
{
    QFont font;
    // Only the face that is there is named: behind a missing first name, Qt sorts every
    // installed font for each script of the text before it tries the second, which costs
    // a tenth of the window's start.
    font.setFamily(QFontDatabase::hasFamily(face) || !QFontDatabase::hasFamily(standIn) ? face : standIn);
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
    return fixedFont(QString::fromUtf16(kGothic), QStringLiteral("IPAGothic"), points, weight);
}

QFont minchoFont(qreal points, int weight)
{
    return fixedFont(QString::fromUtf16(kMincho), QStringLiteral("IPAMincho"), points, weight);
}

QFont namedFont(const QString &face, qreal points)
{
    if (face == kGothic)
        return gothicFont(points);
    if (face == kMincho)
        return minchoFont(points);
    QFont font;
    if (!face.isEmpty())
        font.setFamily(face);
    font.setPointSizeF(points);
    return font;
}

} // namespace platform
