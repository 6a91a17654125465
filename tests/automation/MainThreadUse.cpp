#include <automation/Runtime.h>

#include <gtest/gtest.h>

namespace {

// Automation use stays started on the main thread for the whole run: once it
// ended there, every later release on it would be refused. Tests that start
// or end use run on threads of their own.
class MainThreadUse : public testing::Environment {
public:
    void SetUp() override { automation::initialize(); }
    void TearDown() override { automation::uninitialize(); }
};

[[maybe_unused]] testing::Environment *const mainThreadUse = testing::AddGlobalTestEnvironment(new MainThreadUse);

} // namespace
