#include "SecondaryWindow.h"

#include "Handler.h"

#include <QFont>
#include <QGuiApplication>
#include <QScreen>

namespace addressbook {

SecondaryWindow::SecondaryWindow(Placement placement, QWidget *parent)
    : QWidget(parent, Qt::Window), placement_(placement)
{
}

void SecondaryWindow::showWindow()
{
    if (!isVisible()) {
        runHandler([this] { FormShow(); });
        if (!shownBefore_ && placement_ == Placement::CentreOnFirstShow)
            centreOnScreen(*this);
        shownBefore_ = true;
        show();
    }
    raise();
    if (!isMinimized())
        activateWindow();
}

void centreOnScreen(QWidget &window)
{
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
}

QFont layoutFont(const QString &family, int pixelHeight, bool bold, bool italic)
{
    static const bool substitutesInstalled = [] {
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                                   {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
        QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                                   {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
        return true;
    }();
    (void)substitutesInstalled;
    QFont font(family);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

} // namespace addressbook
