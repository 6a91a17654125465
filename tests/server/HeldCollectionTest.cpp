#include "ServerTest.h"

#include <gmock/gmock.h>

namespace collab::tests {
namespace {

using automation::Variant;
using ::testing::HasSubstr;

constexpr std::int32_t Entries = 3;

std::string numbered(const std::string &prefix, std::int32_t i)
{
    return prefix + "-" + std::to_string(i);
}

// alice's personal book with entries E-1..E-3, each holding Phone = p-i and
// Mobile = m-i. Another connection changes the book while one is held, so a
// test sees whether the held collection read it again.
class HeldCollectionTest : public ServerTest {
protected:
    void SetUp() override
    {
        ServerTest::SetUp();
        Variant entries = personalBook(login("alice")).get("AddressBookEntries");
        for (std::int32_t i = 1; i <= Entries; ++i) {
            Variant fields = entries.call("Add", {numbered("E", i)}).get("Fields");
            fields.call("Add", {"Phone", 1, numbered("p", i)});
            fields.call("Add", {"Mobile", 1, numbered("m", i)});
        }
    }

    // Through a connection of its own: a new entry, and entry 3's Phone.
    void changeElsewhere() const
    {
        Variant theirs = personalBook(login("alice")).get("AddressBookEntries");
        theirs.call("Add", {"Theirs"});
        theirs.call("Item", {3}).get("Fields").call("Item", {1}).put("Value", "theirs");
    }

    static Variant phoneOf(const Variant &entries, std::int32_t i)
    {
        return entries.call("Item", {i}).get("Fields").call("Item", {1});
    }
};

// One kind of write to an entry's fields, made in rounds, and what the
// entry's fields hold after `round` of them.
struct FieldWrite {
    const char *label;
    void (*write)(const Variant &fields, std::int32_t entry, int round);
    void (*expect)(const Variant &fields, std::int32_t entry, int round);
};

std::string roundValue(std::int32_t entry, int round)
{
    return numbered("r" + std::to_string(round), entry);
}

const FieldWrite Writes[] = {
    {"AddField",
     [](const Variant &fields, std::int32_t entry, int round) {
         fields.call("Add", {"Note", 1, roundValue(entry, round)});
     },
     [](const Variant &fields, std::int32_t entry, int round) {
         ASSERT_EQ(fields.get("Count").int32(), 2 + round);
         EXPECT_EQ(fields.call("Item", {2 + round}).get("Value").string(), roundValue(entry, round));
     }},
    {"PutValue",
     [](const Variant &fields, std::int32_t entry, int round) {
         fields.call("Item", {1}).put("Value", roundValue(entry, round));
     },
     [](const Variant &fields, std::int32_t entry, int round) {
         ASSERT_EQ(fields.get("Count").int32(), 2);
         EXPECT_EQ(fields.call("Item", {1}).get("Value").string(), roundValue(entry, round));
         EXPECT_EQ(fields.call("Item", {2}).get("Value").string(), numbered("m", entry));
     }},
    {"DeleteField", [](const Variant &fields, std::int32_t, int) { fields.call("Item", {1}).invoke("Delete"); },
     [](const Variant &fields, std::int32_t, int round) {
         ASSERT_EQ(fields.get("Count").int32(), 2 - round);
         if (round == 1) {
             EXPECT_EQ(fields.call("Item", {1}).get("Name").string(), "Mobile");
         }
     }},
};

void PrintTo(const FieldWrite &w, std::ostream *out)
{
    *out << w.label;
}

class HeldCollectionWriteTest : public HeldCollectionTest, public ::testing::WithParamInterface<FieldWrite> {};

TEST_P(HeldCollectionWriteTest, WritesToEntriesAreSeenAtOnceAndLeaveTheRestOfTheSnapshot)
{
    const FieldWrite &w = GetParam();
    Variant book = personalBook(login("alice"));
    Variant entries = book.get("AddressBookEntries");
    // Held from before the writes.
    Variant firstFields = entries.call("Item", {1}).get("Fields");
    Variant second = entries.call("Item", {2});
    changeElsewhere();

    for (int round = 1; round <= 2; ++round) {
        SCOPED_TRACE(round);
        // Entry 1 through the held collection, entry 2 through a fresh fetch
        // of the same connection.
        w.write(entries.call("Item", {1}).get("Fields"), 1, round);
        w.write(book.get("AddressBookEntries").call("Item", {2}).get("Fields"), 2, round);

        for (std::int32_t i : {1, 2}) {
            SCOPED_TRACE(i);
            w.expect(entries.call("Item", {i}).get("Fields"), i, round);
        }
        w.expect(firstFields, 1, round);
        w.expect(second.get("Fields"), 2, round);
        // Untouched by this connection: still as fetched.
        EXPECT_EQ(entries.get("Count").int32(), Entries);
        EXPECT_EQ(phoneOf(entries, 3).get("Value").string(), "p-3");
    }
}

INSTANTIATE_TEST_SUITE_P(Server, HeldCollectionWriteTest, ::testing::ValuesIn(Writes),
                         [](const auto &info) { return std::string(info.param.label); });

TEST_F(HeldCollectionTest, AddedAndDeletedEntriesShowInAHeldCollectionWithEarlierWritesKept)
{
    Variant book = personalBook(login("alice"));
    Variant entries = book.get("AddressBookEntries");
    Variant first = entries.call("Item", {1});
    phoneOf(entries, 2).put("Value", "mine-2");
    ASSERT_EQ(phoneOf(entries, 2).get("Value").string(), "mine-2");
    changeElsewhere();

    // Positions shift: nothing read for entry 2 may stay at position 2.
    first.invoke("Delete");
    ASSERT_EQ(entries.get("Count").int32(), Entries); // 3 left, one of them added elsewhere
    EXPECT_EQ(entries.call("Item", {1}).get("DisplayName").string(), "E-2");
    EXPECT_EQ(phoneOf(entries, 1).get("Value").string(), "mine-2");
    EXPECT_EQ(entries.call("Item", {2}).get("DisplayName").string(), "E-3");
    EXPECT_EQ(phoneOf(entries, 2).get("Value").string(), "theirs"); // the list was read again

    book.get("AddressBookEntries").call("Add", {"Mine"});
    ASSERT_EQ(entries.get("Count").int32(), Entries + 1);
    EXPECT_EQ(entries.call("Item", {Entries + 1}).get("DisplayName").string(), "Mine");
    phoneOf(entries, 1).put("Value", "mine-again");
    EXPECT_EQ(phoneOf(entries, 1).get("Value").string(), "mine-again");
    EXPECT_EQ(entries.call("Item", {Entries + 1}).get("DisplayName").string(), "Mine");
}

TEST_F(HeldCollectionTest, EntryReadAgainAfterAWriteIsServedFromMemoryUntilTheNextWrite)
{
    Variant entries = personalBook(login("alice")).get("AddressBookEntries");
    Variant theirs = personalBook(login("alice")).get("AddressBookEntries");
    auto mobileOf = [&](std::int32_t i) {
        return entries.call("Item", {i}).get("Fields").call("Item", {2}).get("Value").string();
    };
    phoneOf(entries, 1).put("Value", "mine");
    ASSERT_EQ(phoneOf(entries, 1).get("Value").string(), "mine");

    theirs.call("Item", {1}).get("Fields").call("Item", {2}).put("Value", "theirs");
    EXPECT_EQ(mobileOf(1), "m-1");
    EXPECT_EQ(mobileOf(1), "m-1");

    phoneOf(entries, 1).put("Value", "mine again");
    EXPECT_EQ(phoneOf(entries, 1).get("Value").string(), "mine again");
    EXPECT_EQ(mobileOf(1), "theirs");

    // The same again for an entry already read again once.
    theirs.call("Item", {1}).get("Fields").call("Item", {2}).put("Value", "theirs later");
    EXPECT_EQ(mobileOf(1), "theirs");
}

TEST_F(HeldCollectionTest, ObjectsOfAnEntryDeletedThroughAnotherReferenceFailOnUse)
{
    Variant book = personalBook(login("alice"));
    Variant entries = book.get("AddressBookEntries");
    Variant entry = entries.call("Item", {1});
    Variant fields = entry.get("Fields");
    Variant field = fields.call("Item", {1});
    const std::pair<const char *, std::function<void()>> uses[] = {
        {"display name", [&] { entry.get("DisplayName"); }},
        {"entry fields", [&] { entry.get("Fields"); }},
        {"field count", [&] { fields.get("Count"); }},
        {"field item", [&] { fields.call("Item", {1}); }},
        {"add field", [&] { fields.call("Add", {"Late", 1, "x"}); }},
        {"field name", [&] { field.get("Name"); }},
        {"read value", [&] { field.get("Value"); }},
        {"write value", [&] { field.put("Value", "late"); }},
        {"delete again", [&] { entry.invoke("Delete"); }},
    };
    book.get("AddressBookEntries").call("Item", {1}).invoke("Delete");
    for (const auto &[label, use] : uses) {
        SCOPED_TRACE(label);
        EXPECT_THAT(failure(use), HasSubstr("no longer exists"));
    }
    // The others stay usable.
    ASSERT_EQ(entries.get("Count").int32(), Entries - 1);
    EXPECT_EQ(phoneOf(entries, 1).get("Value").string(), "p-2");
}

} // namespace
} // namespace collab::tests
