#pragma once

#include "automation/Variant.h"

namespace addressbook {

// The program-wide state that links the windows. It holds no data of its
// own: only references to the server's objects and the record dialog's mode.
struct ProgramState {
    automation::Variant Session;
    automation::Variant Account;
    automation::Variant AddressBooks;
    automation::Variant CurrentBook;  // the book on display
    automation::Variant Entries;      // CurrentBook.AddressBookEntries as of the last display refresh
    automation::Variant RecordFields; // fields of the entry the record dialog adds or edits
    bool AddingRecord = false;

    // Releases every reference this state holds. Must run before automation
    // use ends on the thread.
    void releaseAll() noexcept
    {
        CurrentBook.clear();
        AddressBooks.clear();
        Entries.clear();
        RecordFields.clear();
        Account.clear();
        Session.clear();
    }
};

} // namespace addressbook
