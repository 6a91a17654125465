#include "Help.h"

#include "DrivePath.h"
#include "Handler.h"
#include "Program.h"
#include "PushButton.h"

#include <QFile>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QStringDecoder>
#include <QWindow>

#include <stdexcept>

namespace addressbook {

namespace {

// The file's text with its line breaks (CR LF, LF or CR) as the memo's.
// UTF-8, with or without a byte order mark; a file that is not UTF-8 is
// taken as Latin-1 rather than shown with replacement characters.
QString readWholeFile(const QString &drivePath)
{
    QFile file(DrivePath::toLocal(drivePath));
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("Cannot open file " + drivePath.toStdString());
    const QByteArray bytes = file.readAll();

    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace

THelpForm::THelpForm(Program &program) : SecondaryWindow(Placement::DesignPosition), program_(program)
{
    setObjectName(QStringLiteral("HelpForm"));
    setWindowTitle(QStringLiteral("Help"));
    setFont(layoutFont(QStringLiteral("MS Sans Serif"), 11));
    // Moved before the window exists, so the position is the frame's; the
    // size becomes the outer size at the first showing, once the frame is
    // known.
    move(344, 498);
    resize(OuterSize);

    // Read-only, but the caret still moves and selects, which is the only
    // way to reach text below the edge: there are no scroll bars.
    HelpMemo = new QPlainTextEdit(this);
    HelpMemo->setObjectName(QStringLiteral("HelpMemo"));
    HelpMemo->setGeometry(12, 8, 405, 225);
    HelpMemo->setReadOnly(true);
    HelpMemo->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    HelpMemo->setFocusPolicy(Qt::StrongFocus);
    HelpMemo->setTabChangesFocus(true);
    HelpMemo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    HelpMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    HelpMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    HelpMemo->setPlainText(QString());
    HelpMemo->installEventFilter(this);

    CloseButton = new PushButton(QStringLiteral("Close"), this);
    CloseButton->setObjectName(QStringLiteral("CloseButton"));
    CloseButton->setGeometry(176, 244, 75, 25);

    setTabOrder(HelpMemo, CloseButton);
    connect(CloseButton, &QPushButton::clicked, this, [this] { runHandler([this] { CloseButtonClick(); }); });
}

void THelpForm::CloseButtonClick()
{
    close();
}

void THelpForm::FormCreate()
{
    HelpMemo->setPlainText(readWholeFile(QString::fromLatin1(HelpFilePath)));
}

void THelpForm::HelpMemoExit()
{
    // Nothing to do when the caret leaves the text.
}

bool THelpForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == HelpMemo) {
        if (event->type() == QEvent::FocusOut) {
            // Only focus moving to another control of this window is an
            // exit; the window losing activation is not.
            const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                runHandler([this] { HelpMemoExit(); });
        } else if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Space) {
            // A read-only text box would page on Space and leave the caret
            // behind; here Space, like any typing, does nothing.
            return true;
        }
    }
    return SecondaryWindow::eventFilter(watched, event);
}

void THelpForm::showEvent(QShowEvent *event)
{
    SecondaryWindow::showEvent(event);
    if (!outerSizeSet_ && windowHandle()) {
        outerSizeSet_ = true;
        resize(OuterSize.shrunkBy(windowHandle()->frameMargins()));
    }
}

} // namespace addressbook
