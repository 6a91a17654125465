#include "ServerTest.h"

#include "demo/DemoLoader.h"
#include "demo/StoreDump.h"
#include "store/Store.h"
#include "store/StoreError.h"

#include <fstream>
#include <gmock/gmock.h>
#include <sstream>

namespace collab::tests {
namespace {

using automation::Variant;
using ::testing::HasSubstr;

using DemoLoaderTest = ServerTest;

TEST_F(DemoLoaderTest, SampleGivesTheLoggingInUserBooksAndFillsTheDirectory)
{
    {
        store::Store store(storeOptions());
        std::ifstream sample(COLLAB_DEMO_FILE);
        ASSERT_TRUE(sample.is_open());
        demo::DemoLoader::load(store, user("tester"), sample, "demo-store.txt");
    }
    Variant books = login("tester").get("AddressBooks");
    ASSERT_EQ(books.get("Count").int32(), 3);
    const std::int32_t directorySize = books.call("Item", {1}).get("AddressBookEntries").get("Count").int32();
    EXPECT_GE(directorySize, 4); // a few demo accounts and the tester

    Variant entries = books.call("Item", {2}).get("AddressBookEntries");
    ASSERT_EQ(entries.get("Count").int32(), 8);
    const char *standard[] = {"Last Name", "First Name", "Office Phone Number", "User ID", "E-Mail Address"};
    int withTestField = 0;
    for (std::int32_t r = 1; r <= 8; ++r) {
        Variant fields = entries.call("Item", {r}).get("Fields");
        const std::int32_t count = fields.get("Count").int32();
        ASSERT_GE(count, 5);
        for (int j = 0; j < 5; ++j)
            EXPECT_EQ(fields.call("Item", {j + 1}).get("Name").string(), standard[j]);
        for (std::int32_t j = 6; j <= count; ++j)
            withTestField += fields.call("Item", {j}).get("Name").string() == "Test Field";
    }
    EXPECT_GE(withTestField, 1);
    EXPECT_LE(withTestField, 2);
    EXPECT_GE(books.call("Item", {3}).get("AddressBookEntries").get("Count").int32(), 1);

    std::ostringstream dump;
    {
        store::Store store(storeOptions());
        demo::StoreDump::write(store, dump);
    }
    EXPECT_THAT(dump.str(), HasSubstr("(ObjType 2"));
    EXPECT_THAT(dump.str(), HasSubstr("Test Field = "));
}

TEST_F(DemoLoaderTest, FailedLoadWritesNothing)
{
    const std::string huge(1 << 20, 'h');
    const std::pair<std::string, const char *> samples[] = {
        {"account bob | Bob Stone | bob@example.org\n[logging-in user]\nbook B\nfield X = 1\n",
         "sample:4: a field belongs after 'entry'"},
        {"account bob | Bob Stone | bob@example.org\nfrobnicate\n", "sample:2: unknown statement"},
        {"account bob\n", "sample:1: an account needs"},
        {"[logging-in user]\nbook B\nentry One\nfield X = 1\nentry Two\nfield Big = " + huge + "\n",
         "the store is full"},
    };
    {
        store::Store created(storeOptions()); // so the page count is known
    }
    store::StoreOptions capped = storeOptions();
    capped.maxPageCount = 64;
    for (const auto &[text, description] : samples) {
        SCOPED_TRACE(description);
        store::Store store(capped);
        std::istringstream sample(text);
        try {
            demo::DemoLoader::load(store, user("tester"), sample, "sample");
            ADD_FAILURE() << "the load succeeded";
        } catch (const std::exception &error) {
            EXPECT_THAT(error.what(), HasSubstr(description));
        }
        EXPECT_TRUE(store.accounts().empty());
    }
}

} // namespace
} // namespace collab::tests
