#include "commandline/commandline.h"

#include "commandline/consoleoutput.h"
#include "composition/labelfonts.h"
#include "composition/pageoutput.h"
#include "composition/pdftarget.h"
#include "ini/inidocument.h"
#include "printrun/printrun.h"
#include "printrun/runpages.h"
#include "printrun/storedstyles.h"
#include "printrun/testsheet.h"
#include "sheet/sysini.h"

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>

#include <cstdio>
#include <cstdlib>
#include <variant>

namespace CommandLine {

namespace {

enum ExitCode { Done = 0, Failed = 1, BadArguments = 2 };

struct Failure {
    ExitCode code;
    QString message;
};

// Each error is one line on standard error.
constexpr QStringView OneLine = u"；";

struct Request {
    QString pdf; // empty when printing
    std::optional<QString> printer; // set when printing; empty name: the default
    QString folder;
    std::optional<int> kind; // sys.ini's kind when not given
    std::optional<std::pair<int, int>> pages;
    bool testSheet = false;
};

void say(FILE *stream, const QString &line)
{
    ConsoleOutput::writeLine(stream, line);
}

struct Options {
    QCommandLineOption pdf{QStringLiteral("pdf"), QStringLiteral("把標籤寫成 PDF 檔 <OUT>。"),
                           QStringLiteral("OUT")};
    QCommandLineOption print{QStringLiteral("print"),
                             QStringLiteral("不開對話框，直接送到印表機。")};
    QCommandLineOption printer{
        QStringLiteral("printer"),
        QStringLiteral("與 --print 一起用：印表機名稱（預設為系統預設印表機）。"),
        QStringLiteral("NAME")};
    QCommandLineOption kind{QStringLiteral("kind"),
                            QStringLiteral("標籤種類 1 到 4（預設為 sys.ini 記錄的種類）。"),
                            QStringLiteral("1-4")};
    QCommandLineOption pages{QStringLiteral("pages"),
                             QStringLiteral("頁數範圍，例如 3-12 或 5（預設為所有頁面檔）。"),
                             QStringLiteral("FROM-TO")};
    QCommandLineOption testSheet{QStringLiteral("test-sheet"), QStringLiteral("改印對位測試頁。")};
};

std::optional<std::pair<int, int>> pageSpan(const QString &text)
{
    static const QRegularExpression Span(QStringLiteral("^(\\d{1,9})(?:-(\\d{1,9}))?$"));
    const QRegularExpressionMatch match = Span.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    const int from = match.captured(1).toInt();
    const int to = match.hasCaptured(2) ? match.captured(2).toInt() : from;
    if (from < 1 || to < from || to - from >= PrintRun::MaxPagesInRun)
        return std::nullopt;
    return std::pair{from, to};
}

std::variant<Request, Failure> readArguments(const QCommandLineParser &parser,
                                             const Options &options)
{
    const auto bad = [](const QString &message) { return Failure{BadArguments, message}; };
    Request request;
    if (parser.isSet(options.pdf) == parser.isSet(options.print))
        return bad(
            QStringLiteral("請給 --pdf OUT.pdf 或 --print 其中之一（cenhe --help 說明用法）"));
    if (parser.isSet(options.printer) && !parser.isSet(options.print))
        return bad(QStringLiteral("--printer 只能與 --print 一起用"));
    request.pdf = parser.value(options.pdf);
    if (parser.isSet(options.pdf) && request.pdf.isEmpty())
        return bad(QStringLiteral("--pdf 需要輸出檔名"));
    if (parser.isSet(options.print))
        request.printer = parser.value(options.printer);
    const QStringList folders = parser.positionalArguments();
    if (folders.size() > 1)
        return bad(QStringLiteral("只能給一個資料夾，卻給了 %1 個").arg(folders.size()));
    request.folder = folders.isEmpty() ? QDir::currentPath() : folders.first();
    if (parser.isSet(options.kind)) {
        const std::optional<int> kind = SysIni::strictInt(parser.value(options.kind));
        if (!kind || !labelKind(*kind))
            return bad(QStringLiteral("--kind 必須是 1 到 4，不能是「%1」")
                           .arg(parser.value(options.kind)));
        request.kind = *kind;
    }
    if (parser.isSet(options.pages)) {
        request.pages = pageSpan(parser.value(options.pages));
        if (!request.pages)
            return bad(
                QStringLiteral("--pages 必須寫成 起-迄（例如 3-12，最多 %1 頁），不能是「%2」")
                    .arg(PrintRun::MaxPagesInRun)
                    .arg(parser.value(options.pages)));
    }
    request.testSheet = parser.isSet(options.testSheet);
    return request;
}

// The highest page number with a page file of the kind in the folder; 1
// when there is none.
int lastStoredPage(const QDir &folder, const QString &stem)
{
    const QRegularExpression name(
        QStringLiteral("^%1(\\d{1,9})\\.ini$").arg(QRegularExpression::escape(stem)),
        QRegularExpression::CaseInsensitiveOption);
    int last = 1;
    for (const QString &file : folder.entryList(QDir::Files)) {
        const QRegularExpressionMatch match = name.match(file);
        if (match.hasMatch())
            last = std::max(last, std::min(match.captured(1).toInt(), PrintRun::MaxPagesInRun));
    }
    return last;
}

struct Run {
    SheetRun sheets;
    QString summary;
};

std::variant<Run, Failure> composeRequest(const Request &request, const LabelTemplate &prepared,
                                          const PrintRun::Margins &margins)
{
    const auto built = [&](const SheetRun::Built &composed,
                           const QString &summary) -> std::variant<Run, Failure> {
        if (composed.status != CompositionStatus::Composed)
            return Failure{Failed, PrintRun::noRowFitsMessage(margins).split(u'\n').first()};
        return Run{composed.run, summary};
    };
    if (request.testSheet)
        return built(PrintRun::testSheet(prepared), QStringLiteral("對位測試頁"));
    const QString stem = labelKind(*request.kind)->stemText();
    const auto [from, to] =
        request.pages.value_or(std::pair{1, lastStoredPage(QDir(request.folder), stem)});
    const PrintRun::RunPages pages =
        *PrintRun::collectPages(request.folder, stem, from, to, std::nullopt);
    for (const PrintRun::PageProblem &problem : pages.unreadable)
        say(stderr,
            QStringLiteral("cenhe: 略過第 %1 頁：%2").arg(problem.number).arg(problem.reason));
    if (pages.pages.isEmpty())
        return Failure{Failed,
                       QStringLiteral("「%1」%2沒有任何資料，沒有可以輸出的標籤")
                           .arg(stem, PrintRun::pageSpanText(from, to))};
    const SheetRun::Built composed = PrintRun::composeRun(prepared, pages);
    return built(composed, PrintRun::runSummary(pages, composed.run.sheetCount()));
}

std::optional<Failure> sendToPrinter(const SheetRun &sheets, const QString &name,
                                     const QString &title)
{
    const QString chosen = name.isEmpty() ? QPrinterInfo::defaultPrinterName() : name;
    if (chosen.isEmpty())
        return Failure{Failed, QStringLiteral("沒有預設印表機；請用 --printer 指定")};
    if (!QPrinterInfo::availablePrinterNames().contains(chosen))
        return Failure{Failed, QStringLiteral("找不到印表機「%1」").arg(chosen)};
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(chosen);
    printer.setDocName(title);
    printer.setPageLayout(fullPageLayout(sheets.paper()));
    printer.setFullPage(true);
    const OutputResult printed = drawSheets(printer, sheets, 1, sheets.sheetCount());
    if (!printed.done())
        return Failure{
            Failed,
            FileFailure{chosen, printed.failure.reason, FileFailure::Action::Print}.text(OneLine)};
    return std::nullopt;
}

std::optional<Failure> output(const Request &request, const Run &run)
{
    const QString title = QStringLiteral("岑禾 %1").arg(labelKind(*request.kind)->stemText());
    if (request.printer)
        return sendToPrinter(run.sheets, *request.printer, title);
    const OutputResult written = writeSheetsPdf(request.pdf, run.sheets, {title});
    if (!written.done())
        return Failure{Failed, written.failure.text(OneLine)};
    return std::nullopt;
}

std::optional<Failure> perform(Request request)
{
    const QDir folder(request.folder);
    if (!QFileInfo(request.folder).isDir())
        return Failure{
            Failed,
            QStringLiteral("找不到資料夾：%1").arg(QDir::toNativeSeparators(request.folder))};
    // Refused before any work: an export never replaces what is no PDF.
    if (!request.pdf.isEmpty()) {
        if (const QString refusal = PdfTarget::refusal(request.pdf); !refusal.isEmpty())
            return Failure{Failed, FileFailure{request.pdf, refusal}.text(OneLine)};
    }
    const QString settingsPath = folder.filePath(SysIni::fileName());
    const IniDocument settings = IniDocument::load(settingsPath);
    request.kind = request.kind.value_or(SysIni::readKind(settings).value_or(FirstKind));
    if (!labelKind(*request.kind))
        return Failure{Failed,
                       QStringLiteral("sys.ini 記錄的種類 %1 不是 1 到 4；請用 --kind 指定")
                           .arg(*request.kind)};
    const PrintRun::Margins margins = PrintRun::readMargins(settingsPath);
    const PrintRun::KindStyles styles = PrintRun::storedStyles(settings, *request.kind);
    const LabelTemplate prepared = *PrintRun::preparedTemplate(*request.kind, margins, styles.name,
                                                               styles.third, styles.address);
    const std::variant<Run, Failure> run = composeRequest(request, prepared, margins);
    if (const Failure *failure = std::get_if<Failure>(&run))
        return *failure;
    if (std::optional<Failure> failure = output(request, std::get<Run>(run)))
        return failure;
    say(stdout, std::get<Run>(run).summary);
    return std::nullopt;
}

} // namespace

bool wanted(int argc, char *argv[])
{
    static const QByteArrayList Ours{"--pdf",      "--print",      "--printer", "--kind",
                                     "--pages",    "--test-sheet", "--help",    "-h",
                                     "--help-all", "--version",    "-v"};
    for (int i = 1; i < argc; ++i) {
        if (Ours.contains(QByteArray(argv[i]).split('=').first()))
            return true;
    }
    return false;
}

int run(int argc, char *argv[])
{
    // No display needed, whatever the environment says.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The platform's start-up notes (such as a missing XDG_RUNTIME_DIR) are
    // not for the user of a command: stderr carries only our own lines.
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &) {
            if (type == QtFatalMsg)
                std::abort();
        });
    QGuiApplication app(argc, argv);
    qInstallMessageHandler(previous);
    QGuiApplication::setApplicationName(QStringLiteral("cenhe"));
    QGuiApplication::setApplicationVersion(QStringLiteral(CENHE_VERSION));
    LabelFonts::installKaiSubstitution();

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("岑禾：不開視窗，把一種標籤的頁面排成 PDF 或送到印表機，"
                       "與預覽列印所見相同。資料夾裡的檔案只讀不寫。"));
    parser.addHelpOption();
    parser.addVersionOption();
    const Options options;
    parser.addOptions({options.pdf, options.print, options.printer, options.kind, options.pages,
                       options.testSheet});
    parser.addPositionalArgument(QStringLiteral("FOLDER"),
                                 QStringLiteral("資料夾（預設為目前的資料夾）。"),
                                 QStringLiteral("[FOLDER]"));
    if (!parser.parse(QGuiApplication::arguments())) {
        say(stderr, QStringLiteral("cenhe: %1").arg(parser.errorText()));
        return BadArguments;
    }
    // Through say(), not showHelp() or showVersion(), which on Windows
    // write in the ANSI code page or show a message box.
    if (parser.isSet(QStringLiteral("help"))) {
        say(stdout, parser.helpText().trimmed());
        return Done;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        say(stdout, QStringLiteral("cenhe %1").arg(QGuiApplication::applicationVersion()));
        return Done;
    }

    const std::variant<Request, Failure> request = readArguments(parser, options);
    std::optional<Failure> failure = std::get_if<Failure>(&request)
        ? std::optional<Failure>(std::get<Failure>(request))
        : perform(std::get<Request>(request));
    if (!failure)
        return Done;
    say(stderr, QStringLiteral("cenhe: %1").arg(failure->message));
    return failure->code;
}

} // namespace CommandLine
