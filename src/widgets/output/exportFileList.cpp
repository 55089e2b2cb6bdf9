#include "exportFileList.h"

#include "core/list/listFile.h"
#include "printFileList.h"
#include "widgets/main/frmVREL_FP.h"
#include "widgets/platform/controls/listBox.h"
#include "widgets/platform/window/diskWait.h"
#include "widgets/platform/window/messageBox.h"

#include <QDir>
#include <QRadioButton>

namespace output {

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
    const ShownList shown = shownList(window);
    const QString lost = exportCautions(format, shown);
    if (platform::messageBox(&window, lost.isEmpty() ? question : question + u'\n' + lost, platform::Buttons::OkCancel,
                             platform::Icon::Question)
        != platform::Answer::Ok)
        return;

    // The listed directory may lie on a share that stops answering: the write is waited for off
    // the window, and one that outlives the wait never lands.
    const QString path = QDir::toNativeSeparators(listFilePath(shown.directory, format));
    const auto saved = platform::waitOnDisk(&window, path, [format, shown](platform::DiskProgress &progress) {
        return saveListFile(format, shown, &progress);
    });
    if (!saved)
        return;
    if (!saved->failure.isEmpty()) {
        platform::messageBox(&window, saved->failure, platform::Buttons::Ok, platform::Icon::Exclamation);
        return;
    }
    platform::messageBox(&window, QStringLiteral("ファイルリストを保存しました。"));
}

void attachExport(frmVREL_FP &window)
{
    QObject::connect(&window, &frmVREL_FP::exportFileListRequested, &window, [&window] { ExportFileList(window); });
}

} // namespace output
