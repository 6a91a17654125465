#pragma once

#include "ProgramState.h"

#include <QStringList>

#include <memory>

namespace addressbook {

class TAddressBookPelgarMainForm;
class TAddAddressBookForm;
class TAddRecordForm;
class TListFieldsForm;
class THelpForm;

// The ProgID of the collaboration server the program talks to.
inline constexpr const char *SessionProgId = "ValdrinOrvastaSession";

// The running program: the program-wide state and its five windows, each the
// one instance of its class, created hidden at start and kept until the end.
class Program {
public:
    Program();
    ~Program();
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    // Creates the windows in order, each with its creation handler finished
    // before the next: the main window, the Add Address Book dialog, the
    // record dialog, the field list dialog and the help window. Returns false
    // when start-up ended the program (a failed login); then no window after
    // the main window exists and none has been shown.
    bool createWindows();

    // Shows the main window and runs the event loop until it closes.
    int run();

    // Ends the program during start-up (after a failed login).
    void terminate() { terminated_ = true; }
    bool terminated() const { return terminated_; }

    // Releases every reference still held, then ends automation use on this
    // thread, so no reference is released after use has ended. Idempotent.
    void endAutomation() noexcept;

    ProgramState state;
    std::unique_ptr<TAddressBookPelgarMainForm> AddressBookPelgarMainForm;
    std::unique_ptr<TAddAddressBookForm> AddAddressBookForm;
    std::unique_ptr<TAddRecordForm> AddRecordForm;
    std::unique_ptr<TListFieldsForm> ListFieldsForm;
    std::unique_ptr<THelpForm> HelpForm;

private:
    bool terminated_ = false;
};

// True when the command line asks only for (un)registration, "/REGSERVER"
// or "-unregserver" in any case: the program then ends before any window is
// created. "AUTOMATION" and "EMBEDDING" have no effect.
bool startupSwitchEndsProgram(const QStringList &arguments);

// The program entry: switches, the application object, the windows and the
// event loop. Returns the exit code.
int runProgram(int argc, char **argv);

} // namespace addressbook
