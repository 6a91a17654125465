#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

namespace collab::store {

// Where a Store lives and how it is opened.
struct StoreOptions {
    std::filesystem::path path;
    // Opens the file without write access; every change then fails. Used by
    // tests to stand in for a store the user cannot write.
    bool readOnly = false;
    // Caps the database at this many pages (PRAGMA max_page_count), so a
    // test can fill the store without filling the disk.
    std::optional<std::int64_t> maxPageCount;
};

} // namespace collab::store
