#include "commandLine.h"

#include "core/files/nativeNames.h"
#include "core/files/paths.h"
#include "core/text/translation.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace {

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

// The words as given. On Linux from their bytes, by the rule the window reads names from the disk
// with: a folder unpacked from an archive made on Windows has a name that is no valid text.
QStringList argumentsOf(int argc, char *argv[])
{
#ifdef Q_OS_WIN
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return QCoreApplication::arguments();
#else
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(platform::pathFromNative(argv[i]));
    return arguments;
#endif
}

} // namespace

std::variant<int, Request> readCommandLine(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("vrel-fileprint"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VREL_VERSION));
    // With no argument nothing is parsed, so a plain start stays exactly what it always was.
    if (argc < 2)
        return Request{};
    QCoreApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "ドライブ・ディレクトリ・ファイル名のパターンで選んだファイルを一覧にし、"
        "印刷またはファイルに書き出します。引数なしで起動するとウィンドウを開きます。\n"
        "\n"
        "  vrel-fileprint [--pattern P] DIR\n"
        "      ウィンドウを DIR で開き、パターン P (既定 *.*) の一覧を作ります。"
        "すでに起動していれば、そのウィンドウが DIR に移ります。\n"
        "  vrel-fileprint --export txt|csv [--pattern P] DIR\n"
        "      ウィンドウを開かずに DIR に VREL_FILE_LIST.TXT または .CSV を書き、そのパスを表示します。\n"
        "  vrel-fileprint --pdf FILE [--pattern P] DIR\n"
        "      印刷される一覧を PDF ファイル FILE に書きます。\n"
        "  vrel-fileprint --print [--printer NAME] [--pattern P] DIR\n"
        "      一覧をプリンタ NAME (既定のプリンタ) で印刷します。\n"
        "\n"
        "終了コード:\n"
        "  0 成功  1 コマンドラインの誤り  2 ディレクトリを開けない  3 対象ファイルがない\n"
        "  4 ファイル数が多すぎる  5 パターンが空  6 ファイルの情報を読み取れない\n"
        "  7 ファイルを保存できない  8 印刷できない  9 起動中のコピーが応答しない\n"
        "  10 ディスクが10秒間応答しない"));
    // Our own two options rather than Qt's, whose --help-all would list toolkit options that
    // this parser refuses.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("この使い方を表示して終了します。"));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("バージョンを表示して終了します。"));
    const QCommandLineOption pattern(QStringLiteral("pattern"), QStringLiteral("ファイル名のパターン (既定 *.*)。"),
                                     QStringLiteral("P"), QStringLiteral("*.*"));
    const QCommandLineOption exportAs(QStringLiteral("export"), QStringLiteral("一覧を txt または csv で書き出します。"),
                                      QStringLiteral("txt|csv"));
    const QCommandLineOption pdf(QStringLiteral("pdf"), QStringLiteral("印刷される一覧を PDF ファイルに書きます。"),
                                 QStringLiteral("FILE"));
    const QCommandLineOption printOut(QStringLiteral("print"), QStringLiteral("一覧を印刷します。"));
    const QCommandLineOption printer(QStringLiteral("printer"), QStringLiteral("--print の印刷先のプリンタ。"),
                                     QStringLiteral("NAME"));
    parser.addOptions({help, version, pattern, exportAs, pdf, printOut, printer});
    parser.addPositionalArgument(QStringLiteral("DIR"), QStringLiteral("一覧にするディレクトリ (ファイルならそのディレクトリ)。"));

    // Qt's own words (the usage, a wrong option) are read in Japanese only where they are shown:
    // loading them would cost a script every run.
    const QStringList arguments = argumentsOf(argc, argv);
    bool parsed = parser.parse(arguments);
    if (!parsed || parser.isSet(help)) {
        platform::installJapaneseTranslation(app);
        parsed = parser.parse(arguments);
    }
    Request request;
    QString error;
    if (!parsed) {
        error = parser.errorText();
    } else {
        const QString format = parser.value(exportAs).toLower();
        request.output = parser.isSet(exportAs) ? (format == u"csv" ? Request::Output::Csv : Request::Output::Txt)
                         : parser.isSet(pdf)    ? Request::Output::Pdf
                         : parser.isSet(printOut) ? Request::Output::Printer
                                                  : Request::Output::Window;
        if (parser.isSet(exportAs) + parser.isSet(pdf) + parser.isSet(printOut) > 1)
            error = QStringLiteral("--export, --pdf, --print はどれか一つだけ指定できます。");
        else if (parser.isSet(exportAs) && format != u"txt" && format != u"csv")
            error = QStringLiteral("--export には txt か csv を指定してください: ") + parser.value(exportAs);
        else if (parser.isSet(printer) && !parser.isSet(printOut))
            error = QStringLiteral("--printer は --print と一緒に指定してください。");
        else if (parser.positionalArguments().isEmpty() && (parser.isSet(pattern) || request.output != Request::Output::Window))
            error = QStringLiteral("ディレクトリを指定してください。");
    }
    if (!error.isEmpty()) {
        print(stderr, error + QStringLiteral("\n\n") + parser.helpText());
        return ExitCode::WrongCommandLine;
    }
    if (parser.isSet(help)) {
        print(stdout, parser.helpText());
        return ExitCode::Done;
    }
    if (parser.isSet(version)) {
        print(stdout, QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion() + u'\n');
        return ExitCode::Done;
    }
    // A file manager hands over every folder chosen; the first is the one listed. Absolute, since a
    // running copy that takes it over works in a directory of its own; whether it names a file is
    // asked later, where a share that does not answer holds no start.
    if (!parser.positionalArguments().isEmpty())
        request.folder = platform::absolutePath(parser.positionalArguments().constFirst());
    request.pattern = parser.value(pattern);
    if (parser.isSet(pdf))
        request.pdfFile = platform::absolutePath(parser.value(pdf));
    request.printerName = parser.value(printer);
    return request;
}

void tellOnStandardError(const QString &text)
{
    print(stderr, QString(text).replace(u'\n', QStringLiteral(": ")) + u'\n');
}
