#include "ServerTest.h"

#include "automation/Error.h"
#include "automation/Runtime.h"

#include <cstdlib>

namespace collab::tests {

void ServerTest::SetUp()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "collab-server-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
    automation::initialize();
}

void ServerTest::TearDown()
{
    automation::uninitialize();
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

store::UserIdentity ServerTest::user(const std::string &userId)
{
    return store::UserIdentity{userId, "Name of " + userId, "Name of", userId, userId + "@example.org"};
}

automation::Variant ServerTest::session(const std::string &userId) const
{
    return session(storeOptions(), userId);
}

automation::Variant ServerTest::session(const store::StoreOptions &options, const std::string &userId) const
{
    return automation::Variant::adopt(objects::Session::create(objects::SessionOptions{options, user(userId)}));
}

automation::Variant ServerTest::login(const std::string &userId) const
{
    return login(storeOptions(), userId);
}

automation::Variant ServerTest::login(const store::StoreOptions &options, const std::string &userId) const
{
    automation::Variant s = session(options, userId);
    s.invoke("Login", {automation::Variant::omitted()});
    return s.get("RootAccount");
}

automation::Variant ServerTest::personalBook(const automation::Variant &account)
{
    return account.get("AddressBooks").call("Item", {2});
}

std::string ServerTest::failure(const std::function<void()> &work)
{
    try {
        work();
    } catch (const automation::Error &error) {
        return error.what();
    }
    return "(no failure)";
}

automation::HResult ServerTest::failureCode(const std::function<void()> &work)
{
    try {
        work();
    } catch (const automation::Error &error) {
        return error.code();
    }
    return automation::S_Ok;
}

} // namespace collab::tests
