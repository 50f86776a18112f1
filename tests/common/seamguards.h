#pragma once

#include "frontend/filedialogs.h"
#include "frontend/printeraccess.h"
#include "frontend/usermessages.h"

#include <utility>

// Installs a test's answer to one of the program's seams and always takes it
// away again, also when a failed check returns from the test early (the
// answer usually refers to the test's locals).
template<auto Install, typename Answer> class SeamGuard
{
public:
    explicit SeamGuard(Answer answer) { Install(std::move(answer)); }
    ~SeamGuard() { Install({}); }
    SeamGuard(const SeamGuard &) = delete;
    SeamGuard &operator=(const SeamGuard &) = delete;
};

using FileDialogAnswer = SeamGuard<&FileDialogs::setAnswerer, FileDialogs::Answerer>;
using PrinterHooks = SeamGuard<&PrinterAccess::setHooks, PrinterAccess::Hooks>;
using MessageAnswer = SeamGuard<&UserMessages::setAnswerer, UserMessages::Answerer>;
