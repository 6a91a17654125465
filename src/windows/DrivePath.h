#pragma once

#include <QChar>
#include <QString>

namespace addressbook {

// Paths written for a platform with drive letters ("c:\dir\file.txt") mapped
// to local files: each drive letter stands for a local folder, backslashes
// (and slashes) separate components, and since local names are
// case-sensitive, a component whose exact name is missing is matched against
// the folder's entries ignoring case.
//
// Drive C defaults to <program folder>/../share/addresspelgar/drive_c, which
// is where the build tree and an install keep the program's data; no other
// drive is mapped. Use from the GUI thread only.
namespace DrivePath {

// The local path for a drive path. "." and empty components are skipped,
// ".." stops at the drive's folder. A component found neither exactly nor
// ignoring case is kept as written, as are all after it, so the result then
// names a missing file. Returns an empty string for a path without a drive
// letter and colon, or on a drive with no folder. Needs the application
// object for the default of drive C.
QString toLocal(const QString &drivePath);

// The local folder drive `drive` (either case) stands for; empty when the
// drive is not mapped.
QString driveFolder(QChar drive);

// Test hook: maps `drive` to `folder`. An empty folder restores the default
// (drive C: the program's data folder; others: not mapped).
void setDriveFolder(QChar drive, const QString &folder);

} // namespace DrivePath

} // namespace addressbook
