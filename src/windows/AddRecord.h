#pragma once

#include "SecondaryWindow.h"

namespace addressbook {

class Program;

// The record dialog: adds an entry to the book on display or edits the
// entry of the selected row. Modeless, kept on top, fixed size.
class TAddRecordForm : public SecondaryWindow {
    Q_OBJECT
public:
    explicit TAddRecordForm(Program &program);

private:
    Program &program_;
};

} // namespace addressbook
