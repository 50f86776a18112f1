// libFuzzer target for text lists (CSV, TSV, TXT): reads any bytes as a
// list file, named by the first byte, and checks tests/lists/listrules.h.
#include "lists/listfile.h"
#include "tests/lists/listrules.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const QString names[] = {QStringLiteral("list.csv"), QStringLiteral("list.tsv"),
                                    QStringLiteral("list.txt")};
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const ListRead read = readListText(bytes, names[size > 0 ? data[0] % 3 : 0]);
    const QString broken = ListRules::broken(read, ListRules::Source::Text);
    if (!broken.isEmpty()) {
        std::fprintf(stderr, "%s\n", broken.toLocal8Bit().constData());
        std::abort();
    }
    return 0;
}
