#include "ApplicationTitle.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace addressbook {

QString applicationTitleFor(const QString &programPath)
{
    QString name = QFileInfo(programPath).fileName();
    if (qsizetype dot = name.indexOf(QLatin1Char('.')); dot >= 0)
        name.truncate(dot);
    if (name.isEmpty())
        return name;
    return name.left(1) + name.mid(1).toLower();
}

QString applicationTitle()
{
    QString path = QCoreApplication::instance() ? QCoreApplication::applicationFilePath() : QString();
    if (path.isEmpty() && QCoreApplication::instance() && !QCoreApplication::arguments().isEmpty())
        path = QCoreApplication::arguments().constFirst();
    return applicationTitleFor(path);
}

} // namespace addressbook
