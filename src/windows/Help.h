#pragma once

#include "SecondaryWindow.h"

namespace addressbook {

class Program;

// The help window: an ordinary, sizeable window showing the help text.
class THelpForm : public SecondaryWindow {
    Q_OBJECT
public:
    explicit THelpForm(Program &program);

    // Creation handler: loads the help text.
    void FormCreate();

private:
    Program &program_;
};

} // namespace addressbook
