#pragma once

#include <QString>

namespace addressbook {

// The application title: the program file's name without its folder and
// without everything from its first period on, every character after the
// first in lower case ("/opt/x/AddressPelgar.bin" gives "Addresspelgar").
QString applicationTitleFor(const QString &programPath);

// The title of the running program.
QString applicationTitle();

} // namespace addressbook
