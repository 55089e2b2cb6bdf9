#include "commandLine.h"

#include "platform/process/translation.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

namespace {

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

std::optional<int> answerCommandLine(int argc, char *argv[])
{
    // With no argument nothing is parsed, so a plain start stays exactly what it always was.
    if (argc < 2)
        return std::nullopt;
    QCoreApplication app(argc, argv);
    platform::installJapaneseTranslation(app);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("ドライブ・ディレクトリ・ファイル名のパターンで選んだファイルを一覧にし、"
                       "印刷またはファイルに書き出します。引数なしで起動するとウィンドウを開きます。"));
    // Our own two options rather than Qt's, whose --help-all would list toolkit options that
    // this parser refuses.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("この使い方を表示して終了します。"));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("バージョンを表示して終了します。"));
    parser.addOptions({help, version});
    QString error;
    if (!parser.parse(QCoreApplication::arguments()))
        error = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        error = QStringLiteral("このプログラムは引数を取りません: ") + parser.positionalArguments().join(u' ');
    if (!error.isEmpty()) {
        print(stderr, error + QStringLiteral("\n\n") + parser.helpText());
        return EXIT_FAILURE;
    }
    if (parser.isSet(help)) {
        print(stdout, parser.helpText());
        return EXIT_SUCCESS;
    }
    if (parser.isSet(version)) {
        print(stdout, QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion() + u'\n');
        return EXIT_SUCCESS;
    }
    return std::nullopt;
}
