#include "exportFileList.h"

#include "listFile.h"
#include "main/frmVREL_FP.h"
#include "platform/controls/listBox.h"
#include "platform/window/messageBox.h"

#include <QRadioButton>

namespace output {

QString nothingToExportText()
{
    return QStringLiteral("対象ファイルがありません");
}

void ExportFileList(frmVREL_FP &window)
{
    if (window.List1->count() < 1) {
        platform::messageBox(&window, nothingToExportText());
        return;
    }
    const ListFormat format = window.Option1->isChecked() ? ListFormat::Txt : ListFormat::Csv;
    const QString question = format == ListFormat::Txt
                                 ? QStringLiteral("ファイルリストをVREL_FILE_LIST.TXTという名前で保存します")
                                 : QStringLiteral("ファイルリストをVREL_FILE_LIST.CSVという名前で保存します");
    if (platform::messageBox(&window, question, platform::Buttons::OkCancel, platform::Icon::Question)
        != platform::Answer::Ok)
        return;

    const SavedListFile saved = saveListFile(format, shownList(window));
    if (!saved.failure.isEmpty()) {
        platform::messageBox(&window, saved.failure, platform::Buttons::Ok, platform::Icon::Exclamation);
        return;
    }
    platform::messageBox(&window, QStringLiteral("ファイルリストを保存しました。"));
}

void attachExport(frmVREL_FP &window)
{
    QObject::connect(&window, &frmVREL_FP::exportFileListRequested, &window, [&window] { ExportFileList(window); });
}

} // namespace output
