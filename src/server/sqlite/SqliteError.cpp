#include "SqliteError.h"

namespace collab::sqlite {

SqliteError::SqliteError(int code, std::string message) : std::runtime_error(std::move(message)), code_(code) {}

} // namespace collab::sqlite
