#pragma once

namespace collab::objects {

// The ProgID the server is registered under; also the source of its
// exception reports.
inline constexpr const char *ServerName = "ValdrinOrvastaSession";

} // namespace collab::objects
