#include "RecordingObject.h"

#include <automation/Error.h>
#include <automation/Runtime.h>
#include <automation/ServerRegistry.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <thread>

using namespace automation;
using automationtest::RecordingObject;
using testing::ElementsAre;
using testing::IsEmpty;

namespace {

// Use is per thread, and the main thread's stays started for the whole run.
void onNewThread(const std::function<void()> &body)
{
    std::thread(body).join();
}

TEST(Runtime, UseNestsPerThread)
{
    onNewThread([] {
        EXPECT_FALSE(isInitialized());
        initialize();
        initialize();
        uninitialize();
        EXPECT_TRUE(isInitialized());
        onNewThread([] { EXPECT_FALSE(isInitialized()); });
        uninitialize();
        EXPECT_FALSE(isInitialized());
        uninitialize(); // unbalanced: ignored, not counted ahead
        initialize();
        EXPECT_TRUE(isInitialized());
        uninitialize();
    });
    EXPECT_TRUE(isInitialized());
}

TEST(Runtime, CreateObjectNeedsUseStarted)
{
    ServerRegistry::instance().registerFactory("RuntimeTest.Object", [](Dispatch **object) {
        *object = new RecordingObject("created", nullptr);
        return S_Ok;
    });
    onNewThread([] {
        try {
            createObject("RuntimeTest.Object");
            ADD_FAILURE() << "created without use started";
        } catch (const Error &e) {
            EXPECT_STREQ(e.what(), "CoInitialize has not been called");
            EXPECT_EQ(e.code(), Co_E_NotInitialized);
        }
    });
    EXPECT_TRUE(createObject("RuntimeTest.Object").isObject());
    ServerRegistry::instance().unregisterFactory("RuntimeTest.Object");
}

TEST(Runtime, ReleasesAfterUseEndedAreRefusedAndCounted)
{
    onNewThread([] {
        std::vector<std::string> log;
        initialize();
        auto *object = new RecordingObject("late", &log);
        Variant first = Variant::adopt(object);
        Variant second = first;
        uninitialize();
        const std::uint64_t before = releasesAfterUse();
        first.clear();
        EXPECT_EQ(releasesAfterUse(), before + 1);
        EXPECT_EQ(object->references(), 2u);
        EXPECT_TRUE(first.isEmpty());

        initialize(); // started again: releases pass
        second.clear();
        EXPECT_EQ(object->references(), 1u);
        EXPECT_EQ(releasesAfterUse(), before + 1);
        object->release();
        uninitialize();
        EXPECT_THAT(log, ElementsAre("destroy late"));
    });
}

TEST(Runtime, ReleasesPassOnThreadsThatNeverStartedUse)
{
    onNewThread([] {
        std::vector<std::string> log;
        const std::uint64_t before = releasesAfterUse();
        Variant v = Variant::adopt(new RecordingObject("free", &log));
        v.clear();
        EXPECT_THAT(log, ElementsAre("destroy free"));
        EXPECT_EQ(releasesAfterUse(), before);
    });
}

} // namespace
