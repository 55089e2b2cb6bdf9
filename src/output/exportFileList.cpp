#include "exportFileList.h"

#include "main/frmVREL_FP.h"
#include "main/module1.h"
#include "platform/dirListBox.h"
#include "platform/messageBox.h"
#include "platform/textFileWriter.h"

#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QRadioButton>

#include <algorithm>

namespace output {

namespace {

QString confirmationText(ListFormat format)
{
    return format == ListFormat::Txt ? QStringLiteral("ファイルリストをVREL_FILE_LIST.TXTという名前で保存します")
                                     : QStringLiteral("ファイルリストをVREL_FILE_LIST.CSVという名前で保存します");
}

} // namespace

ExportedList exportedList(const frmVREL_FP &window, ListFormat format)
{
    ExportedList list;
    list.directory = window.Dir1->path();
    list.pattern = window.Combo1->currentText();
    list.totalBytes = Module1::gTotalBytes;
    list.nameWidth = Module1::gNameWidth;
    list.extWidth = Module1::gExtWidth;
    list.sizeWidth = Module1::gSizeWidth;
    const int count = window.List1->count();
    if (format == ListFormat::Txt) {
        list.lines.reserve(count);
        for (int i = 0; i < count; ++i)
            list.lines.append(window.List1->item(i)->text());
        return list;
    }
    const int entries = std::min(count, Module1::kMaxEntries);
    for (QStringList *values : {&list.names, &list.extensions, &list.runningTotals, &list.dates, &list.times})
        values->reserve(entries);
    for (int k = 1; k <= entries; ++k) {
        list.names.append(Module1::gFileName[k]);
        list.extensions.append(Module1::gFileExt[k]);
        list.runningTotals.append(Module1::gRunningTotal[k]);
        list.dates.append(Module1::gFileDate[k]);
        list.times.append(Module1::gFileTime[k]);
    }
    return list;
}

void ExportFileList(frmVREL_FP &window)
{
    if (window.List1->count() < 1) {
        platform::messageBox(&window, QStringLiteral("対象ファイルがありません"));
        return;
    }
    const ListFormat format = window.Option1->isChecked() ? ListFormat::Txt : ListFormat::Csv;
    if (platform::messageBox(&window, confirmationText(format), platform::Buttons::OkCancel,
                             platform::Icon::Question)
        != platform::Answer::Ok)
        return;

    const ExportedList list = exportedList(window, format);
    const QString path = QDir::toNativeSeparators(listFilePath(list.directory, format));
    QString reason;
    if (!platform::writeTextFile(path, listFileBytes(format, list), &reason)) {
        platform::messageBox(&window, QStringLiteral("ファイルリストを保存できませんでした") + u'\n' + path + u'\n' + reason,
                             platform::Buttons::Ok, platform::Icon::Exclamation);
        return;
    }
    platform::messageBox(&window, QStringLiteral("ファイルリストを保存しました。"));
}

void attachExport(frmVREL_FP &window)
{
    QObject::connect(&window, &frmVREL_FP::exportFileListRequested, &window, [&window] { ExportFileList(window); });
}

} // namespace output
