#pragma once

#include <QString>

#include <functional>
#include <memory>

class QMessageBox;

namespace addressbook {

// Every message box of the program goes through here, so that there is one
// place that knows how each kind looks and tests can answer boxes without a
// modal loop.
//
// Kinds:
//  - notice: captioned with the application title, no icon, one "OK"
//    button pressed by Enter and by Escape;
//  - typed boxes: captioned "Error" (stop icon), "Information"
//    (information icon) or "Confirm" (question icon), with "OK" or "&Yes"
//    and "&No"; in a Yes/No box Enter presses Yes, Escape presses No, and the
//    close box answers No;
//  - failure report: the application title, a stop icon, "OK", and the
//    failure's text followed by a period.
// All are modal, centred on the screen, their text wrapped at half the
// screen's width.
namespace MessageBoxes {

enum class Type { Error, Information, Confirm };
enum class Buttons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

void notice(const QString &text);
Answer typed(Type type, const QString &text, Buttons buttons = Buttons::Ok);
void reportFailure(const QString &failureText);

// The boxes as they are built, for inspection.
std::unique_ptr<QMessageBox> buildNotice(const QString &text);
std::unique_ptr<QMessageBox> buildTyped(Type type, const QString &text, Buttons buttons);
std::unique_ptr<QMessageBox> buildFailureReport(const QString &failureText);

// The answer a shown box gave: the button clicked; Enter/Escape/close box map
// to the default and escape buttons.
Answer answerOf(const QMessageBox &box);

// Test hook: while set, each box is built and handed to the responder
// instead of being run; its return value is the answer. Pass nullptr to
// show boxes again.
using Responder = std::function<Answer(QMessageBox &box)>;
void setResponder(Responder responder);

} // namespace MessageBoxes

} // namespace addressbook
