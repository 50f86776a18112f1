// libFuzzer target for the INI module: reads any bytes as a file and saves
// it in memory through the program's own save, checking the rules of
// tests/sheet/iniroundtrip.h (bytes kept, intact values kept, new values
// read back, a damaged file never written without its copy).
#include "tests/sheet/iniroundtrip.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    unsigned seed = 0;
    for (std::size_t i = 0; i < size && i < 8; ++i)
        seed = seed * 31 + data[i];
    const QString problem = IniRoundTrip::check(bytes, seed);
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", problem.toLocal8Bit().constData());
        std::abort();
    }
    return 0;
}
