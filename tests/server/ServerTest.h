#pragma once

#include "automation/Variant.h"
#include "objects/Session.h"
#include "store/Records.h"
#include "store/StoreOptions.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace collab::tests {

// Every test starts from a fresh store file in its own temp folder, with
// automation use started on the test thread. Sessions are made through the
// server's C++ API with an explicit user, so several accounts can share one
// store.
class ServerTest : public ::testing::Test {
public:
    // The account's own personal book (Item 2 of a new account).
    static automation::Variant personalBook(const automation::Variant &account);

    // The text of the automation::Error that work throws, or "(no failure)".
    static std::string failure(const std::function<void()> &work);
    // The status code of that error, or S_Ok.
    static automation::HResult failureCode(const std::function<void()> &work);

protected:
    void SetUp() override;
    void TearDown() override;

    std::filesystem::path storePath() const { return folder_ / "store.sqlite"; }
    const std::filesystem::path &folder() const { return folder_; }

    static store::UserIdentity user(const std::string &userId);
    store::StoreOptions storeOptions() const { return store::StoreOptions{storePath(), false, {}}; }

    // A session on the test store, not yet logged in.
    automation::Variant session(const std::string &userId = "alice") const;
    automation::Variant session(const store::StoreOptions &options, const std::string &userId) const;
    // A logged-in session's RootAccount.
    automation::Variant login(const std::string &userId = "alice") const;
    automation::Variant login(const store::StoreOptions &options, const std::string &userId) const;


private:
    std::filesystem::path folder_;
};

} // namespace collab::tests
