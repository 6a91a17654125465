#include "ListFields.h"

#include "Program.h"

namespace addressbook {

TListFieldsForm::TListFieldsForm(Program &program)
    : SecondaryWindow(Placement::CentreOnFirstShow), program_(program)
{
    setObjectName(QStringLiteral("ListFieldsForm"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint);
    setWindowTitle(QStringLiteral("List of fields in Address Book"));
    setFixedSize(244, 258);
    setFont(layoutFont(QStringLiteral("MS Sans Serif"), 11));
}

} // namespace addressbook
