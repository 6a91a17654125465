#include "ServerTest.h"

#include <gmock/gmock.h>

namespace collab::tests {
namespace {

using automation::Variant;
using ::testing::HasSubstr;

// One kind of collection: how to reach it from an account (the same one
// every time) and how to add an item of a given name to it.
struct CollectionCase {
    const char *label;
    Variant (*reach)(const Variant &account);
    Variant (*add)(const Variant &collection, const std::string &name);
    const char *nameMember;
    const char *itemNoun; // as in "There is no <noun> 7"
};

const CollectionCase Cases[] = {
    {"Books", [](const Variant &account) { return account.get("AddressBooks"); },
     [](const Variant &c, const std::string &name) { return c.call("Add", {name}); }, "Name", "address book"},
    {"Entries", [](const Variant &account) { return ServerTest::personalBook(account).get("AddressBookEntries"); },
     [](const Variant &c, const std::string &name) { return c.call("Add", {name}); }, "DisplayName", "entry"},
    {"Fields",
     [](const Variant &account) {
         Variant entries = ServerTest::personalBook(account).get("AddressBookEntries");
         if (entries.get("Count").int32() == 0)
             entries.call("Add", {"Someone"});
         return entries.call("Item", {1}).get("Fields");
     },
     [](const Variant &c, const std::string &name) { return c.call("Add", {name, 1, "value of " + name}); }, "Name",
     "field"},
    {"Definitions", [](const Variant &account) { return ServerTest::personalBook(account).get("FieldDefinitions"); },
     [](const Variant &c, const std::string &name) { return c.call("Add", {name, 1}); }, "Name", "field definition"},
};

void PrintTo(const CollectionCase &c, std::ostream *out)
{
    *out << c.label;
}

class CollectionTest : public ServerTest, public ::testing::WithParamInterface<CollectionCase> {};

TEST_P(CollectionTest, AddAppendsLastAndCountAndItemFollowAtOnce)
{
    const CollectionCase &c = GetParam();
    Variant collection = c.reach(login("alice"));
    const std::int32_t initial = collection.get("Count").int32();
    const std::string names[] = {"first", "second", "third"};
    for (int i = 0; i < 3; ++i) {
        Variant added = c.add(collection, names[i]);
        EXPECT_EQ(added.get(c.nameMember).string(), names[i]);
        EXPECT_EQ(collection.get("Count").int32(), initial + i + 1);
        EXPECT_EQ(collection.call("Item", {initial + i + 1}).get(c.nameMember).string(), names[i]);
    }
    // The order is the stored one: another connection reads it back alike.
    Variant again = c.reach(login("alice"));
    ASSERT_EQ(again.get("Count").int32(), initial + 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(again.call("Item", {initial + i + 1}).get(c.nameMember).string(), names[i]);
}

TEST_P(CollectionTest, ItemTakesIndexByValueByReferenceAndInVariantReference)
{
    const CollectionCase &c = GetParam();
    Variant collection = c.reach(login("alice"));
    c.add(collection, "one");
    c.add(collection, "two");
    std::int32_t byRef = collection.get("Count").int32();
    Variant inVariant(byRef - 1);
    EXPECT_EQ(collection.call("Item", {Variant::byRef(byRef)}).get(c.nameMember).string(), "two");
    EXPECT_EQ(collection.call("Item", {Variant::byRef(inVariant)}).get(c.nameMember).string(), "one");
}

TEST_P(CollectionTest, ItemOutsideTheCollectionFailsWithDescription)
{
    const CollectionCase &c = GetParam();
    Variant collection = c.reach(login("alice"));
    c.add(collection, "only");
    const std::int32_t count = collection.get("Count").int32();
    for (std::int32_t index : {0, -1, count + 1}) {
        SCOPED_TRACE(index);
        const std::string text = failure([&] { collection.call("Item", {index}); });
        EXPECT_THAT(text, HasSubstr("There is no " + std::string(c.itemNoun) + " " + std::to_string(index)));
        EXPECT_THAT(text, HasSubstr("holds " + std::to_string(count)));
    }
}

INSTANTIATE_TEST_SUITE_P(Server, CollectionTest, ::testing::ValuesIn(Cases),
                         [](const auto &info) { return std::string(info.param.label); });

} // namespace
} // namespace collab::tests
