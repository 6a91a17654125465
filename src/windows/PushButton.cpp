#include "PushButton.h"

#include <QKeyEvent>

namespace addressbook {

PushButton::PushButton(const QString &text, QWidget *parent) : QPushButton(text, parent)
{
    setAutoDefault(false);
    setDefault(false);
    setFocusPolicy(Qt::StrongFocus);
}

void PushButton::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        event->accept();
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

} // namespace addressbook
