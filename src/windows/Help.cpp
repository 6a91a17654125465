#include "Help.h"

#include "Program.h"

namespace addressbook {

THelpForm::THelpForm(Program &program) : SecondaryWindow(Placement::DesignPosition), program_(program)
{
    setObjectName(QStringLiteral("HelpForm"));
    setWindowTitle(QStringLiteral("Help"));
    setFont(layoutFont(QStringLiteral("MS Sans Serif"), 11));
    setGeometry(344, 498, 435, 305);
}

void THelpForm::FormCreate() {}

} // namespace addressbook
