#pragma once

#include "SecondaryWindow.h"

#include <QSize>

class QPlainTextEdit;

namespace addressbook {

class Program;
class PushButton;

// The help window: an ordinary, sizeable window showing the help text read
// once at start from a fixed file. Closing it hides it; showing it again
// keeps text, caret and scroll position as the user left them. Its outer
// size (frame included) is fixed at the first showing; the controls keep
// their geometry whatever the window's size.
class THelpForm : public SecondaryWindow {
    Q_OBJECT
public:
    // The help file, as the program names it; DrivePath maps it to a local
    // file.
    static constexpr const char *HelpFilePath = "c:\\kelmora\\projects\\address\\addressPelgar\\help.txt";
    // Window size including frame and title bar.
    static constexpr QSize OuterSize{435, 305};

    explicit THelpForm(Program &program);

    // Controls, in declaration order; children of the window, which owns
    // them.
    QPlainTextEdit *HelpMemo;
    PushButton *CloseButton;

    // Event handlers.
    void CloseButtonClick();
    // Creation handler: replaces the memo's lines with those of the help
    // file, read whole. Throws std::runtime_error "Cannot open file <path>"
    // (the path as HelpFilePath writes it) when the file cannot be opened;
    // the memo then keeps its lines.
    void FormCreate();
    void HelpMemoExit();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    Program &program_;
    bool outerSizeSet_ = false;
};

} // namespace addressbook
