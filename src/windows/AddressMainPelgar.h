#pragma once

#include <QWidget>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTextEdit;

namespace addressbook {

class Program;
class PushButton;
class StringGrid;
class ClickPanel;

// The main window: the grid of the book on display, the drop-down of the
// account's books and the command buttons. Its creation handler carries out
// the whole start-up; every command calls the server through the automation
// layer, one call per step.
class TAddressBookPelgarMainForm : public QWidget {
    Q_OBJECT
public:
    explicit TAddressBookPelgarMainForm(Program &program);
    ~TAddressBookPelgarMainForm() override;

    // Controls, in declaration order.
    StringGrid *DisplayStringGrid;
    PushButton *ExitButton;
    PushButton *AddFieldButton;
    PushButton *DeleteFieldButton;
    PushButton *AddAddressBookButton;
    PushButton *DeleteAddressBookButton;
    QLabel *ViewingLabel;
    QLabel *AddressBookLabel;
    QComboBox *AddressBookComboBox;
    PushButton *AddRecordButton;
    PushButton *DeleteRecordButton;
    QGroupBox *SelectAddressBookGroupBox;
    QGroupBox *AddressBookGroupBox;
    QGroupBox *RecordGroupBox;
    QGroupBox *FieldGroupBox;
    QTextEdit *Memo1;
    QLineEdit *NumRecordsEdit;
    ClickPanel *TestPanel;
    PushButton *HelpButton;
    PushButton *RefreshButton;
    PushButton *EditRecordButton;
    PushButton *ListFieldsButton;

    // Event handlers. Each may throw automation::Error; the wiring runs them
    // through runHandler, which reports what escapes.
    void ExitButtonClick();
    void AddressBookComboBoxChange();
    void FormCreate();
    void HelpButtonClick();
    void RefreshButtonClick();

    // Rebuilds the grid from the book the drop-down's text names. Throws the
    // first automation failure; what was done before it stays done.
    void RefreshDisplay();

    // The drop-down's text as the program reads it.
    QString comboText() const;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void wireEvents();

    Program &program_;
    bool centred_ = false;
};

} // namespace addressbook
