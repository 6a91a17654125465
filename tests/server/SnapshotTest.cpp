#include "ServerTest.h"

#include <gmock/gmock.h>

namespace collab::tests {
namespace {

using automation::Variant;

class SnapshotTest : public ServerTest {
protected:
    // alice's personal book with one entry "First" holding Phone = "old".
    void SetUp() override
    {
        ServerTest::SetUp();
        Variant entry = personalBook(login("alice")).get("AddressBookEntries").call("Add", {"First"});
        entry.get("Fields").call("Add", {"Phone", 1, "old"});
    }
};

TEST_F(SnapshotTest, FetchedCollectionKeepsItsStateWhileAFreshFetchSeesOtherConnectionsChanges)
{
    Variant book = personalBook(login("alice"));
    Variant entries = book.get("AddressBookEntries");
    Variant entry = entries.call("Item", {1});

    Variant other = personalBook(login("alice")).get("AddressBookEntries");
    other.call("Add", {"Second"});
    other.call("Item", {1}).get("Fields").call("Item", {1}).put("Value", "new");

    EXPECT_EQ(entries.get("Count").int32(), 1);
    EXPECT_EQ(entries.call("Item", {1}).get("Fields").call("Item", {1}).get("Value").string(), "old");
    // An entry of the old collection shows the same state as the rest of it.
    EXPECT_EQ(entry.get("Fields").call("Item", {1}).get("Value").string(), "old");

    Variant fresh = book.get("AddressBookEntries");
    ASSERT_EQ(fresh.get("Count").int32(), 2);
    EXPECT_EQ(fresh.call("Item", {2}).get("DisplayName").string(), "Second");
    EXPECT_EQ(fresh.call("Item", {1}).get("Fields").call("Item", {1}).get("Value").string(), "new");
}

TEST_F(SnapshotTest, OwnChangesAreSeenAtOnceByObjectsFetchedBefore)
{
    Variant book = personalBook(login("alice"));
    Variant entries = book.get("AddressBookEntries");
    Variant entry = entries.call("Item", {1});
    Variant fields = entry.get("Fields");
    Variant phone = fields.call("Item", {1});

    // Changes made through other references of the same connection.
    book.get("AddressBookEntries").call("Item", {1}).get("Fields").call("Item", {1}).put("Value", "mine");
    EXPECT_EQ(phone.get("Value").string(), "mine");

    book.get("AddressBookEntries").call("Item", {1}).get("Fields").call("Add", {"Phone", 1, "second phone"});
    EXPECT_EQ(fields.get("Count").int32(), 2);
    EXPECT_EQ(entry.get("Fields").call("Item", {2}).get("Value").string(), "second phone");

    book.get("AddressBookEntries").call("Add", {"Second"});
    ASSERT_EQ(entries.get("Count").int32(), 2);
    entries.call("Item", {1}).invoke("Delete");
    ASSERT_EQ(entries.get("Count").int32(), 1);
    EXPECT_EQ(entries.call("Item", {1}).get("DisplayName").string(), "Second");
}

TEST_F(SnapshotTest, WritesThroughAnOldSnapshotDetectAnotherConnectionsDelete)
{
    Variant phone = personalBook(login("alice")).get("AddressBookEntries").call("Item", {1});
    Variant field = phone.get("Fields").call("Item", {1});
    personalBook(login("alice")).get("AddressBookEntries").call("Item", {1}).invoke("Delete");

    EXPECT_EQ(field.get("Value").string(), "old"); // reads still answer from the snapshot
    EXPECT_THAT(failure([&] { field.put("Value", "lost"); }), ::testing::HasSubstr("no longer exists"));
    EXPECT_THAT(failure([&] { phone.get("Fields").call("Add", {"X", 1, "lost"}); }),
                ::testing::HasSubstr("no longer exists"));
    EXPECT_EQ(personalBook(login("alice")).get("AddressBookEntries").get("Count").int32(), 0);
}

} // namespace
} // namespace collab::tests
