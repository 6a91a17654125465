#include "DemoLoader.h"

#include "store/Batch.h"
#include "store/OsUser.h"
#include "store/Store.h"

#include <optional>
#include <stdexcept>
#include <string_view>

namespace collab::demo {

namespace {

std::string_view trim(std::string_view text)
{
    const auto begin = text.find_first_not_of(" \t\r");
    if (begin == std::string_view::npos)
        return {};
    return text.substr(begin, text.find_last_not_of(" \t\r") - begin + 1);
}

// Splits "keyword rest" at the first blank.
std::pair<std::string_view, std::string_view> keyword(std::string_view line)
{
    const auto blank = line.find_first_of(" \t");
    if (blank == std::string_view::npos)
        return {line, {}};
    return {line.substr(0, blank), trim(line.substr(blank))};
}

class Parser {
public:
    Parser(store::Store &store, const store::UserIdentity &user, const std::string &source)
        : store_(store), user_(user), source_(source)
    {
    }

    void line(std::size_t number, std::string_view text)
    {
        number_ = number;
        text = trim(text);
        if (text.empty() || text.front() == '#')
            return;
        if (text == "[logging-in user]") {
            accountId_ = store_.login(user_).id;
            ++summary.accounts;
            return;
        }
        const auto [word, rest] = keyword(text);
        if (word == "account")
            account(rest);
        else if (word == "book")
            book(rest);
        else if (word == "define")
            define(rest);
        else if (word == "entry")
            entry(rest);
        else if (word == "field")
            field(rest);
        else
            fail("unknown statement '" + std::string(word) + "'");
    }

    DemoLoader::Summary summary;

private:
    [[noreturn]] void fail(const std::string &problem) const
    {
        throw std::runtime_error(source_ + ":" + std::to_string(number_) + ": " + problem);
    }

    void account(std::string_view rest)
    {
        std::string_view parts[3];
        for (int i = 0; i < 2; ++i) {
            const auto bar = rest.find('|');
            if (bar == std::string_view::npos)
                fail("an account needs 'USERID | FULL NAME | E-MAIL'");
            parts[i] = trim(rest.substr(0, bar));
            rest = rest.substr(bar + 1);
        }
        parts[2] = trim(rest);
        if (parts[0].empty())
            fail("an account needs a user ID");
        store::UserIdentity identity = store::OsUser::fromPasswd(std::string(parts[0]), std::string(parts[1]), "");
        identity.email = std::string(parts[2]);
        store_.login(identity);
        ++summary.accounts;
    }

    void book(std::string_view name)
    {
        if (!accountId_)
            fail("a book belongs after '[logging-in user]'");
        for (const store::BookRecord &existing : store_.books(*accountId_)) {
            if (existing.name != name)
                continue;
            if (existing.kind == store::BookKind::System)
                fail("the system address book is made from the accounts");
            if (!store_.entries(existing.id)->empty())
                fail("the book '" + std::string(name) + "' already holds entries");
            bookId_ = existing.id;
            entryId_.reset();
            return;
        }
        bookId_ = store_.addBook(*accountId_, name).id;
        entryId_.reset();
        ++summary.books;
    }

    void define(std::string_view name)
    {
        if (!bookId_)
            fail("a field definition belongs after 'book'");
        store_.addDefinition(*bookId_, name, 1);
    }

    void entry(std::string_view displayName)
    {
        if (!bookId_)
            fail("an entry belongs after 'book'");
        entryId_ = store_.addEntry(*bookId_, displayName).id;
        ++summary.entries;
    }

    void field(std::string_view rest)
    {
        if (!entryId_)
            fail("a field belongs after 'entry'");
        const auto equals = rest.find('=');
        if (equals == std::string_view::npos)
            fail("a field needs 'NAME = VALUE'");
        const std::string_view name = trim(rest.substr(0, equals));
        if (name.empty())
            fail("a field needs a name");
        store_.addField(*entryId_, name, 1, trim(rest.substr(equals + 1)));
        ++summary.fields;
    }

    store::Store &store_;
    const store::UserIdentity &user_;
    const std::string &source_;
    std::size_t number_ = 0;
    std::optional<std::int64_t> accountId_;
    std::optional<std::int64_t> bookId_;
    std::optional<std::int64_t> entryId_;
};

} // namespace

DemoLoader::Summary DemoLoader::load(store::Store &store, const store::UserIdentity &currentUser,
                                     std::istream &input, const std::string &sourceName)
{
    store::Batch batch(store);
    Parser parser(store, currentUser, sourceName);
    std::string text;
    std::size_t number = 0;
    while (std::getline(input, text))
        parser.line(++number, text);
    if (input.bad())
        throw std::runtime_error(sourceName + ": cannot be read");
    batch.commit();
    return parser.summary;
}

} // namespace collab::demo
