#include "ServerTest.h"

#include "sqlite/Database.h"
#include "sqlite/Query.h"
#include "store/StoreLocation.h"

#include <cstdlib>
#include <fstream>
#include <gmock/gmock.h>
#include <optional>
#include <sstream>
#include <sys/stat.h>

namespace collab::tests {
namespace {

using automation::Variant;
using ::testing::HasSubstr;

using StoreFileTest = ServerTest;

std::string contents(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void writeFile(const std::filesystem::path &path, const std::string &bytes, std::streamoff at = 0)
{
    std::fstream out(path, std::ios::binary | std::ios::in | std::ios::out);
    if (!out.is_open())
        out.open(path, std::ios::binary | std::ios::out);
    out.seekp(at);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::int64_t pragma(const std::filesystem::path &path, const char *sql)
{
    sqlite::Database db(path, sqlite::Database::Access::ReadOnly);
    sqlite::Query query(db.cached(sql));
    return query->step() ? query->integer(0) : -1;
}

unsigned mode(const std::filesystem::path &path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0 ? (info.st_mode & 07777) : 0;
}

TEST_F(StoreFileTest, NewStoreIsCreatedInMissingFoldersReadableByItsOwnerOnly)
{
    const auto path = folder() / "deep" / "er" / "store.sqlite";
    Variant account = login(store::StoreOptions{path, false, {}}, "alice");
    account.get("AddressBooks").call("Add", {"Written"}); // the log files exist while open
    for (const char *suffix : {"", "-wal", "-shm"}) {
        SCOPED_TRACE(suffix);
        EXPECT_EQ(mode(path.string() + suffix), 0600u);
    }
}

TEST_F(StoreFileTest, DefaultLocationFollowsTheSettings)
{
    struct Case {
        const char *store, *xdg, *home;
        std::string expected;
    };
    const Case cases[] = {
        {"/srv/books.db", "/xdg", "/home/u", "/srv/books.db"},
        {"", "/xdg", "/home/u", "/xdg/addresspelgar/store.sqlite"},
        {nullptr, "relative/xdg", "/home/u", "/home/u/.local/share/addresspelgar/store.sqlite"},
        {nullptr, nullptr, "/home/u", "/home/u/.local/share/addresspelgar/store.sqlite"},
    };
    const char *names[] = {store::StoreLocation::Variable, "XDG_DATA_HOME", "HOME"};
    std::optional<std::string> saved[3];
    for (int i = 0; i < 3; ++i)
        if (const char *value = std::getenv(names[i]))
            saved[i] = value;
    for (const Case &c : cases) {
        const char *values[] = {c.store, c.xdg, c.home};
        for (int i = 0; i < 3; ++i)
            values[i] ? setenv(names[i], values[i], 1) : unsetenv(names[i]);
        EXPECT_EQ(store::StoreLocation::configured().string(), c.expected);
    }
    for (int i = 0; i < 3; ++i)
        saved[i] ? setenv(names[i], saved[i]->c_str(), 1) : unsetenv(names[i]);
}

TEST_F(StoreFileTest, HostileStringsRoundTripByteForByte)
{
    std::string large(1 << 20, '\0');
    for (std::size_t i = 0; i < large.size(); ++i)
        large[i] = static_cast<char>('a' + i % 26);
    const std::string cases[] = {
        "O'Brien said \"hi\"",
        "two\nlines\r\nand\ttabs",
        "Ünïcødé — 漢字 😀",
        std::string("nul\0inside\0", 11),
        "'); DROP TABLE entry; --",
        "?1 :name @p $x %s",
        "invalid \xff\xfe utf-8",
        " padded ",
        large,
    };
    Variant books = login("alice").get("AddressBooks");
    for (const std::string &text : cases) {
        Variant book = books.call("Add", {text});
        book.get("FieldDefinitions").call("Add", {text, 1});
        Variant fields = book.get("AddressBookEntries").call("Add", {text}).get("Fields");
        fields.call("Add", {text, 1, text});
        fields.call("Add", {"Put", 1, "placeholder"}).put("Value", text);
    }

    // Read back through another connection, so the bytes come from the file.
    Variant again = login("alice").get("AddressBooks");
    ASSERT_EQ(again.get("Count").int32(), 2 + static_cast<std::int32_t>(std::size(cases)));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        const std::string &text = cases[i];
        Variant book = again.call("Item", {static_cast<std::int32_t>(i + 3)});
        EXPECT_EQ(book.get("Name").string(), text);
        EXPECT_EQ(book.get("FieldDefinitions").call("Item", {1}).get("Name").string(), text);
        Variant entry = book.get("AddressBookEntries").call("Item", {1});
        EXPECT_EQ(entry.get("DisplayName").string(), text);
        Variant fields = entry.get("Fields");
        EXPECT_EQ(fields.call("Item", {1}).get("Name").string(), text);
        EXPECT_EQ(fields.call("Item", {1}).get("Value").string(), text);
        EXPECT_EQ(fields.call("Item", {2}).get("Value").string(), text);
    }
}

struct BadFile {
    const char *label;
    void (*spoil)(const std::filesystem::path &path);
    const char *description;
};

const BadFile BadFiles[] = {
    {"text file",
     [](const std::filesystem::path &path) {
         std::string text;
         for (int i = 0; i < 200; ++i)
             text += "This is a letter, not a database.\n";
         writeFile(path, text);
     },
     "not a database"},
    {"foreign database",
     [](const std::filesystem::path &path) {
         sqlite::Database db(path, sqlite::Database::Access::ReadWriteCreate);
         db.exec("CREATE TABLE notes(id INTEGER PRIMARY KEY, body TEXT); INSERT INTO notes(body) VALUES('x');");
     },
     "not an address book store"},
    {"newer store version",
     [](const std::filesystem::path &path) {
         sqlite::Database db(path, sqlite::Database::Access::ReadWrite);
         db.exec("PRAGMA user_version = 7");
     },
     "store version 7"},
    {"damaged pages",
     [](const std::filesystem::path &path) {
         const std::int64_t pageSize = pragma(path, "PRAGMA page_size");
         writeFile(path, std::string(static_cast<std::size_t>(pageSize) * 4, '\x5a'), pageSize * 2);
     },
     "damaged"},
};

void PrintTo(const BadFile &file, std::ostream *out)
{
    *out << file.label;
}

class BadStoreFileTest : public ServerTest, public ::testing::WithParamInterface<BadFile> {};

TEST_P(BadStoreFileTest, LoginFailsWithDescriptionAndLeavesTheFileAlone)
{
    {
        // A real store with some content (closing it folds the log into the file).
        Variant entries = personalBook(login("alice")).get("AddressBookEntries");
        for (int i = 0; i < 20; ++i)
            entries.call("Add", {"Entry " + std::to_string(i)}).get("Fields").call("Add", {"F", 1, "v"});
    }
    if (std::string(GetParam().label) != "newer store version" && std::string(GetParam().label) != "damaged pages")
        std::filesystem::remove(storePath());
    GetParam().spoil(storePath());
    const std::string before = contents(storePath());

    Variant s = session("alice");
    const std::string text = failure([&] { s.invoke("Login", {Variant::omitted()}); });
    EXPECT_THAT(text, HasSubstr("Cannot open the address book store"));
    EXPECT_THAT(text, HasSubstr(GetParam().description));
    EXPECT_THAT(failure([&] { s.get("RootAccount"); }), HasSubstr("Not logged in"));
    EXPECT_EQ(contents(storePath()), before);
}

INSTANTIATE_TEST_SUITE_P(Server, BadStoreFileTest, ::testing::ValuesIn(BadFiles), [](const auto &info) {
    std::string name = info.param.label;
    for (char &c : name)
        if (c == ' ')
            c = '_';
    return name;
});

TEST_F(StoreFileTest, FullStoreRefusesChangesAndKeepsEveryRowWhole)
{
    {
        Variant entry = personalBook(login("alice")).get("AddressBookEntries").call("Add", {"Kept"});
        entry.get("Fields").call("Add", {"Phone", 1, "100"});
    }
    store::StoreOptions capped = storeOptions();
    capped.maxPageCount = pragma(storePath(), "PRAGMA page_count");
    const std::string huge(1 << 20, 'h');

    Variant books = login(capped, "alice").get("AddressBooks");
    Variant entries = books.call("Item", {2}).get("AddressBookEntries");
    Variant phone = entries.call("Item", {1}).get("Fields").call("Item", {1});
    const std::pair<const char *, std::function<void()>> changes[] = {
        {"add entry", [&] { entries.call("Add", {huge}); }},
        {"add field", [&] { entries.call("Item", {1}).get("Fields").call("Add", {"Big", 1, huge}); }},
        {"put value", [&] { phone.put("Value", huge); }},
        {"add book", [&] { books.call("Add", {huge}); }},
        {"new account", [&] { login(capped, huge); }},
    };
    for (const auto &[label, change] : changes) {
        SCOPED_TRACE(label);
        EXPECT_THAT(failure(change), HasSubstr("the store is full"));
    }

    Variant account = login("alice");
    EXPECT_EQ(account.get("AddressBooks").get("Count").int32(), 2);
    Variant kept = personalBook(account).get("AddressBookEntries");
    ASSERT_EQ(kept.get("Count").int32(), 1);
    Variant fields = kept.call("Item", {1}).get("Fields");
    ASSERT_EQ(fields.get("Count").int32(), 1);
    EXPECT_EQ(fields.call("Item", {1}).get("Value").string(), "100");
    // The failed new account left no directory entry behind.
    EXPECT_EQ(account.get("AddressBooks").call("Item", {1}).get("AddressBookEntries").get("Count").int32(), 1);
}

TEST_F(StoreFileTest, ReadOnlyStoreReadsButRefusesChanges)
{
    personalBook(login("alice")).get("AddressBookEntries").call("Add", {"Kept"});
    store::StoreOptions readOnly = storeOptions();
    readOnly.readOnly = true;

    Variant books = login(readOnly, "alice").get("AddressBooks");
    Variant entries = books.call("Item", {2}).get("AddressBookEntries");
    ASSERT_EQ(entries.get("Count").int32(), 1);
    const std::pair<const char *, std::function<void()>> changes[] = {
        {"add book", [&] { books.call("Add", {"New"}); }},
        {"add entry", [&] { entries.call("Add", {"New"}); }},
        {"delete entry", [&] { entries.call("Item", {1}).invoke("Delete"); }},
        {"new account", [&] { login(readOnly, "bob"); }},
    };
    for (const auto &[label, change] : changes) {
        SCOPED_TRACE(label);
        EXPECT_THAT(failure(change), HasSubstr("read-only"));
    }
    EXPECT_EQ(login("alice").get("AddressBooks").get("Count").int32(), 2);
    EXPECT_EQ(personalBook(login("alice")).get("AddressBookEntries").get("Count").int32(), 1);
}

} // namespace
} // namespace collab::tests
