#include "ScriptedObject.h"

#include <automation/Text.h>

namespace scripted {

using automation::DispId;
using automation::HResult;
using automation::ServerException;
using automation::StatusException;
using automation::Variant;
using automation::VarType;

namespace {

enum MemberId : DispId {
    Login = 1,
    RootAccount,
    AddressBooks,
    Count,
    Item,
    Add,
    Name,
    ObjType,
    AddressBookEntries,
    FieldDefinitions,
    Delete,
    DisplayName,
    Fields,
    Value,
    Type,
};

constexpr unsigned Get = automation::Method | automation::PropertyGet;
constexpr unsigned Run = automation::Method;

using Member = automation::ServerObject::Member;

constexpr Member SessionMembers[] = {{"Login", Login, Run, 0, 1}, {"RootAccount", RootAccount, Get, 0, 0}};
constexpr Member AccountMembers[] = {{"AddressBooks", AddressBooks, Get, 0, 0}};
constexpr Member BooksMembers[] = {{"Count", Count, Get, 0, 0}, {"Item", Item, Get, 1, 1}, {"Add", Add, Run, 1, 1}};
constexpr Member BookMembers[] = {{"Name", Name, Get, 0, 0},
                                  {"ObjType", ObjType, Get, 0, 0},
                                  {"AddressBookEntries", AddressBookEntries, Get, 0, 0},
                                  {"FieldDefinitions", FieldDefinitions, Get, 0, 0},
                                  {"Delete", Delete, Run, 0, 0}};
constexpr Member EntriesMembers[] = {{"Count", Count, Get, 0, 0}, {"Item", Item, Get, 1, 1}, {"Add", Add, Run, 1, 1}};
constexpr Member EntryMembers[] = {
    {"DisplayName", DisplayName, Get, 0, 0}, {"Fields", Fields, Get, 0, 0}, {"Delete", Delete, Run, 0, 0}};
constexpr Member FieldsMembers[] = {{"Count", Count, Get, 0, 0}, {"Item", Item, Get, 1, 1}, {"Add", Add, Run, 3, 3}};
constexpr Member FieldMembers[] = {{"Name", Name, Get, 0, 0},
                                   {"Value", Value, Get | automation::PropertyPut, 0, 1},
                                   {"Delete", Delete, Run, 0, 0}};
constexpr Member DefinitionsMembers[] = {
    {"Count", Count, Get, 0, 0}, {"Item", Item, Get, 1, 1}, {"Add", Add, Run, 2, 2}};
constexpr Member DefinitionMembers[] = {{"Name", Name, Get, 0, 0}, {"Type", Type, Get, 0, 0}};

template <class T>
T *find(std::vector<T> &items, Identity::Value id, std::size_t &hint)
{
    if (id == 0)
        return nullptr;
    if (hint < items.size() && items[hint].identity.peek() == id)
        return &items[hint];
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].identity.peek() == id) {
            hint = i;
            return &items[i];
        }
    }
    return nullptr;
}

template <class T>
T &present(T *item, const char *what)
{
    if (!item)
        throw ServerException(std::string("The ") + what + " no longer exists");
    return *item;
}

// The item an Item(index) call names; position receives its 0-based place.
template <class T>
T &itemAt(std::vector<T> &items, const Variant &argument, std::size_t &position)
{
    const std::int32_t index = automation::integerArgument(argument);
    if (index < 1 || static_cast<std::size_t>(index) > items.size())
        throw ServerException("Invalid index " + std::to_string(index) + ": the collection holds " +
                              std::to_string(items.size()) + " items");
    position = static_cast<std::size_t>(index - 1);
    return items[position];
}

template <class T>
void erase(std::vector<T> &items, T &item)
{
    items.erase(items.begin() + (&item - items.data()));
}

void countInto(Variant *result, std::size_t count)
{
    if (result)
        *result = Variant(static_cast<std::int32_t>(count));
}

Variant snapshot(const Variant &argument, std::string &objectKind)
{
    const Variant &value = argument.dereferenced();
    if (value.type() == VarType::Int32Ref)
        return Variant(*value.int32Ref());
    if (value.isObject()) {
        auto *ours = dynamic_cast<ScriptedObject *>(value.object());
        objectKind = ours ? ScriptedObject::kindName(ours->kind()) : "Object";
        return Variant();
    }
    return value;
}

} // namespace

ScriptedObject::ScriptedObject(std::shared_ptr<ServerState> state, Kind kind, Path path)
    : state_(std::move(state)), kind_(kind), path_(path)
{
    ++state_->liveObjects;
}

ScriptedObject::~ScriptedObject()
{
    --state_->liveObjects;
}

const char *ScriptedObject::kindName(Kind kind) noexcept
{
    switch (kind) {
    case Kind::Session: return "Session";
    case Kind::Account: return "Account";
    case Kind::Books: return "Books";
    case Kind::Book: return "Book";
    case Kind::Entries: return "Entries";
    case Kind::Entry: return "Entry";
    case Kind::Fields: return "Fields";
    case Kind::Field: return "Field";
    case Kind::Definitions: return "Definitions";
    case Kind::Definition: return "Definition";
    case Kind::Object: return "Object";
    }
    return "Object";
}

std::span<const automation::ServerObject::Member> ScriptedObject::members() const noexcept
{
    switch (kind_) {
    case Kind::Session: return SessionMembers;
    case Kind::Account: return AccountMembers;
    case Kind::Books: return BooksMembers;
    case Kind::Book: return BookMembers;
    case Kind::Entries: return EntriesMembers;
    case Kind::Entry: return EntryMembers;
    case Kind::Fields: return FieldsMembers;
    case Kind::Field: return FieldMembers;
    case Kind::Definitions: return DefinitionsMembers;
    case Kind::Definition: return DefinitionMembers;
    case Kind::Object: return {};
    }
    return {};
}

HResult ScriptedObject::idOfName(std::string_view name, DispId &id) noexcept
{
    std::lock_guard lock(state_->mutex);
    HResult status = ServerObject::idOfName(name, id);
    if (status == automation::S_Ok) {
        try {
            resolvedName_.assign(name);
            resolvedId_ = id;
        } catch (...) {
            return automation::E_OutOfMemory;
        }
    }
    return status;
}

HResult ScriptedObject::invoke(DispId id, unsigned flags, std::span<Variant> args, Variant *result,
                               automation::ExceptionInfo &exception) noexcept
{
    std::lock_guard lock(state_->mutex);
    try {
        const std::size_t index = state_->received++;
        // Unrecorded and unscripted, a call need not be described: benchmarks run this way.
        if (state_->recording || state_->scripted()) {
            Call call = describe(id, flags, args);
            if (state_->recording)
                state_->calls.push_back(call);
            if (std::optional<Reply> reply = state_->replyFor(call, index))
                return answer(*reply, result, exception);
        }
    } catch (...) {
        return automation::E_Unexpected;
    }
    return ServerObject::invoke(id, flags, args, result, exception);
}

HResult ScriptedObject::answer(const Reply &reply, Variant *result, automation::ExceptionInfo &exception)
{
    switch (reply.kind()) {
    case Reply::Kind::Fail:
        exception.source = sourceName();
        exception.description = reply.description();
        exception.code = reply.code();
        return automation::Disp_E_Exception;
    case Reply::Kind::Status:
        return reply.code();
    case Reply::Kind::Value:
        if (result)
            *result = reply.value();
        return automation::S_Ok;
    case Reply::Kind::Object:
        if (result)
            *result = make(Kind::Object, {});
        return automation::S_Ok;
    }
    return automation::E_Unexpected;
}

Call ScriptedObject::describe(DispId id, unsigned flags, std::span<Variant> args)
{
    Call call;
    call.receiver = kindName(kind_);
    call.receiverDetail = detail();
    if (id == resolvedId_) {
        call.member = resolvedName_;
    } else {
        call.member = "#" + std::to_string(id);
        for (const Member &member : members())
            if (member.id == id)
                call.member = member.name;
    }
    call.flags = flags;
    for (const Variant &argument : args) {
        Argument recorded;
        recorded.sentAs = argument.type();
        recorded.value = snapshot(argument, recorded.objectKind);
        call.args.push_back(std::move(recorded));
    }
    return call;
}

std::string ScriptedObject::detail()
{
    Book *b = find(state_->books, path_.book, bookHint_);
    Entry *e = b ? find(b->entries, path_.entry, entryHint_) : nullptr;
    switch (kind_) {
    case Kind::Book:
    case Kind::Entries:
    case Kind::Definitions:
        if (b)
            lastDetail_ = b->name;
        break;
    case Kind::Entry:
    case Kind::Fields:
        if (e)
            lastDetail_ = b->name + "/" + e->displayName;
        break;
    case Kind::Field:
        if (Field *f = e ? find(e->fields, path_.item, itemHint_) : nullptr)
            lastDetail_ = b->name + "/" + e->displayName + "/" + f->name;
        break;
    case Kind::Definition:
        if (Definition *d = b ? find(b->definitions, path_.item, itemHint_) : nullptr)
            lastDetail_ = b->name + "/" + d->name;
        break;
    default:
        return kindName(kind_);
    }
    return std::string(kindName(kind_)) + "[" + lastDetail_ + "]";
}

Book &ScriptedObject::book()
{
    return present(find(state_->books, path_.book, bookHint_), "address book");
}

Entry &ScriptedObject::entry()
{
    return present(find(book().entries, path_.entry, entryHint_), "entry");
}

Field &ScriptedObject::field()
{
    return present(find(entry().fields, path_.item, itemHint_), "field");
}

Definition &ScriptedObject::definition()
{
    return present(find(book().definitions, path_.item, itemHint_), "field definition");
}

Variant ScriptedObject::make(Kind kind, Path path) const
{
    auto *object = new ScriptedObject(state_, kind, path);
    object->bookHint_ = bookHint_;
    object->entryHint_ = entryHint_;
    object->itemHint_ = itemHint_;
    object->detail();
    return Variant::adopt(object);
}

void ScriptedObject::invokeMember(DispId id, unsigned flags, std::span<Variant> args, Variant *result)
{
    switch (kind_) {
    case Kind::Session:
        if (id == Login) {
            loggedIn_ = true;
        } else {
            if (!loggedIn_)
                throw ServerException("Not logged in");
            setResult(result, make(Kind::Account, {}));
        }
        return;
    case Kind::Account:
        setResult(result, make(Kind::Books, {}));
        return;
    case Kind::Books:
    case Kind::Entries:
    case Kind::Fields:
    case Kind::Definitions:
        runCollection(id, args, result);
        return;
    default:
        run(id, flags, args, result);
        return;
    }
}

void ScriptedObject::runCollection(DispId id, std::span<Variant> args, Variant *result)
{
    switch (kind_) {
    case Kind::Books: {
        std::vector<Book> &books = state_->books;
        if (id == Count)
            return countInto(result, books.size());
        if (id == Item) {
            Book &b = itemAt(books, args[0], bookHint_);
            return setResult(result, make(Kind::Book, {b.identity.value()}));
        }
        books.push_back(Book{automation::stringArgument(args[0])});
        bookHint_ = books.size() - 1;
        return setResult(result, make(Kind::Book, {books.back().identity.value()}));
    }
    case Kind::Entries: {
        std::vector<Entry> &entries = book().entries;
        if (id == Count)
            return countInto(result, entries.size());
        if (id == Item) {
            Entry &e = itemAt(entries, args[0], entryHint_);
            return setResult(result, make(Kind::Entry, {path_.book, e.identity.value()}));
        }
        entries.push_back(Entry{automation::stringArgument(args[0])});
        entryHint_ = entries.size() - 1;
        return setResult(result, make(Kind::Entry, {path_.book, entries.back().identity.value()}));
    }
    case Kind::Fields: {
        std::vector<Field> &fields = entry().fields;
        if (id == Count)
            return countInto(result, fields.size());
        if (id == Item) {
            Field &f = itemAt(fields, args[0], itemHint_);
            return setResult(result, make(Kind::Field, {path_.book, path_.entry, f.identity.value()}));
        }
        fields.push_back(Field{automation::stringArgument(args[0]), Variant(automation::stringArgument(args[2])),
                               automation::integerArgument(args[1])});
        itemHint_ = fields.size() - 1;
        return setResult(result, make(Kind::Field, {path_.book, path_.entry, fields.back().identity.value()}));
    }
    default: {
        std::vector<Definition> &definitions = book().definitions;
        if (id == Count)
            return countInto(result, definitions.size());
        if (id == Item) {
            Definition &d = itemAt(definitions, args[0], itemHint_);
            return setResult(result, make(Kind::Definition, {path_.book, 0, d.identity.value()}));
        }
        std::string name = automation::stringArgument(args[0]);
        const std::int32_t type = automation::integerArgument(args[1]);
        for (const Definition &d : definitions)
            if (automation::equalsIgnoreAsciiCase(d.name, name))
                throw ServerException("A field definition named '" + name + "' already exists");
        definitions.push_back(Definition{std::move(name), type});
        itemHint_ = definitions.size() - 1;
        return setResult(result, make(Kind::Definition, {path_.book, 0, definitions.back().identity.value()}));
    }
    }
}

void ScriptedObject::run(DispId id, unsigned flags, std::span<Variant> args, Variant *result)
{
    switch (kind_) {
    case Kind::Book: {
        Book &b = book();
        switch (id) {
        case Name: return setResult(result, Variant(b.name));
        case ObjType: return setResult(result, Variant(static_cast<std::int32_t>(b.objType)));
        case AddressBookEntries: return setResult(result, make(Kind::Entries, path_));
        case FieldDefinitions: return setResult(result, make(Kind::Definitions, path_));
        default: return erase(state_->books, b);
        }
    }
    case Kind::Entry: {
        Entry &e = entry();
        switch (id) {
        case DisplayName: return setResult(result, Variant(e.displayName));
        case Fields: return setResult(result, make(Kind::Fields, path_));
        default: return erase(book().entries, e);
        }
    }
    case Kind::Field: {
        Field &f = field();
        switch (id) {
        case Name: return setResult(result, Variant(f.name));
        case Value:
            if (flags & automation::PropertyPut) {
                if (args.size() != 1)
                    throw StatusException(automation::Disp_E_BadParamCount);
                f.value = Variant(automation::stringArgument(args[0]));
                return;
            }
            if (!args.empty())
                throw StatusException(automation::Disp_E_BadParamCount);
            return setResult(result, f.value);
        default: return erase(entry().fields, f);
        }
    }
    default: {
        Definition &d = definition();
        if (id == Name)
            return setResult(result, Variant(d.name));
        return setResult(result, Variant(static_cast<std::int32_t>(d.type)));
    }
    }
}

} // namespace scripted
