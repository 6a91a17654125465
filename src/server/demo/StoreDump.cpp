#include "StoreDump.h"

#include "store/Store.h"

#include <cstdio>
#include <string_view>

namespace collab::demo {

namespace {

std::string shown(std::string_view text)
{
    std::string result;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\n')
            result += "\\n";
        else if (c == '\t')
            result += "\\t";
        else if (c == '\0')
            result += "\\0";
        else if (c == '\\')
            result += "\\\\";
        else if (byte < 0x20 || byte == 0x7f) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02x", byte);
            result += escape;
        } else
            result += c;
    }
    return result;
}

void writeBook(store::Store &store, const store::BookRecord &book, std::string_view owner, std::ostream &out)
{
    const auto entries = store.entries(book.id);
    out << "book \"" << shown(book.name) << "\" (ObjType " << static_cast<int>(book.kind) << ", " << owner << ", "
        << entries->size() << " entries)\n";
    out << "  definitions:";
    const char *separator = " ";
    for (const store::DefinitionRecord &definition : store.definitions(book.id)) {
        out << separator << shown(definition.name);
        separator = ", ";
    }
    out << '\n';
    for (const store::EntryRecord &entry : *entries) {
        out << "  entry \"" << shown(entry.displayName) << "\"\n";
        for (const store::FieldRecord &field : entry.fields)
            out << "    " << shown(field.name) << " = " << shown(field.value) << '\n';
    }
}

} // namespace

void StoreDump::write(store::Store &store, std::ostream &out)
{
    const auto accounts = store.accounts();
    out << "store " << store.path().string() << '\n';
    out << "accounts (" << accounts.size() << ")\n";
    for (const store::AccountRecord &account : accounts)
        out << "  " << shown(account.identity.userId) << ": " << shown(account.identity.name) << " <"
            << shown(account.identity.email) << ">\n";
    writeBook(store, store.book(store.systemBookId()), "shared by all accounts", out);
    for (const store::AccountRecord &account : accounts) {
        for (const store::BookRecord &book : store.books(account.id)) {
            if (book.kind != store::BookKind::System)
                writeBook(store, book, "account " + shown(account.identity.userId), out);
        }
    }
}

} // namespace collab::demo
