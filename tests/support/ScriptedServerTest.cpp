#include "ScriptedServer.h"

#include <automation/Conversions.h>
#include <automation/Dispatch.h>
#include <automation/Error.h>
#include <automation/Runtime.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <thread>

using automation::Variant;
using automation::VarType;
using scripted::Argument;
using scripted::Book;
using scripted::Call;
using scripted::Entry;
using scripted::Field;
using scripted::Reply;
using scripted::ScriptedServer;
using testing::ElementsAre;
using testing::HasSubstr;

namespace {

std::string failureOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const automation::Error &e) {
        return e.what();
    }
    return "(no failure)";
}

class ScriptedServerTest : public testing::Test {
protected:
    void SetUp() override
    {
        server.books() = {
            Book{"Personal", 1,
                 {Entry{"Smith", {Field{"Phone", Variant("555-1234")}, Field{"Email", Variant("s@example.org")}}},
                  Entry{"Jones"}},
                 {{"Phone", 8}, {"Email", 8}}},
            Book{"Global", 2},
        };
    }

    // The account's book collection, after logging in.
    Variant books()
    {
        session.invoke("Login", {Variant::omitted()});
        return session.get("RootAccount").get("AddressBooks");
    }

    ScriptedServer server;
    Variant session = server.createSession();
};

TEST_F(ScriptedServerTest, RecordsCallsAsSentWithArgumentKinds)
{
    Variant collection = books();
    std::int32_t index = 2;
    Variant boxed(1);
    collection.get("Count");
    collection.call("Item", {Variant::byRef(index)}).get("Name");
    Variant personal = collection.call("Item", {Variant(1)});
    Variant entries = personal.get("AddressbookEntries");
    entries.call("Item", {Variant::byRef(boxed)});
    Variant fields = entries.call("Add", {Variant("Lee \"Jr\"")}).get("Fields");
    Variant phone = fields.call("Add", {Variant("Phone"), Variant(8), Variant("555")});
    phone.put("Value", Variant("x"));
    phone.invoke("Delete");
    EXPECT_THROW(phone.get("Name"), automation::Error);

    EXPECT_THAT(server.callTexts(),
                ElementsAre("Session.Login(?)", "Session.RootAccount", "Account.AddressBooks", "Books.Count",
                            "Books.Item(&2)", "Book.Name", "Books.Item(1)", "Book.AddressbookEntries",
                            "Entries.Item(*1)", "Entries.Add(\"Lee \\\"Jr\\\"\")", "Entry.Fields",
                            "Fields.Add(\"Phone\", 8, \"555\")", "Field.Value=(\"x\")", "Field.Delete()", "Field.Name"));
    const auto detailed = server.detailedCallTexts();
    EXPECT_EQ(detailed.at(5), "Book[Global].Name");
    EXPECT_EQ(detailed.at(8), "Entries[Personal].Item(*1)");
    EXPECT_EQ(detailed.at(12), "Field[Personal/Lee \"Jr\"/Phone].Value=(\"x\")");
    // Once the field is gone, its calls still show the name it had.
    EXPECT_EQ(detailed.at(14), "Field[Personal/Lee \"Jr\"/Phone].Name");
}

TEST(CallText, ShowsEachArgumentKindDistinctly)
{
    struct Row {
        const char *shows;
        VarType sentAs;
        Variant value;
        const char *objectKind;
        const char *text;
    };
    const Row rows[] = {
        {"int by value", VarType::Int32, Variant(7), "", "7"},
        {"int by reference", VarType::Int32Ref, Variant(8), "", "&8"},
        {"variant by reference", VarType::VariantRef, Variant(9), "", "*9"},
        {"variant by reference holding text", VarType::VariantRef, Variant("t"), "", "*\"t\""},
        {"text with NUL and quote", VarType::String, Variant(std::string("a\0\"b", 4)), "", "\"a\\x00\\\"b\""},
        {"omitted", VarType::Error, Variant::omitted(), "", "?"},
        {"other error", VarType::Error, Variant::error(automation::Disp_E_TypeMismatch), "", "Error(80020005)"},
        {"empty", VarType::Empty, Variant(), "", "Empty"},
        {"null", VarType::Null, Variant::null(), "", "Null"},
        {"truth", VarType::Bool, Variant(true), "", "True"},
        {"double", VarType::Double, Variant(1.5), "", "1.5#"},
        {"currency", VarType::Currency, Variant(automation::Currency{-25000}), "", "-2.5@"},
        {"date", VarType::Date, Variant(automation::Date{45000.25}), "", "Date(45000.25)"},
        {"object", VarType::Object, Variant(), "Book", "<Book>"},
    };
    for (const Row &row : rows) {
        Call call{"Books", "Books", "Add", automation::Method, {Argument{row.sentAs, row.value, row.objectKind}}};
        EXPECT_EQ(call.text(), std::string("Books.Add(") + row.text + ")") << row.shows;
    }
}

TEST(CallText, MarksEveryInvokeKind)
{
    using namespace automation;
    struct Row {
        const char *shows;
        unsigned flags;
        bool withArgument;
        const char *text;
    };
    const Row rows[] = {
        {"parameterless read", Method | PropertyGet, false, "Field.Value"},
        {"method without arguments", Method, false, "Field.Value()"},
        {"method with arguments", Method, true, "Field.Value(3)"},
        {"property write", PropertyPut, true, "Field.Value=(3)"},
        {"read with arguments", Method | PropertyGet, true, "Field.Value{method|get}(3)"},
        {"bare property read", PropertyGet, false, "Field.Value{get}()"},
    };
    for (const Row &row : rows) {
        Call call{"Field", "Field[B/E/F]", "Value", row.flags, {}};
        if (row.withArgument)
            call.args.push_back(Argument{VarType::Int32, Variant(3), ""});
        EXPECT_EQ(call.text(), row.text) << row.shows;
    }
}

TEST_F(ScriptedServerTest, CollectionsAreLiveViewsOfTheModel)
{
    Variant collection = books();
    Variant personal = collection.call("Item", {Variant(1)});
    Variant jones = personal.get("AddressBookEntries").call("Item", {Variant(2)});

    server.books().push_back(Book{"Added by test"});
    EXPECT_EQ(collection.get("Count").int32(), 3);
    // An entry keeps its identity when one before it goes.
    server.books()[0].entries.erase(server.books()[0].entries.begin());
    EXPECT_EQ(jones.get("DisplayName").string(), "Jones");
    EXPECT_EQ(personal.get("AddressBookEntries").get("Count").int32(), 1);
    // A copy is another book: the reference stays with the original.
    server.books().push_back(server.books()[0]);
    server.books().erase(server.books().begin());
    EXPECT_THROW(personal.get("Name"), automation::Error);
}

TEST_F(ScriptedServerTest, FailsWithDescriptions)
{
    Variant collection = books();
    Variant global = collection.call("Item", {Variant(2)});
    Variant personal = collection.call("Item", {Variant(1)});
    Variant smithPhone =
        personal.get("AddressBookEntries").call("Item", {Variant(1)}).get("Fields").call("Item", {Variant(1)});
    global.invoke("Delete");

    EXPECT_EQ(failureOf([&] { collection.call("Item", {Variant(2)}); }),
              "Invalid index 2: the collection holds 1 items");
    EXPECT_EQ(failureOf([&] { global.get("Name"); }), "The address book no longer exists");
    EXPECT_EQ(failureOf([&] { global.invoke("Delete"); }), "The address book no longer exists");
    EXPECT_EQ(failureOf([&] { personal.get("FieldDefinitions").invoke("Add", {Variant("phone"), Variant(8)}); }),
              "A field definition named 'phone' already exists");
    server.books()[0].entries.clear();
    EXPECT_EQ(failureOf([&] { smithPhone.get("Value"); }), "The entry no longer exists");
    EXPECT_EQ(failureOf([&] { server.createSession().get("RootAccount"); }), "Not logged in");
}

TEST_F(ScriptedServerTest, ScriptedRepliesReplaceTheCall)
{
    server.replyTo("Session.Login", Reply::fail("Server unavailable. "));
    EXPECT_EQ(failureOf([&] { session.invoke("Login", {Variant::omitted()}); }), "Server unavailable");
    server.clearScript();

    Variant collection = books();
    server.replyTo("Books.count", Reply::value(Variant(0)));
    server.replyTo("Book[Personal].Name", Reply::object());
    server.replyTo("Books.Item(1)", Reply::status(automation::Disp_E_BadIndex), 2);

    EXPECT_EQ(collection.get("Count").int32(), 0);
    Variant personal = collection.call("Item", {Variant(1)});
    EXPECT_THROW(automation::toText(personal.get("Name")), automation::Error);
    EXPECT_EQ(failureOf([&] { collection.call("Item", {Variant(1)}); }), "Invalid index");
    EXPECT_EQ(collection.call("Item", {Variant(1)}).get("ObjType").int32(), 1); // third: runs again
    EXPECT_EQ(server.calls().at(4).text(), "Books.Count");                      // scripted calls are recorded
}

TEST_F(ScriptedServerTest, OnCallSeesEveryCallWithItsIndex)
{
    std::vector<std::string> seen;
    server.replyToCallNumber(1, Reply::value(Variant("first rule wins")));
    server.onCall([&](const Call &call, std::size_t index) -> std::optional<Reply> {
        seen.push_back(std::to_string(index) + " " + call.text());
        if (call.member == "Name")
            return Reply::value(Variant::null());
        return std::nullopt;
    });
    session.invoke("Login", {Variant::omitted()});
    EXPECT_EQ(session.get("RootAccount").string(), "first rule wins");
    server.clearCalls();
    server.setRecording(false); // scripts still see every call
    EXPECT_EQ(books().get("Count").int32(), 2);
    EXPECT_TRUE(session.get("RootAccount").get("AddressBooks").call("Item", {Variant(1)}).get("Name").isNull());
    EXPECT_THAT(seen, ElementsAre("0 Session.Login(?)", "2 Session.Login(?)", "3 Session.RootAccount",
                                  "4 Account.AddressBooks", "5 Books.Count", "6 Session.RootAccount",
                                  "7 Account.AddressBooks", "8 Books.Item(1)", "9 Book.Name"));
    EXPECT_TRUE(server.calls().empty());
}

TEST_F(ScriptedServerTest, CountsObjectsUntilReleased)
{
    server.replyTo("Field.Value", Reply::object());
    {
        Variant collection = books();
        Variant value = collection.call("Item", {Variant(1)})
                            .get("AddressBookEntries")
                            .call("Item", {Variant(1)})
                            .get("Fields")
                            .call("Item", {Variant(1)})
                            .get("Value");
        EXPECT_EQ(server.liveObjects(), 3u); // session, collection, the replied object
    }
    EXPECT_EQ(server.liveObjects(), 1u);
    session.clear();
    EXPECT_EQ(server.liveObjects(), 0u);
}

TEST(ScriptedServerInstall, HandsOutSessionsThroughTheRegistry)
{
    // A ProgID of its own: the real server may be registered under the
    // default one. On a thread of its own: ending automation use would stop
    // releases on the test's main thread.
    const std::string progId = "ScriptedServerTest.Session";
    std::thread([&] {
        automation::initialize();
        {
            auto server = std::make_unique<ScriptedServer>();
            server->install(progId);
            Variant session = automation::createObject("scriptedservertest.SESSION");
            session.invoke("Login", {Variant::omitted()});
            EXPECT_THAT(server->callTexts(), ElementsAre("Session.Login(?)"));

            server->refuseCreation(automation::Regdb_E_ClassNotReg);
            EXPECT_EQ(failureOf([&] { automation::createObject(progId); }), "Class not registered");
            server.reset();
            EXPECT_EQ(failureOf([&] { automation::createObject(progId); }), "Invalid class string");
            session.get("RootAccount"); // outlives its server
        }
        automation::uninitialize();
        EXPECT_EQ(automation::releasesAfterUse(), 0u);
    }).join();
}

} // namespace
