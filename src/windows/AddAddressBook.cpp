#include "AddAddressBook.h"

#include "Program.h"

namespace addressbook {

TAddAddressBookForm::TAddAddressBookForm(Program &program)
    : SecondaryWindow(Placement::CentreOnFirstShow), program_(program)
{
    setObjectName(QStringLiteral("AddAddressBookForm"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint);
    setWindowTitle(QStringLiteral("Add a new Address Book"));
    setFixedSize(289, 127);
    setFont(layoutFont(QStringLiteral("MS Sans Serif"), 11));
}

} // namespace addressbook
