#include "Program.h"

#include "AddAddressBook.h"
#include "AddRecord.h"
#include "AddressMainPelgar.h"
#include "Handler.h"
#include "Help.h"
#include "ListFields.h"

#include "automation/Runtime.h"

#include <QApplication>

namespace addressbook {

Program::Program() = default;

Program::~Program()
{
    endAutomation();
}

bool Program::createWindows()
{
    AddressBookPelgarMainForm = std::make_unique<TAddressBookPelgarMainForm>(*this);
    runHandler([this] { AddressBookPelgarMainForm->FormCreate(); });
    if (terminated_)
        return false;
    AddAddressBookForm = std::make_unique<TAddAddressBookForm>(*this);
    AddRecordForm = std::make_unique<TAddRecordForm>(*this);
    ListFieldsForm = std::make_unique<TListFieldsForm>(*this);
    HelpForm = std::make_unique<THelpForm>(*this);
    runHandler([this] { HelpForm->FormCreate(); });
    return true;
}

int Program::run()
{
    AddressBookPelgarMainForm->show();
    const int code = QApplication::exec();
    endAutomation();
    return code;
}

void Program::endAutomation() noexcept
{
    if (!automation::isInitialized())
        return;
    state.releaseAll();
    automation::uninitialize();
}

bool startupSwitchEndsProgram(const QStringList &arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument.size() < 2 || (argument[0] != QLatin1Char('/') && argument[0] != QLatin1Char('-')))
            continue;
        const QString name = argument.mid(1);
        if (name.compare(QLatin1String("REGSERVER"), Qt::CaseInsensitive) == 0 ||
            name.compare(QLatin1String("UNREGSERVER"), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

int runProgram(int argc, char **argv)
{
    QApplication application(argc, argv);
    // The main window's closing ends the program, open dialogs or not.
    application.setQuitOnLastWindowClosed(false);
    if (startupSwitchEndsProgram(QApplication::arguments()))
        return 0;
    Program program;
    if (!program.createWindows())
        return 1;
    return program.run();
}

} // namespace addressbook
