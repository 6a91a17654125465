#include "ServerTest.h"

#include <gmock/gmock.h>

namespace collab::tests {
namespace {

using automation::Variant;
using ::testing::HasSubstr;

using SessionTest = ServerTest;

TEST_F(SessionTest, FirstLoginCreatesAccountWithSystemBookFirstAndEmptyPersonalBook)
{
    Variant account = login("alice");
    EXPECT_EQ(account.get("Name").string(), "Name of alice");
    EXPECT_EQ(account.get("UserID").string(), "alice");
    EXPECT_EQ(account.get("EMail").string(), "alice@example.org");

    Variant books = account.get("AddressBooks");
    ASSERT_EQ(books.get("Count").int32(), 2);
    Variant system = books.call("Item", {1});
    EXPECT_EQ(system.get("ObjType").int32(), 2);
    Variant personal = books.call("Item", {2});
    EXPECT_EQ(personal.get("ObjType").int32(), 1);
    EXPECT_EQ(personal.get("Name").string(), "Personal Address Book");
    EXPECT_EQ(personal.get("AddressBookEntries").get("Count").int32(), 0);
}

TEST_F(SessionTest, SystemBookHoldsOneEntryPerAccountWithItsFields)
{
    login("alice");
    login("bob");
    login("alice"); // a second login of an account adds nothing
    Variant system = login("carol").get("AddressBooks").call("Item", {1});
    Variant entries = system.get("AddressBookEntries");
    ASSERT_EQ(entries.get("Count").int32(), 3);

    const char *users[] = {"alice", "bob", "carol"};
    for (int i = 0; i < 3; ++i) {
        Variant entry = entries.call("Item", {i + 1});
        EXPECT_EQ(entry.get("DisplayName").string(), "Name of " + std::string(users[i]));
        Variant fields = entry.get("Fields");
        ASSERT_EQ(fields.get("Count").int32(), 4);
        const std::pair<const char *, std::string> expected[] = {{"Last Name", users[i]},
                                                                 {"First Name", "Name of"},
                                                                 {"User ID", users[i]},
                                                                 {"E-Mail Address", users[i] + std::string("@example.org")}};
        for (int j = 0; j < 4; ++j) {
            Variant field = fields.call("Item", {j + 1});
            EXPECT_EQ(field.get("Name").string(), expected[j].first);
            EXPECT_EQ(field.get("Value").string(), expected[j].second);
        }
    }
    // Every account sees the same directory, each only its own personal books.
    EXPECT_EQ(login("bob").get("AddressBooks").get("Count").int32(), 2);
}

TEST_F(SessionTest, MembersBeforeLoginFailAndLoginTwiceIsHarmless)
{
    Variant s = session("alice");
    EXPECT_THAT(failure([&] { s.get("RootAccount"); }), HasSubstr("Not logged in"));
    s.invoke("Login", {Variant::omitted()});
    s.invoke("Login", {});
    EXPECT_EQ(s.get("RootAccount").get("AddressBooks").get("Count").int32(), 2);
}

TEST_F(SessionTest, MemberNamesResolveWithoutRegardToCase)
{
    Variant account = login("alice");
    EXPECT_EQ(account.get("addressbooks").call("ITEM", {1}).get("objtype").int32(), 2);
    EXPECT_EQ(account.get("userid").string(), "alice");
}

TEST_F(SessionTest, WrongArgumentsGiveStatusCodes)
{
    Variant books = login("alice").get("AddressBooks");
    Variant fields = personalBook(login("alice")).get("AddressBookEntries").call("Add", {"x"}).get("Fields");
    EXPECT_EQ(failureCode([&] { books.call("Item", {}); }), automation::Disp_E_BadParamCount);
    EXPECT_EQ(failureCode([&] { books.call("Item", {1, 2}); }), automation::Disp_E_BadParamCount);
    EXPECT_EQ(failureCode([&] { books.call("Item", {"first"}); }), automation::Disp_E_TypeMismatch);
    EXPECT_EQ(failureCode([&] { fields.call("Add", {"Name", 1}); }), automation::Disp_E_BadParamCount);
    EXPECT_EQ(failureCode([&] { fields.call("Add", {"Name", "one", "v"}); }), automation::Disp_E_TypeMismatch);
}

} // namespace
} // namespace collab::tests
