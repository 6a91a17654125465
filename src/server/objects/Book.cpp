#include "Book.h"

#include "DefinitionCollection.h"
#include "EntryCollection.h"
#include "store/Store.h"

namespace collab::objects {

namespace {

enum : automation::DispId { NameId = 1, ObjTypeId, EntriesId, DefinitionsId, DeleteId };

constexpr automation::ServerObject::Member Members[] = {
    {"Name", NameId, automation::PropertyGet, 0, 0},
    {"ObjType", ObjTypeId, automation::PropertyGet, 0, 0},
    {"AddressBookEntries", EntriesId, automation::PropertyGet, 0, 0},
    {"FieldDefinitions", DefinitionsId, automation::PropertyGet, 0, 0},
    {"Delete", DeleteId, automation::Method, 0, 0},
};

} // namespace

Book::Book(std::shared_ptr<store::Store> store, store::BookRecord book)
    : StoreObject(std::move(store)), id_(book.id),
      book_(this->store().bookStamp(id_), std::move(book), [this] { return this->store().book(id_); })
{
}

std::span<const automation::ServerObject::Member> Book::members() const noexcept
{
    return Members;
}

void Book::invokeMember(automation::DispId id, unsigned, std::span<automation::Variant>,
                        automation::Variant *result)
{
    switch (id) {
    case NameId: setResult(result, book_.get().name); break;
    case ObjTypeId: setResult(result, static_cast<std::int32_t>(book_.get().kind)); break;
    case EntriesId: setResult(result, automation::Variant::adopt(new EntryCollection(sharedStore(), id_))); break;
    case DefinitionsId:
        setResult(result, automation::Variant::adopt(new DefinitionCollection(sharedStore(), id_)));
        break;
    case DeleteId: store().deleteBook(id_); break;
    }
}

} // namespace collab::objects
