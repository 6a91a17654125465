#pragma once

#include "SecondaryWindow.h"

namespace addressbook {

class Program;

// The Add Address Book dialog: modeless, kept on top, fixed size.
class TAddAddressBookForm : public SecondaryWindow {
    Q_OBJECT
public:
    explicit TAddAddressBookForm(Program &program);

private:
    Program &program_;
};

} // namespace addressbook
