#include "ServerTest.h"

#include "automation/Runtime.h"
#include "store/StoreLocation.h"

#include <gmock/gmock.h>
#include <pwd.h>
#include <unistd.h>

namespace collab::tests {
namespace {

using automation::Variant;

using ModuleTest = ServerTest;

// The server as the program reaches it: by ProgID, through the registration
// file beside the test binary, with the store named by the server setting.
TEST_F(ModuleTest, RegisteredModuleServesTheOperatingSystemUserFromTheConfiguredStore)
{
    setenv(store::StoreLocation::Variable, storePath().c_str(), 1);
    {
        Variant session = automation::createObject("valdrinorvastasession");
        session.invoke("Login", {Variant::omitted()});
        Variant account = session.get("RootAccount");
        EXPECT_EQ(account.get("UserID").string(), getpwuid(geteuid())->pw_name);
        Variant books = account.get("AddressBooks");
        EXPECT_EQ(books.get("Count").int32(), 2);
        // A failure raised inside the module arrives with its description.
        EXPECT_THAT(failure([&] { books.call("Item", {9}); }), ::testing::HasSubstr("There is no address book 9"));
    }
    unsetenv(store::StoreLocation::Variable);
    EXPECT_TRUE(std::filesystem::exists(storePath()));
}

} // namespace
} // namespace collab::tests
