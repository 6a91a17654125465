#pragma once

#include "Identity.h"

#include <automation/Variant.h>

#include <string>
#include <vector>

namespace scripted {

// The in-memory data of the scripted server: one account's address books.
// Tests build and change it freely between calls; server objects are live
// views of it. The identity members are the server's; leave them alone.
// Constructors rather than aggregates, so that brace lists need not spell
// out the identity.

struct Field {
    Field(std::string name = {}, automation::Variant value = {}, int type = 0)
        : name(std::move(name)), value(std::move(value)), type(type) {}

    std::string name;
    // Any variant, so that tests can feed odd values (numbers, Null, Empty,
    // objects) where the program expects text.
    automation::Variant value;
    int type; // as given to Fields.Add; not interpreted
    Identity identity;
};

struct Entry {
    Entry(std::string displayName = {}, std::vector<Field> fields = {})
        : displayName(std::move(displayName)), fields(std::move(fields)) {}

    std::string displayName;
    std::vector<Field> fields;
    Identity identity;
};

struct Definition {
    Definition(std::string name = {}, int type = 0) : name(std::move(name)), type(type) {}

    std::string name;
    int type; // as given to FieldDefinitions.Add; not interpreted
    Identity identity;
};

struct Book {
    Book(std::string name = {}, int objType = 1, std::vector<Entry> entries = {},
         std::vector<Definition> definitions = {})
        : name(std::move(name)), objType(objType), entries(std::move(entries)),
          definitions(std::move(definitions)) {}

    std::string name;
    int objType; // 2 marks a system book
    std::vector<Entry> entries;
    std::vector<Definition> definitions;
    Identity identity;
};

} // namespace scripted
