#include "listing.h"

#include "main/frmVREL_FP.h"
#include "main/module1.h"
#include "platform/controls/dirListBox.h"
#include "platform/controls/listBox.h"
#include "platform/files/fileSystem.h"
#include "platform/files/paths.h"
#include "platform/text/format.h"

#include <QComboBox>

#include <algorithm>

namespace output {

ShownList shownList(const frmVREL_FP &window)
{
    ShownList shown{window.Dir1->path(), window.Combo1->currentText(), {}};
    listing::FileList &list = shown.list;
    list.lines = window.List1->lines();
    list.totalBytes = Module1::gTotalBytes;
    list.nameWidth = Module1::gNameWidth;
    list.extWidth = Module1::gExtWidth;
    list.sizeWidth = Module1::gSizeWidth;
    const int entries = std::min(window.List1->count(), Module1::kMaxEntries);
    for (int k = 1; k <= entries; ++k) {
        list.names.append(Module1::gFileName[k]);
        list.extensions.append(Module1::gFileExt[k]);
        list.runningTotals.append(Module1::gRunningTotal[k]);
        list.dates.append(Module1::gFileDate[k]);
        list.times.append(Module1::gFileTime[k]);
    }
    return shown;
}

QStringList listingLines(const ShownList &shown)
{
    const QString rule(57, u'-');
    QStringList lines{QStringLiteral("VREL's file print "), rule,
                      QStringLiteral("Directory : ") + platform::displayName(platform::listingDirectory(shown.directory)),
                      QStringLiteral("File Type : ") + shown.pattern, rule};
    const listing::FileList &list = shown.list;
    lines += list.lines;
    lines.append(rule);
    lines.append(listingTotalLine(int(list.lines.size()), list.totalBytes,
                                  list.nameWidth + list.extWidth + list.sizeWidth));
    return lines;
}

QString listingTotalLine(int count, qint64 totalBytes, int columnsWidth)
{
    const QString countText = u'(' + QString::number(count) + u')';
    const QString totalText = platform::formatNumber(totalBytes);
    const QString label = QStringLiteral("Total");
    const qsizetype gap = std::max<qsizetype>(0, columnsWidth - label.size() - totalText.size() - countText.size());
    return label + countText + QString(gap, u' ') + totalText;
}

} // namespace output
