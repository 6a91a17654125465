#pragma once

#include "SecondaryWindow.h"

namespace addressbook {

class Program;

// The field list dialog: the fields of the entry in the selected row.
// Modeless, kept on top, fixed size.
class TListFieldsForm : public SecondaryWindow {
    Q_OBJECT
public:
    explicit TListFieldsForm(Program &program);

private:
    Program &program_;
};

} // namespace addressbook
