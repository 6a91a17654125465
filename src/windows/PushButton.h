#pragma once

#include <QPushButton>

namespace addressbook {

// A push button that a focused Enter presses, as the space bar does. The
// program's windows are plain windows without default buttons, so Qt's own
// push buttons would ignore Enter there.
class PushButton : public QPushButton {
    Q_OBJECT
public:
    explicit PushButton(const QString &text, QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace addressbook
