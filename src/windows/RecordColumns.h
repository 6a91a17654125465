#pragma once

#include <array>

namespace addressbook {

// The grid's record columns and the field each one shows, in column order.
// Fields are matched to columns by name, ASCII case-insensitively.
struct RecordColumn {
    const char *header;
    const char *fieldName;
};

inline constexpr std::array<RecordColumn, 6> RecordColumns{{
    {"Last Name", "Last Name"},
    {"First Name", "First Name"},
    {"Phone", "Office Phone Number"},
    {"User ID", "User ID"},
    {"E-Mail", "E-Mail Address"},
    {"Test Field", "Test Field"},
}};

inline constexpr int TestFieldColumn = 5;
inline constexpr int FixedColumnCount = 5;

} // namespace addressbook
