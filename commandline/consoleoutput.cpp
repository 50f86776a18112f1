#include "commandline/consoleoutput.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace ConsoleOutput {

#ifdef Q_OS_WIN

namespace {

// The handle of stdout or stderr: the one the program was given (a file,
// pipe or console), else the console of the process that started it.
HANDLE standardHandle(std::FILE *stream)
{
    const DWORD which = stream == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE;
    const HANDLE given = GetStdHandle(which);
    if (given != nullptr && given != INVALID_HANDLE_VALUE)
        return given;
    static const HANDLE parentConsole = [] {
        if (!AttachConsole(ATTACH_PARENT_PROCESS))
            return INVALID_HANDLE_VALUE;
        return CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    }();
    return parentConsole;
}

} // namespace

void writeLine(std::FILE *stream, const QString &line)
{
    const QString text = line + QStringLiteral("\r\n");
    const HANDLE handle = standardHandle(stream);
    if (handle == INVALID_HANDLE_VALUE)
        return; // started without any console or redirection: nobody reads it
    DWORD mode = 0;
    DWORD written = 0;
    if (GetConsoleMode(handle, &mode)) {
        WriteConsoleW(handle, text.utf16(), DWORD(text.size()), &written, nullptr);
        return;
    }
    const QByteArray bytes = text.toUtf8();
    WriteFile(handle, bytes.constData(), DWORD(bytes.size()), &written, nullptr);
}

#else

void writeLine(std::FILE *stream, const QString &line)
{
    std::fputs(qUtf8Printable(line + u'\n'), stream);
}

#endif

} // namespace ConsoleOutput
