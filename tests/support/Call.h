#pragma once

#include "Argument.h"

#include <string>
#include <vector>

namespace scripted {

// One call the scripted server received.
//
// text() is the form tests compare against:
//   Books.Count                      read (Method|PropertyGet, no arguments)
//   Books.Item(1)                    method call; arguments as Argument::text()
//   Book.Delete()                    method call without arguments
//   Field.Value=("x")                property write
//   Books.Item{method|get}(1)        any other combination of invoke flags
// The receiver is named by kind: Session, Account, Books, Book, Entries,
// Entry, Fields, Field, Definitions, Definition, or Object (a member-less
// object handed out by Reply::object()). The member is spelled as the
// caller sent it.
//
// detailedText() names the receiver with its identity at the time of the
// call: Book[Personal], Entries[Personal], Entry[Personal/Smith],
// Fields[Personal/Smith], Field[Personal/Smith/Phone],
// Definitions[Personal], Definition[Personal/Phone]; Session, Account and
// Books stay plain.
struct Call {
    std::string receiver;
    std::string receiverDetail;
    std::string member;
    unsigned flags = 0; // automation::InvokeFlags
    std::vector<Argument> args;

    std::string text() const;
    std::string detailedText() const;
};

} // namespace scripted
