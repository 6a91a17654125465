#pragma once

#include "Records.h"

namespace collab::store {

// The identity of the operating-system user running this process
// (getpwuid(geteuid())), as Login uses it:
//  - user ID: the login name;
//  - name: the first comma-separated part of the GECOS field, or the login
//    name when that is empty; last name is its last word, first name the
//    words before;
//  - e-mail: login@hostname (empty when the host name is unknown).
// Throws StoreError when the user has no passwd entry.
class OsUser {
public:
    static UserIdentity current();
    // The name rules above, for given passwd data.
    static UserIdentity fromPasswd(const std::string &login, const std::string &gecos, const std::string &host);
};

} // namespace collab::store
