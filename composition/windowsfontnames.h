#pragma once

#include <QList>
#include <QString>

#include <functional>

// The Traditional Chinese faces of Windows go by two names: the Chinese one
// that a Chinese Windows lists and sys.ini files keep ("標楷體"), and the
// English one that other Windows list ("DFKai-SB"). Either name stored must
// pick the same face, whichever of the two this machine lists.
namespace WindowsFontNames {

struct Substitution {
    QString missing; // a name this machine does not list
    QString installed; // the other name of the same face, which it does
};

// The substitutions for the names `isInstalled` says are missing while
// their other name is installed.
QList<Substitution> substitutions(const std::function<bool(const QString &)> &isInstalled);

// Makes each missing name resolve to its installed other name. Call at
// start-up, before any font is made.
void install();

} // namespace WindowsFontNames
