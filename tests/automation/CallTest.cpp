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

namespace {

// A failed call's text and code, or "(no failure)".
std::pair<std::string, HResult> failureOf(const std::function<void()> &call)
{
    try {
        call();
    } catch (const Error &e) {
        return {e.what(), e.code()};
    }
    return {"(no failure)", S_Ok};
}

class CallTest : public testing::Test {
protected:
    std::vector<std::string> log;
    RecordingObject *server = new RecordingObject("server", &log);
    Variant receiver = Variant::adopt(server);
};

TEST_F(CallTest, EachOperationSendsItsInvokeKind)
{
    struct Row {
        const char *member;
        std::function<void(const Variant &)> send;
        unsigned flags;
        std::size_t argumentCount;
        bool resultWanted;
    };
    const Row rows[] = {
        {"Count", [](const Variant &r) { r.get("Count"); }, Method | PropertyGet, 0, true},
        {"Name", [](const Variant &r) { r.property("Name"); }, PropertyGet, 0, true},
        {"Item", [](const Variant &r) { r.call("Item", {Variant(1)}); }, Method, 1, true},
        {"Refresh", [](const Variant &r) { r.call("Refresh", {}); }, Method | PropertyGet, 0, true},
        {"Login", [](const Variant &r) { r.invoke("Login", {Variant::omitted()}); }, Method, 1, false},
        {"Delete", [](const Variant &r) { r.invoke("Delete"); }, Method, 0, false},
        {"Value", [](const Variant &r) { r.put("Value", Variant("x")); }, PropertyPut, 1, false},
        {"Next", [](const Variant &r) { Variant t; assignGet(t, r, "Next"); }, Method | PropertyGet, 0, true},
        {"Find", [](const Variant &r) { Variant t; assignCall(t, r, "Find", {Variant(2)}); }, Method, 1, true},
        {"Reset", [](const Variant &r) { Variant t; assignCall(t, r, "Reset", {}); }, Method | PropertyGet, 0, true},
    };
    for (const Row &row : rows) {
        row.send(receiver);
        ASSERT_FALSE(server->received.empty());
        const RecordingObject::Received &got = server->received.back();
        EXPECT_EQ(got.member, row.member);
        EXPECT_EQ(got.flags, row.flags) << row.member;
        EXPECT_EQ(got.args.size(), row.argumentCount) << row.member;
        EXPECT_EQ(got.resultWanted, row.resultWanted) << row.member;
    }
    EXPECT_EQ(server->received.size(), std::size(rows));
}

TEST_F(CallTest, ArgumentsArriveInOrderAsSentAndByReferenceWritesReachTheCaller)
{
    server->answer = [](const std::string &, std::span<Variant> args, Variant *, ExceptionInfo &) {
        *args[1].int32Ref() = 40;
        *args[2].variantRef() = Variant("written");
        return S_Ok;
    };
    // Four arguments fit the call's own storage, five do not.
    for (std::size_t count : {4u, 5u}) {
        std::int32_t number = 7;
        Variant boxed(8);
        const std::initializer_list<Variant> all{Variant(3), Variant::byRef(number), Variant::byRef(boxed),
                                                 Variant("s"), Variant::omitted()};
        if (count == 4)
            receiver.call("Add", {all.begin()[0], all.begin()[1], all.begin()[2], all.begin()[3]});
        else
            receiver.call("Add", all);

        const auto &args = server->received.back().args;
        ASSERT_EQ(args.size(), count);
        EXPECT_EQ(args[0], Variant(3));
        EXPECT_EQ(args[1].type(), VarType::Int32Ref);
        EXPECT_EQ(args[2].type(), VarType::VariantRef);
        EXPECT_EQ(args[3], Variant("s"));
        if (count == 5) {
            EXPECT_TRUE(args[4].isOmitted());
        }
        EXPECT_EQ(number, 40) << count;
        EXPECT_EQ(boxed, Variant("written")) << count;
    }
}

TEST_F(CallTest, PutSendsTheValueAndResultsComeBack)
{
    server->answer = [](const std::string &member, std::span<Variant>, Variant *result, ExceptionInfo &) {
        if (result)
            *result = Variant(member + " result");
        return S_Ok;
    };
    receiver.put("Value", Variant(12));
    EXPECT_EQ(server->received.back().args.at(0), Variant(12));
    EXPECT_EQ(receiver.get("Name"), Variant("Name result"));
    EXPECT_EQ(receiver.call("Item", {Variant(1)}), Variant("Item result"));
}

TEST_F(CallTest, AResultWrittenBeforeAFailureIsReleased)
{
    server->answer = [this](const std::string &, std::span<Variant>, Variant *result, ExceptionInfo &) {
        *result = Variant::adopt(new RecordingObject("stray", &log));
        return Disp_E_BadIndex;
    };
    EXPECT_EQ(failureOf([&] { receiver.call("Item", {Variant(9)}); }).first, "Invalid index");
    EXPECT_THAT(log, ElementsAre("resolve Item", "invoke Item", "destroy stray"));
}

TEST_F(CallTest, FailuresReadAsTheirTexts)
{
    struct Row {
        const char *shows;
        HResult status;
        const char *description;
        HResult scode;
        const char *text;
        HResult code;
    };
    const Row rows[] = {
        {"trailing periods and blanks cut", Disp_E_Exception, "Book gone. . .  ", 0, "Book gone", Disp_E_Exception},
        {"trailing line break cut", Disp_E_Exception, "Entry locked\t\r\n", 0, "Entry locked", Disp_E_Exception},
        {"inner periods kept", Disp_E_Exception, "v1.2 is. read-only", 0, "v1.2 is. read-only", Disp_E_Exception},
        {"server's own code kept", Disp_E_Exception, "Quota", hr(0x80040201), "Quota", hr(0x80040201)},
        {"bare status with a system text", Disp_E_MemberNotFound, "", 0, "Member not found", Disp_E_MemberNotFound},
        {"another system text", Disp_E_BadIndex, "", 0, "Invalid index", Disp_E_BadIndex},
        {"unknown status", hr(0x80041234), "", 0, "OLE error 80041234", hr(0x80041234)},
    };
    for (const Row &row : rows) {
        server->answer = [&row](const std::string &, std::span<Variant>, Variant *, ExceptionInfo &exception) {
            exception.description = row.description;
            exception.code = row.scode;
            return row.status;
        };
        const auto [text, code] = failureOf([&] { receiver.get("Name"); });
        EXPECT_EQ(text, row.text) << row.shows;
        EXPECT_EQ(code, row.code) << row.shows;
    }
}

TEST_F(CallTest, UnknownMembersAreNamedAsSent)
{
    server->unknownNames = {"Frobnicate"};
    const std::function<void()> operations[] = {
        [&] { receiver.get("fROBnicate"); },
        [&] { receiver.call("fROBnicate", {Variant(1)}); },
        [&] { receiver.invoke("fROBnicate"); },
        [&] { receiver.put("fROBnicate", Variant(1)); },
        [&] { Variant t; assignGet(t, receiver, "fROBnicate"); },
        [&] { Variant t; assignCall(t, receiver, "fROBnicate", {Variant(1)}); },
    };
    for (const auto &operation : operations)
        EXPECT_EQ(failureOf(operation).first, "Method 'fROBnicate' not supported by OLE object");
    EXPECT_TRUE(server->received.empty());

    server->resolveFailure = Disp_E_MemberNotFound;
    EXPECT_EQ(failureOf([&] { receiver.get("Gone"); }).first, "Method 'Gone' not supported by OLE object");
    server->resolveFailure = E_OutOfMemory;
    EXPECT_EQ(failureOf([&] { receiver.get("Name"); }).first,
              "Not enough memory resources are available to complete this operation");
}

TEST_F(CallTest, OnlyObjectsReceiveCalls)
{
    Variant number(3);
    Variant reachesObject = Variant::byRef(receiver);
    Variant reachesNumber = Variant::byRef(number);
    const Variant notObjects[] = {Variant(), Variant::null(), Variant(3), Variant("Books"), reachesNumber};
    for (const Variant &r : notObjects) {
        const std::function<void()> operations[] = {
            [&] { r.get("Name"); },
            [&] { r.call("Item", {Variant(1)}); },
            [&] { r.invoke("Delete"); },
            [&] { r.put("Value", Variant(1)); },
            [&] { Variant t; assignGet(t, r, "Name"); },
        };
        for (const auto &operation : operations)
            EXPECT_EQ(failureOf(operation).first, "Variant does not reference an OLE object")
                << typeName(r.type());
    }
    reachesObject.get("Name");
    EXPECT_EQ(server->received.size(), 1u);
}

TEST(ErrorText, SystemTextOrTheCodeInHex)
{
    struct Row {
        HResult code;
        const char *text;
    };
    const Row rows[] = {
        {Co_E_NotInitialized, "CoInitialize has not been called"},
        {Co_E_ClassString, "Invalid class string"},
        {Disp_E_TypeMismatch, "Type mismatch"},
        {Disp_E_BadParamCount, "Invalid number of parameters"},
        {hr(0x8004ABCD), "OLE error 8004abcd"},
        {hr(0x00001234), "OLE error 00001234"},
    };
    for (const Row &row : rows)
        EXPECT_EQ(errorText(row.code), row.text);
}

} // namespace
