#include "AddressMainPelgar.h"

#include "ClickPanel.h"
#include "Handler.h"
#include "Help.h"
#include "MessageBoxes.h"
#include "Program.h"
#include "PushButton.h"
#include "RecordColumns.h"
#include "SecondaryWindow.h"
#include "StringGrid.h"
#include "VariantText.h"

#include "automation/Runtime.h"
#include "automation/Text.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QStyledItemDelegate>
#include <QTextEdit>

// The window resources live in a static library, so they are registered by
// hand (outside any namespace, as the macro needs).
static void registerWindowResources()
{
    Q_INIT_RESOURCE(windows);
}

namespace addressbook {

using automation::Variant;

namespace {

const QColor Silver(192, 192, 192);

// Enter in the drop-down's text means nothing to the program; Qt's combo box
// would otherwise pick a matching item and rewrite the text on its own.
class SwallowEnter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter)
                return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

// The drop-down's list rows are 13 pixels high, as laid out.
class FixedRowHeight : public QStyledItemDelegate {
public:
    FixedRowHeight(int height, QObject *parent) : QStyledItemDelegate(parent), height_(height) {}
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), height_};
    }

private:
    int height_;
};

PushButton *makeButton(QWidget *parent, const QString &caption, int left, int top, int width, int height)
{
    auto *button = new PushButton(caption, parent);
    button->setGeometry(left, top, width, height);
    return button;
}

QGroupBox *makeFrame(QWidget *parent, const QString &caption, int left, int top, int width, int height)
{
    auto *frame = new QGroupBox(caption, parent);
    frame->setGeometry(left, top, width, height);
    frame->setFocusPolicy(Qt::NoFocus);
    return frame;
}

QColor menuColour()
{
    return QApplication::palette("QMenu").color(QPalette::Window);
}

} // namespace

TAddressBookPelgarMainForm::TAddressBookPelgarMainForm(Program &program)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      program_(program)
{
    setObjectName(QStringLiteral("AddressBookPelgarMainForm"));
    setWindowTitle(QStringLiteral("Address Book 1 -- Add/Delete Field Example"));
    setFixedSize(498, 507);
    setFont(layoutFont(QStringLiteral("MS Sans Serif"), 11));
    QPalette background = palette();
    background.setColor(QPalette::Window, Silver);
    setPalette(background);
    setAutoFillBackground(true);
    // A PNG: Qt reads it without the SVG image plugin.
    registerWindowResources();
    setWindowIcon(QIcon(QStringLiteral(":/icons/addresspelgar.png")));
    createControls();
    wireEvents();
}

TAddressBookPelgarMainForm::~TAddressBookPelgarMainForm() = default;

void TAddressBookPelgarMainForm::createControls()
{
    const QFont labelFont = layoutFont(QStringLiteral("MS Sans Serif"), 16);

    ViewingLabel = new QLabel(QStringLiteral("Currently Viewing:"), this);
    ViewingLabel->setFont(labelFont);
    ViewingLabel->move(121, 12);
    ViewingLabel->adjustSize();

    AddressBookLabel = new QLabel(this);
    AddressBookLabel->setFont(labelFont);
    AddressBookLabel->setGeometry(253, 12, 4, 20);
    AddressBookLabel->setTextFormat(Qt::PlainText);

    FieldGroupBox = makeFrame(this, QStringLiteral("Field"), 360, 324, 117, 129);
    RecordGroupBox = makeFrame(this, QStringLiteral("Record"), 224, 324, 117, 173);

    Memo1 = new QTextEdit(RecordGroupBox);
    Memo1->setGeometry(6, 124, 105, 13);
    Memo1->setFont(layoutFont(QStringLiteral("MS Sans Serif"), 11));
    Memo1->setReadOnly(true);
    Memo1->setFrameStyle(QFrame::NoFrame);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->document()->setDocumentMargin(0);
    Memo1->setLineWrapMode(QTextEdit::NoWrap); // one caption line, even where the font runs wider
    Memo1->setPlainText(QStringLiteral("Address Book Entries:"));
    Memo1->setAlignment(Qt::AlignCenter);
    Memo1->setFocusPolicy(Qt::ClickFocus);
    QPalette memoColours = Memo1->palette();
    memoColours.setColor(QPalette::Base, menuColour());
    memoColours.setColor(QPalette::Text, Qt::black);
    Memo1->setPalette(memoColours);

    // Read-only, so nothing can be typed; no length cap, so a count of five
    // or more digits is shown whole.
    NumRecordsEdit = new QLineEdit(QStringLiteral("0000"), RecordGroupBox);
    NumRecordsEdit->setGeometry(43, 144, 31, 21);
    NumRecordsEdit->setReadOnly(true);
    NumRecordsEdit->setFocusPolicy(Qt::ClickFocus);

    AddressBookGroupBox = makeFrame(this, QStringLiteral("Address Book"), 20, 324, 185, 173);
    SelectAddressBookGroupBox = makeFrame(this, QStringLiteral("Select Address Book"), 28, 420, 169, 61);

    DisplayStringGrid = new StringGrid(this);
    DisplayStringGrid->setObjectName(QStringLiteral("DisplayStringGrid"));
    DisplayStringGrid->setGeometry(12, 40, 473, 273);
    DisplayStringGrid->setDefaultColWidth(75);
    const int widths[] = {75, 75, 75, 75, 158};
    for (int col = 0; col < 5; ++col)
        DisplayStringGrid->setColWidth(col, widths[col]);

    ExitButton = makeButton(this, QStringLiteral("Exit"), 424, 464, 49, 29);
    AddFieldButton = makeButton(this, QStringLiteral("Add Field"), 376, 344, 85, 25);
    DeleteFieldButton = makeButton(this, QStringLiteral("Delete Field"), 375, 380, 86, 25);
    AddAddressBookButton = makeButton(this, QStringLiteral("Add Address Book"), 40, 344, 145, 25);
    DeleteAddressBookButton = makeButton(this, QStringLiteral("Delete Address Book"), 40, 384, 145, 25);

    AddressBookComboBox = new QComboBox(this);
    AddressBookComboBox->setGeometry(40, 446, 145, 21);
    AddressBookComboBox->setEditable(true);
    AddressBookComboBox->setInsertPolicy(QComboBox::NoInsert);
    AddressBookComboBox->setCompleter(nullptr);
    AddressBookComboBox->setDuplicatesEnabled(true);
    AddressBookComboBox->setFocusPolicy(Qt::StrongFocus);
    AddressBookComboBox->lineEdit()->installEventFilter(new SwallowEnter(AddressBookComboBox));
    AddressBookComboBox->setItemDelegate(new FixedRowHeight(13, AddressBookComboBox));
    if (auto *list = qobject_cast<QListView *>(AddressBookComboBox->view()))
        list->setUniformItemSizes(true);

    AddRecordButton = makeButton(this, QStringLiteral("Add Record"), 240, 344, 85, 25);
    DeleteRecordButton = makeButton(this, QStringLiteral("Delete Record"), 240, 416, 85, 25);

    TestPanel = new ClickPanel(this);
    TestPanel->setGeometry(-4, 0, 113, 37);
    QPalette face = TestPanel->palette();
    // The button face of the classic scheme is the window's silver: the panel stays unmarked.
    face.setColor(QPalette::Window, Silver);
    TestPanel->setPalette(face);

    HelpButton = makeButton(this, QStringLiteral("Help"), 364, 464, 49, 29);

    RefreshButton = makeButton(this, QStringLiteral("Click here to refresh the display"), 52, 148, 393, 69);
    RefreshButton->setFont(layoutFont(QStringLiteral("Times New Roman"), 27, true, true));
    QPalette black = RefreshButton->palette();
    black.setColor(QPalette::ButtonText, Qt::black);
    RefreshButton->setPalette(black);
    RefreshButton->hide();

    EditRecordButton = makeButton(this, QStringLiteral("Edit Record"), 240, 380, 85, 25);
    ListFieldsButton = makeButton(this, QStringLiteral("List Fields"), 376, 420, 85, 25);

    // Stable names for tests and accessibility.
    const std::pair<QWidget *, const char *> names[] = {
        {ExitButton, "ExitButton"},
        {AddFieldButton, "AddFieldButton"},
        {DeleteFieldButton, "DeleteFieldButton"},
        {AddAddressBookButton, "AddAddressBookButton"},
        {DeleteAddressBookButton, "DeleteAddressBookButton"},
        {ViewingLabel, "ViewingLabel"},
        {AddressBookLabel, "AddressBookLabel"},
        {AddressBookComboBox, "AddressBookComboBox"},
        {AddRecordButton, "AddRecordButton"},
        {DeleteRecordButton, "DeleteRecordButton"},
        {SelectAddressBookGroupBox, "SelectAddressBookGroupBox"},
        {AddressBookGroupBox, "AddressBookGroupBox"},
        {RecordGroupBox, "RecordGroupBox"},
        {FieldGroupBox, "FieldGroupBox"},
        {Memo1, "Memo1"},
        {NumRecordsEdit, "NumRecordsEdit"},
        {TestPanel, "TestPanel"},
        {HelpButton, "HelpButton"},
        {RefreshButton, "RefreshButton"},
        {EditRecordButton, "EditRecordButton"},
        {ListFieldsButton, "ListFieldsButton"},
    };
    for (const auto &[widget, name] : names)
        widget->setObjectName(QString::fromLatin1(name));

    // Tab order: the grid, then the buttons and the drop-down as laid out.
    QWidget *tabOrder[] = {DisplayStringGrid, AddAddressBookButton, DeleteAddressBookButton,
                           AddressBookComboBox, AddRecordButton,     EditRecordButton,
                           DeleteRecordButton,  AddFieldButton,      DeleteFieldButton,
                           ListFieldsButton,    HelpButton,          ExitButton,
                           RefreshButton};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

void TAddressBookPelgarMainForm::wireEvents()
{
    connect(ExitButton, &QPushButton::clicked, this, [this] { runHandler([this] { ExitButtonClick(); }); });
    connect(RefreshButton, &QPushButton::clicked, this, [this] { runHandler([this] { RefreshButtonClick(); }); });
    connect(HelpButton, &QPushButton::clicked, this, [this] { runHandler([this] { HelpButtonClick(); }); });
    // Only the user's typing and picking change the book on display; the
    // program's own changes to the drop-down raise neither signal.
    connect(AddressBookComboBox->lineEdit(), &QLineEdit::textEdited, this,
            [this] { runHandler([this] { AddressBookComboBoxChange(); }); });
    connect(AddressBookComboBox, &QComboBox::activated, this,
            [this] { runHandler([this] { AddressBookComboBoxChange(); }); });
}

QString TAddressBookPelgarMainForm::comboText() const
{
    return AddressBookComboBox->currentText();
}

void TAddressBookPelgarMainForm::FormCreate()
{
    ProgramState &state = program_.state;

    for (int col = 0; col < FixedColumnCount; ++col)
        DisplayStringGrid->setCell(col, 0, QString::fromLatin1(RecordColumns[col].header));

    automation::initialize();

    state.Session = automation::createObject(SessionProgId);

    try {
        state.Session.invoke("Login", {Variant::omitted()});
    } catch (const std::exception &) {
        MessageBoxes::typed(MessageBoxes::Type::Error, QStringLiteral("Unable to login!"));
        program_.terminate();
        return;
    }

    automation::assignGet(state.Account, state.Session, "RootAccount");
    automation::assignGet(state.AddressBooks, state.Account, "AddressBooks");

    const int n = asInteger(state.AddressBooks.get("Count"));
    for (int i = 1; i <= n; ++i) {
        const Variant book = state.AddressBooks.call("Item", {Variant(i)});
        AddressBookComboBox->addItem(asText(book.get("Name")));
    }

    const Variant first = state.AddressBooks.call("Item", {Variant(1)});
    AddressBookComboBox->setEditText(asText(first.get("Name")));

    RefreshDisplay();

    AddressBookLabel->setText(comboText());
    AddressBookLabel->adjustSize();
}

void TAddressBookPelgarMainForm::ExitButtonClick()
{
    ProgramState &state = program_.state;
    state.CurrentBook.clear();
    state.AddressBooks.clear();
    state.Entries.clear();
    // Session, Account and the record dialog's fields are released with the
    // rest before automation use ends, never after.
    program_.endAutomation();
    close();
}

void TAddressBookPelgarMainForm::AddressBookComboBoxChange()
{
    RefreshDisplay();
}

void TAddressBookPelgarMainForm::RefreshButtonClick()
{
    RefreshDisplay();
    RefreshButton->hide();
}

void TAddressBookPelgarMainForm::HelpButtonClick()
{
    program_.HelpForm->showWindow();
}

void TAddressBookPelgarMainForm::RefreshDisplay()
{
    ProgramState &state = program_.state;
    StringGrid &grid = *DisplayStringGrid;

    grid.setColCount(FixedColumnCount);

    // The book the drop-down's text names, exactly, first match wins.
    std::int32_t position = 0;
    bool found = false;
    const int books = asInteger(state.AddressBooks.get("Count"));
    for (position = 1; position <= books; ++position) {
        const Variant book = state.AddressBooks.call("Item", {Variant(position)});
        const QString name = asText(book.get("Name"));
        if (name == comboText()) {
            found = true;
            break;
        }
    }
    const int booksNow = asInteger(state.AddressBooks.get("Count"));
    if (!found || position > booksNow)
        return;

    AddressBookLabel->setText(comboText());
    AddressBookLabel->adjustSize();

    automation::assignCall(state.CurrentBook, state.AddressBooks, "Item", {Variant::byRef(position)});
    automation::assignGet(state.Entries, state.CurrentBook, "AddressBookEntries");

    if (asInteger(state.Entries.get("Count")) == 0) {
        grid.setRowCount(2);
        for (int col = 0; col <= TestFieldColumn; ++col)
            grid.setCell(col, 1, QString());
    } else {
        grid.setRowCount(asInteger(state.Entries.get("Count")) + 1);
        const int rows = asInteger(state.Entries.get("Count"));
        for (int row = 1; row <= rows; ++row) {
            for (int col = 0; col <= TestFieldColumn; ++col)
                grid.setCell(col, row, QString());
            const Variant entry = state.Entries.call("Item", {Variant(row)});
            const Variant fields = entry.get("Fields");
            const int fieldCount = asInteger(fields.get("Count"));
            for (int j = 1; j <= fieldCount; ++j) {
                for (int col = 0; col <= TestFieldColumn; ++col) {
                    const std::string name = automation::toText(fields.call("Item", {Variant(j)}).get("Name"));
                    if (!automation::equalsIgnoreAsciiCase(name, RecordColumns[col].fieldName))
                        continue;
                    if (col == TestFieldColumn && grid.colCount() == FixedColumnCount) {
                        grid.setColCount(FixedColumnCount + 1);
                        grid.setCell(TestFieldColumn, 0, QString::fromLatin1(RecordColumns[col].header));
                    }
                    grid.setCell(col, row, asText(fields.call("Item", {Variant(j)}).get("Value")));
                }
            }
        }
    }

    NumRecordsEdit->setText(asText(state.Entries.get("Count")));
}

void TAddressBookPelgarMainForm::showEvent(QShowEvent *event)
{
    if (!centred_) {
        centred_ = true;
        centreOnScreen(*this);
    }
    QWidget::showEvent(event);
}

// The main window's closing ends the program with all its windows.
void TAddressBookPelgarMainForm::closeEvent(QCloseEvent *event)
{
    event->accept();
    QCoreApplication::quit();
}

} // namespace addressbook
