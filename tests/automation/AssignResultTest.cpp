#include "RecordingObject.h"

#include <automation/Dispatch.h>
#include <automation/Error.h>
#include <automation/Variant.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

using namespace automation;
using automationtest::RecordingObject;
using testing::ElementsAre;
using testing::ElementsAreArray;

namespace {

// Storing a call's result into a variable that holds an object: the log
// shows when the old object goes relative to resolving and sending, and
// what the target holds at each step.
class AssignResultTest : public testing::Test {
protected:
    void SetUp() override
    {
        server->state = [this] { return target.isEmpty() ? std::string("target empty") : "target holds " + heldLabel(); };
        server->unknownNames = {"Frobnicate"};
    }

    std::string heldLabel() const { return target.object() == old ? "old" : "other"; }

    std::vector<std::string> log;
    RecordingObject *server = new RecordingObject("server", &log);
    Variant receiver = Variant::adopt(server);
    RecordingObject *old = new RecordingObject("old", &log);
    Variant target = Variant::adopt(old);
};

TEST_F(AssignResultTest, TargetIsEmptiedAfterResolvingAndBeforeSending)
{
    std::int32_t index = 2;
    struct Row {
        const char *shows;
        std::function<void(Variant &, const Variant &)> assign;
        const char *member;
        HResult status;
        std::vector<std::string> log;
        const char *failure;
    };
    const Row rows[] = {
        {"get", [](Variant &t, const Variant &r) { assignGet(t, r, "Parent"); }, "Parent", S_Ok,
         {"resolve Parent: target holds old", "destroy old", "invoke Parent: target empty"}, ""},
        {"call", [&](Variant &t, const Variant &r) { assignCall(t, r, "Item", {Variant::byRef(index)}); }, "Item",
         S_Ok, {"resolve Item: target holds old", "destroy old", "invoke Item: target empty"}, ""},
        {"failing call", [](Variant &t, const Variant &r) { assignCall(t, r, "Find", {Variant("x")}); }, "Find",
         Disp_E_BadIndex, {"resolve Find: target holds old", "destroy old", "invoke Find: target empty"},
         "Invalid index"},
        {"unknown member", [](Variant &t, const Variant &r) { assignGet(t, r, "Frobnicate"); }, "Frobnicate", S_Ok,
         {"resolve Frobnicate: target holds old"}, "Method 'Frobnicate' not supported by OLE object"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.shows);
        log.clear();
        old = new RecordingObject("old", &log);
        target = Variant::adopt(old);
        log.clear();
        server->answer = [&](const std::string &, std::span<Variant>, Variant *result, ExceptionInfo &) {
            if (!failed(row.status))
                *result = Variant(row.member);
            return row.status;
        };

        std::string failure;
        try {
            row.assign(target, receiver);
        } catch (const Error &e) {
            failure = e.what();
        }
        EXPECT_EQ(failure, row.failure);
        EXPECT_THAT(log, ElementsAreArray(row.log));
        if (failed(row.status))
            EXPECT_TRUE(target.isEmpty());
        else if (std::string(row.member) == "Frobnicate")
            EXPECT_EQ(target.object(), old);
        else
            EXPECT_EQ(target, Variant(row.member));
    }
}

TEST_F(AssignResultTest, AReceiverHeldOnlyByTheTargetLivesThroughTheCall)
{
    auto *next = new RecordingObject("next", &log);
    old->answer = [next](const std::string &, std::span<Variant>, Variant *result, ExceptionInfo &) {
        *result = Variant(static_cast<Dispatch *>(next));
        return S_Ok;
    };
    assignGet(target, target, "Next");
    EXPECT_THAT(log, ElementsAre("resolve Next", "invoke Next", "destroy old"));
    EXPECT_EQ(target.object(), next);
    next->release();
}

} // namespace
