#pragma once

#include "ScriptedServer.h"

#include "automation/Variant.h"

#include <filesystem>
#include <string>

// Builds one address book of `entries` entries with 8 fields each (the five
// record columns, "Test Field" and two fields no column shows) in each of the
// two servers, so that both answer the same calls with the same data.
namespace benchbooks {

inline constexpr int FieldsPerEntry = 8;
inline constexpr const char *BookName = "Bench Book";

// A SQLite store in a fresh temporary folder, removed on destruction.
class SqliteBook {
public:
    explicit SqliteBook(int entries);
    ~SqliteBook();
    SqliteBook(const SqliteBook &) = delete;
    SqliteBook &operator=(const SqliteBook &) = delete;

    // A logged-in session on the store (one reference, owned by the result).
    automation::Variant session() const;
    // Makes automation::createObject("ValdrinOrvastaSession") open this store.
    void install() const;
    void uninstall() const;

private:
    std::filesystem::path folder_;
};

// Fills a scripted server: a one-entry system book first, then the book.
void fillScripted(scripted::ScriptedServer &server, int entries);

// The bench book, and its entry collection, through a session of either server.
automation::Variant benchBook(const automation::Variant &session);
automation::Variant benchEntries(const automation::Variant &session);

} // namespace benchbooks
