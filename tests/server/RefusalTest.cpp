#include "ServerTest.h"

#include <gmock/gmock.h>

namespace collab::tests {
namespace {

using automation::Variant;
using ::testing::HasSubstr;

using RefusalTest = ServerTest;

struct Refusal {
    const char *label;
    std::function<void(const Variant &)> change;
    const char *description;
};

TEST_F(RefusalTest, SystemBookRefusesEveryChangeAndStaysIntact)
{
    login("bob");
    Variant system = login("alice").get("AddressBooks").call("Item", {1});
    const Refusal refusals[] = {
        {"add entry", [](const Variant &b) { b.get("AddressBookEntries").call("Add", {"Intruder"}); },
         "cannot be added"},
        {"delete entry", [](const Variant &b) { b.get("AddressBookEntries").call("Item", {1}).invoke("Delete"); },
         "cannot be deleted"},
        {"add field",
         [](const Variant &b) {
             b.get("AddressBookEntries").call("Item", {1}).get("Fields").call("Add", {"Note", 1, "x"});
         },
         "cannot be added"},
        {"put value",
         [](const Variant &b) {
             b.get("AddressBookEntries").call("Item", {1}).get("Fields").call("Item", {1}).put("Value", "Mallory");
         },
         "cannot be changed"},
        {"delete field",
         [](const Variant &b) {
             b.get("AddressBookEntries").call("Item", {1}).get("Fields").call("Item", {1}).invoke("Delete");
         },
         "cannot be deleted"},
        {"add definition", [](const Variant &b) { b.get("FieldDefinitions").call("Add", {"Note", 1}); },
         "cannot be added"},
        {"delete book", [](const Variant &b) { b.invoke("Delete"); }, "cannot be deleted"},
    };
    for (const Refusal &refusal : refusals) {
        SCOPED_TRACE(refusal.label);
        const std::string text = failure([&] { refusal.change(system); });
        EXPECT_THAT(text, HasSubstr("system address book"));
        EXPECT_THAT(text, HasSubstr(refusal.description));
    }

    Variant fresh = login("carol").get("AddressBooks").call("Item", {1});
    EXPECT_EQ(fresh.get("ObjType").int32(), 2);
    Variant entries = fresh.get("AddressBookEntries");
    ASSERT_EQ(entries.get("Count").int32(), 3);
    Variant bobFields = entries.call("Item", {1}).get("Fields");
    ASSERT_EQ(bobFields.get("Count").int32(), 4);
    EXPECT_EQ(bobFields.call("Item", {1}).get("Value").string(), "bob");
    EXPECT_EQ(fresh.get("FieldDefinitions").get("Count").int32(), 4);
}

TEST_F(RefusalTest, BookNamesMustBeNonBlankAndUniqueForTheAccount)
{
    Variant books = login("alice").get("AddressBooks");
    const std::string systemName = books.call("Item", {1}).get("Name").string();
    const std::pair<std::string, const char *> refused[] = {
        {"", "empty"},
        {" \t\r\n", "empty"},
        {"Personal Address Book", "already an address book named"},
        {systemName, "already an address book named"},
    };
    for (const auto &[name, description] : refused) {
        SCOPED_TRACE(name);
        EXPECT_THAT(failure([&] { books.call("Add", {name}); }), HasSubstr(description));
    }
    EXPECT_EQ(books.get("Count").int32(), 2);
    // Exact comparison: another case or another account's book is no clash.
    books.call("Add", {"personal address book"});
    login("bob").get("AddressBooks").call("Add", {"Shared Name"});
    books.call("Add", {"Shared Name"});
    EXPECT_EQ(books.get("Count").int32(), 4);
}

TEST_F(RefusalTest, BookDefinesAFieldNameOnce)
{
    Variant definitions = personalBook(login("alice")).get("FieldDefinitions");
    definitions.call("Add", {"Office Phone Number", 1});
    for (const char *again : {"Office Phone Number", "OFFICE PHONE NUMBER"})
        EXPECT_THAT(failure([&] { definitions.call("Add", {again, 1}); }), HasSubstr("already defines"));
    EXPECT_THAT(failure([&] { definitions.call("Add", {" ", 1}); }), HasSubstr("empty"));
    EXPECT_EQ(definitions.get("Count").int32(), 1);
}

// A book with one entry holding one field, and references to all of them.
struct Doomed {
    Variant book, entries, entry, fields, field;
};

Doomed makeDoomed(const Variant &account, const std::string &bookName = "Doomed")
{
    Doomed d;
    d.book = account.get("AddressBooks").call("Add", {bookName});
    d.entries = d.book.get("AddressBookEntries");
    d.entry = d.entries.call("Add", {"Entry"});
    d.fields = d.entry.get("Fields");
    d.field = d.fields.call("Add", {"Field", 1, "value"});
    return d;
}

TEST_F(RefusalTest, DeletingTwiceFails)
{
    const std::pair<const char *, Variant Doomed::*> targets[] = {
        {"field", &Doomed::field}, {"entry", &Doomed::entry}, {"book", &Doomed::book}};
    for (const auto &[label, member] : targets) {
        SCOPED_TRACE(label);
        Doomed d = makeDoomed(login("alice"), label);
        (d.*member).invoke("Delete");
        EXPECT_THAT(failure([&] { (d.*member).invoke("Delete"); }), HasSubstr("no longer exists"));
    }
}

TEST_F(RefusalTest, ReferencesToDeletedObjectsFailOnUse)
{
    const std::pair<const char *, std::function<void(const Doomed &)>> uses[] = {
        {"book name", [](const Doomed &d) { d.book.get("Name"); }},
        {"book entries", [](const Doomed &d) { d.book.get("AddressBookEntries"); }},
        {"book definitions", [](const Doomed &d) { d.book.get("FieldDefinitions"); }},
        {"add entry", [](const Doomed &d) { d.entries.call("Add", {"Late"}); }},
        {"entry items", [](const Doomed &d) { d.entries.call("Item", {1}); }},
        {"display name", [](const Doomed &d) { d.entry.get("DisplayName"); }},
        {"entry fields", [](const Doomed &d) { d.entry.get("Fields"); }},
        {"add field", [](const Doomed &d) { d.fields.call("Add", {"Late", 1, "x"}); }},
        {"field name", [](const Doomed &d) { d.field.get("Name"); }},
        {"read value", [](const Doomed &d) { d.field.get("Value"); }},
        {"write value", [](const Doomed &d) { d.field.put("Value", "late"); }},
    };
    Variant account = login("alice");
    Doomed d = makeDoomed(account);
    // Deleted through a reference of its own, the others learn of it.
    account.get("AddressBooks").call("Item", {3}).invoke("Delete");
    for (const auto &[label, use] : uses) {
        SCOPED_TRACE(label);
        EXPECT_THAT(failure([&] { use(d); }), HasSubstr("no longer exists"));
    }
    EXPECT_EQ(account.get("AddressBooks").get("Count").int32(), 2);
}

TEST_F(RefusalTest, ReferenceToADeletedObjectNeverReachesALaterOne)
{
    Variant entries = personalBook(login("alice")).get("AddressBookEntries");
    Variant last = entries.call("Add", {"Deleted"});
    Variant lastField = last.get("Fields").call("Add", {"Phone", 1, "deleted"});
    // Deleted and replaced through another connection: ids must not be reused.
    Variant other = personalBook(login("alice")).get("AddressBookEntries");
    other.call("Item", {1}).invoke("Delete");
    other.call("Add", {"Newer"}).get("Fields").call("Add", {"Phone", 1, "newer"});

    EXPECT_THAT(failure([&] { lastField.put("Value", "overwritten"); }), HasSubstr("no longer exists"));
    EXPECT_THAT(failure([&] { last.invoke("Delete"); }), HasSubstr("no longer exists"));
    Variant fresh = personalBook(login("alice")).get("AddressBookEntries");
    ASSERT_EQ(fresh.get("Count").int32(), 1);
    EXPECT_EQ(fresh.call("Item", {1}).get("Fields").call("Item", {1}).get("Value").string(), "newer");
}

} // namespace
} // namespace collab::tests
