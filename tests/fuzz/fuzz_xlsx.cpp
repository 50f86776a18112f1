// libFuzzer target for workbooks, in two modes. fuzz_xlsx reads any bytes
// as an .xlsx file; fuzz_xlsxxml (XLSX_PARTS) takes the bytes as the XML of
// a small workbook's parts (XlsxFixture::workbookFromXml) and reads the
// workbook they make, so that the XML inside is reached. Both check
// tests/lists/listrules.h.
#include "lists/xlsxsheet.h"
#include "tests/lists/listrules.h"

#ifdef XLSX_PARTS
#include "tests/lists/xlsxfixture.h"
#endif

#include <QBuffer>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

QByteArray workbookOf(const QByteArray &bytes)
{
#ifdef XLSX_PARTS
    return XlsxFixture::workbookFromXml(bytes);
#else
    return bytes;
#endif
}

} // namespace

// Qt's warnings on seeks past a damaged zip's end would flood the log and
// slow the run.
extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QByteArray workbook =
        workbookOf(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    QBuffer buffer(&workbook);
    const ListRead read = readXlsxFirstSheet(&buffer);
    const QString broken = ListRules::broken(read, ListRules::Source::Workbook);
    if (!broken.isEmpty()) {
        std::fprintf(stderr, "%s\n", broken.toLocal8Bit().constData());
        std::abort();
    }
    return 0;
}
