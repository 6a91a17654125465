#include "AddRecord.h"

#include "Program.h"

namespace addressbook {

TAddRecordForm::TAddRecordForm(Program &program)
    : SecondaryWindow(Placement::CentreOnFirstShow), program_(program)
{
    setObjectName(QStringLiteral("AddRecordForm"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint);
    setWindowTitle(QStringLiteral("Add/Edit Record"));
    setFixedSize(224, 230);
    setFont(layoutFont(QStringLiteral("MS Sans Serif"), 11));
}

} // namespace addressbook
