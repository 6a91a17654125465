#pragma once

#include <filesystem>

namespace collab::store {

// Where the store file is.
//
// The server setting: the environment variable VALDRIN_ORVASTA_STORE, when
// set and not empty, names the store file. Otherwise the store is
// $XDG_DATA_HOME/addresspelgar/store.sqlite, with XDG_DATA_HOME defaulting
// to ~/.local/share. Folders are created when the store is first opened.
class StoreLocation {
public:
    static constexpr const char *Variable = "VALDRIN_ORVASTA_STORE";

    // The setting if given, else the default path.
    static std::filesystem::path configured();
    static std::filesystem::path defaultPath();
};

} // namespace collab::store
