#include "BenchBooks.h"

#include "objects/Session.h"
#include "store/Batch.h"
#include "store/Store.h"

#include "automation/Conversions.h"
#include "automation/ServerRegistry.h"

#include <cstdlib>
#include <stdexcept>

namespace benchbooks {

namespace {

const char *const FieldNames[FieldsPerEntry] = {"Last Name", "Nickname",   "First Name",     "Office Phone Number",
                                                "User ID",   "Department", "E-Mail Address", "Test Field"};

std::string valueOf(int entry, int field)
{
    return std::string(FieldNames[field]).substr(0, 4) + "-" + std::to_string(entry);
}

collab::store::UserIdentity benchUser()
{
    collab::store::UserIdentity user;
    user.userId = "bench";
    user.name = "Bench Mark";
    user.firstName = "Bench";
    user.lastName = "Mark";
    user.email = "bench@example.org";
    return user;
}

collab::store::StoreOptions storeAt(const std::filesystem::path &folder)
{
    collab::store::StoreOptions options;
    options.path = folder / "store.sqlite";
    return options;
}

collab::objects::SessionOptions optionsFor(const std::filesystem::path &folder)
{
    collab::objects::SessionOptions options;
    options.store = storeAt(folder);
    options.user = benchUser();
    return options;
}

} // namespace

SqliteBook::SqliteBook(int entries)
{
    char pattern[] = "/tmp/addresspelgar-bench-XXXXXX";
    if (!mkdtemp(pattern))
        throw std::runtime_error("cannot make a temporary folder");
    folder_ = pattern;

    collab::store::Store store(storeAt(folder_));
    const auto account = store.login(benchUser());
    collab::store::Batch batch(store);
    const auto book = store.addBook(account.id, BookName);
    for (int e = 1; e <= entries; ++e) {
        const auto entry = store.addEntry(book.id, valueOf(e, 0));
        for (int f = 0; f < FieldsPerEntry; ++f)
            store.addField(entry.id, FieldNames[f], 1, valueOf(e, f));
    }
    batch.commit();
}

SqliteBook::~SqliteBook()
{
    uninstall();
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

automation::Variant SqliteBook::session() const
{
    automation::Variant session = automation::Variant::adopt(collab::objects::Session::create(optionsFor(folder_)));
    session.invoke("Login", {automation::Variant::omitted()});
    return session;
}

void SqliteBook::install() const
{
    const auto options = optionsFor(folder_);
    automation::ServerRegistry::instance().registerFactory("ValdrinOrvastaSession",
                                                           [options](automation::Dispatch **object) {
                                                               *object = collab::objects::Session::create(options);
                                                               return automation::S_Ok;
                                                           });
}

void SqliteBook::uninstall() const
{
    automation::ServerRegistry::instance().unregisterFactory("ValdrinOrvastaSession");
}

void fillScripted(scripted::ScriptedServer &server, int entries)
{
    scripted::Book system;
    system.name = "Global Address List";
    system.objType = 2;
    scripted::Entry me;
    me.displayName = "Bench Mark";
    me.fields.push_back({"Last Name", automation::Variant("Mark")});
    system.entries.push_back(std::move(me));

    scripted::Book book;
    book.name = BookName;
    book.entries.reserve(static_cast<std::size_t>(entries));
    for (int e = 1; e <= entries; ++e) {
        scripted::Entry entry;
        entry.displayName = valueOf(e, 0);
        for (int f = 0; f < FieldsPerEntry; ++f)
            entry.fields.push_back({FieldNames[f], automation::Variant(valueOf(e, f))});
        book.entries.push_back(std::move(entry));
    }
    server.books() = {std::move(system), std::move(book)};
}

automation::Variant benchBook(const automation::Variant &session)
{
    const automation::Variant books = session.get("RootAccount").get("AddressBooks");
    const int count = automation::toInt32(books.get("Count"));
    for (int i = 1; i <= count; ++i) {
        automation::Variant book = books.call("Item", {automation::Variant(i)});
        if (automation::toText(book.get("Name")) == BookName)
            return book;
    }
    throw std::runtime_error("the bench book is missing");
}

automation::Variant benchEntries(const automation::Variant &session)
{
    return benchBook(session).get("AddressBookEntries");
}

} // namespace benchbooks
