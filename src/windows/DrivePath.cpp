#include "DrivePath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>

namespace addressbook::DrivePath {

namespace {

QHash<QChar, QString> &mappedFolders()
{
    static QHash<QChar, QString> folders;
    return folders;
}

QString defaultFolder(QChar drive)
{
    // Relative to the program, so the build tree and any install prefix
    // work alike without a setting.
    if (drive != QLatin1Char('c') || !QCoreApplication::instance())
        return {};
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QLatin1String("/../share/addresspelgar/drive_c"));
}

// The entry of `folder` that `name` stands for: the exact name when it
// exists, else the first entry equal to it ignoring case, else `name`.
QString matchEntry(const QString &folder, const QString &name)
{
    const QFileInfo exact(folder + QLatin1Char('/') + name);
    if (exact.exists() || exact.isSymLink())
        return name;
    const QStringList entries =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return name;
}

} // namespace

QString driveFolder(QChar drive)
{
    drive = drive.toLower();
    const auto mapped = mappedFolders().constFind(drive);
    return mapped != mappedFolders().cend() ? *mapped : defaultFolder(drive);
}

void setDriveFolder(QChar drive, const QString &folder)
{
    drive = drive.toLower();
    if (folder.isEmpty())
        mappedFolders().remove(drive);
    else
        mappedFolders().insert(drive, folder);
}

QString toLocal(const QString &drivePath)
{
    if (drivePath.size() < 2 || drivePath[1] != QLatin1Char(':'))
        return {};
    const QChar drive = drivePath[0];
    if (!(drive >= QLatin1Char('a') && drive <= QLatin1Char('z')) &&
        !(drive >= QLatin1Char('A') && drive <= QLatin1Char('Z')))
        return {};
    const QString root = driveFolder(drive);
    if (root.isEmpty())
        return {};

    static const QRegularExpression separators(QStringLiteral("[\\\\/]"));
    QStringList names;
    for (const QString &part : drivePath.mid(2).split(separators, Qt::SkipEmptyParts)) {
        if (part == QLatin1String("."))
            continue;
        if (part == QLatin1String("..")) {
            if (!names.isEmpty())
                names.removeLast();
            continue;
        }
        const QString folder = names.isEmpty() ? root : root + QLatin1Char('/') + names.join(QLatin1Char('/'));
        names.append(matchEntry(folder, part));
    }
    return names.isEmpty() ? root : root + QLatin1Char('/') + names.join(QLatin1Char('/'));
}

} // namespace addressbook::DrivePath
