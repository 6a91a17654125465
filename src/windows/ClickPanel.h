#pragma once

#include <QFrame>

namespace addressbook {

// A borderless panel that reports mouse clicks; it takes no focus.
class ClickPanel : public QFrame {
    Q_OBJECT
public:
    explicit ClickPanel(QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool pressed_ = false;
};

} // namespace addressbook
