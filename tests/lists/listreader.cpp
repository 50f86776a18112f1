// Test helper: reads the list file named on its command line as the import
// does and prints on its first line the growth of its peak memory in kB,
// its processor time in milliseconds, the number of rows and of cells read,
// and 1 when built with AddressSanitizer (whose allocator pads each block),
// else 0; then the problem and the notice, a
// line each. Its data may not grow past 1 GB (except under the sanitizer,
// whose shadow memory counts as data), so that a runaway read ends soon in
// a failed allocation instead of taking the machine's memory.
#include "lists/listfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTextStream>

#include <sys/resource.h>

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool Instrumented = true;
#else
constexpr bool Instrumented = false;
#endif

// From /proc, not getrusage: its ru_maxrss keeps the peak of the process
// that started this one, from before the exec.
long peakKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        qFatal("cannot read /proc/self/status");
    static const QRegularExpression peak(QStringLiteral("VmHWM:\\s*(\\d+) kB"));
    return peak.match(QString::fromLatin1(status.readAll())).captured(1).toLong();
}

double cpuMs()
{
    rusage now{};
    getrusage(RUSAGE_SELF, &now);
    const auto ms = [](const timeval &t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return ms(now.ru_utime) + ms(now.ru_stime);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    if (!Instrumented) {
        const rlimit data{rlim_t(1) << 30, rlim_t(1) << 30};
        setrlimit(RLIMIT_DATA, &data);
    }
    const long peakBefore = peakKb();
    const double cpuBefore = cpuMs();
    const ListRead read = readListFile(QString::fromLocal8Bit(argv[1]));
    const double cpu = cpuMs() - cpuBefore;
    qsizetype cells = 0;
    for (const ListRow &row : read.rows)
        cells += row.fields.size();
    QTextStream(stdout) << (peakKb() - peakBefore) << ' ' << cpu << ' ' << read.rows.size() << ' '
                        << cells << ' ' << int(Instrumented) << '\n'
                        << read.problem << '\n'
                        << read.notice << Qt::endl;
    return 0;
}
