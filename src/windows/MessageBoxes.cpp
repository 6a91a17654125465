#include "MessageBoxes.h"

#include "ApplicationTitle.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

namespace addressbook::MessageBoxes {

namespace {

Responder &responder()
{
    static Responder instance;
    return instance;
}

// QMessageBox wraps its text itself; its label is capped here so that long
// texts wrap at half the screen's width.
void capTextWidth(QMessageBox &box)
{
    QScreen *screen = QGuiApplication::primaryScreen();
    const int half = screen ? screen->geometry().width() / 2 : 512;
    if (auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))) {
        label->setWordWrap(true);
        label->setMaximumWidth(half);
    }
}

std::unique_ptr<QMessageBox> makeBox(const QString &title, QMessageBox::Icon icon, const QString &text,
                                     Buttons buttons)
{
    auto box = std::make_unique<QMessageBox>();
    box->setWindowTitle(title);
    box->setIcon(icon);
    box->setText(text);
    box->setTextFormat(Qt::PlainText);
    box->setWindowModality(Qt::ApplicationModal);
    if (buttons == Buttons::Ok) {
        QPushButton *ok = box->addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box->setDefaultButton(ok);
        box->setEscapeButton(ok);
    } else {
        QPushButton *yes = box->addButton(QStringLiteral("&Yes"), QMessageBox::YesRole);
        QPushButton *no = box->addButton(QStringLiteral("&No"), QMessageBox::NoRole);
        box->setDefaultButton(yes);
        box->setEscapeButton(no);
    }
    capTextWidth(*box);
    return box;
}

Answer run(QMessageBox &box)
{
    if (const Responder &answer = responder())
        return answer(box);
    box.exec();
    return answerOf(box);
}

} // namespace

std::unique_ptr<QMessageBox> buildNotice(const QString &text)
{
    return makeBox(applicationTitle(), QMessageBox::NoIcon, text, Buttons::Ok);
}

std::unique_ptr<QMessageBox> buildTyped(Type type, const QString &text, Buttons buttons)
{
    switch (type) {
    case Type::Error: return makeBox(QStringLiteral("Error"), QMessageBox::Critical, text, buttons);
    case Type::Information:
        return makeBox(QStringLiteral("Information"), QMessageBox::Information, text, buttons);
    case Type::Confirm: return makeBox(QStringLiteral("Confirm"), QMessageBox::Question, text, buttons);
    }
    return makeBox(QString(), QMessageBox::NoIcon, text, buttons);
}

std::unique_ptr<QMessageBox> buildFailureReport(const QString &failureText)
{
    return makeBox(applicationTitle(), QMessageBox::Critical, failureText + QLatin1Char('.'), Buttons::Ok);
}

Answer answerOf(const QMessageBox &box)
{
    const QAbstractButton *clicked = box.clickedButton();
    if (!clicked)
        return box.buttons().size() == 1 ? Answer::Ok : Answer::No;
    const QString caption = clicked->text();
    if (caption == QLatin1String("&Yes"))
        return Answer::Yes;
    if (caption == QLatin1String("&No"))
        return Answer::No;
    return Answer::Ok;
}

void notice(const QString &text)
{
    run(*buildNotice(text));
}

Answer typed(Type type, const QString &text, Buttons buttons)
{
    return run(*buildTyped(type, text, buttons));
}

void reportFailure(const QString &failureText)
{
    run(*buildFailureReport(failureText));
}

void setResponder(Responder answer)
{
    responder() = std::move(answer);
}

} // namespace addressbook::MessageBoxes
