// The main window against the scripted server: start-up, the display of a
// book, switching books from the drop-down, failures at each step, exit.
#include "windows/AddressMainPelgar.h"
#include "windows/ClickPanel.h"
#include "windows/Help.h"
#include "windows/MessageBoxes.h"
#include "windows/Program.h"
#include "windows/PushButton.h"
#include "windows/StringGrid.h"

#include "automation/Conversions.h"
#include "automation/Runtime.h"

#include "ScriptedServer.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QAbstractItemView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

using namespace addressbook;
using scripted::Reply;

namespace {

scripted::Field field(std::string name, std::string value)
{
    scripted::Field f;
    f.name = std::move(name);
    f.value = automation::Variant(std::move(value));
    return f;
}

scripted::Entry entry(std::string displayName, std::vector<scripted::Field> fields)
{
    scripted::Entry e;
    e.displayName = std::move(displayName);
    e.fields = std::move(fields);
    return e;
}

scripted::Book book(std::string name, int objType, std::vector<scripted::Entry> entries)
{
    scripted::Book b;
    b.name = std::move(name);
    b.objType = objType;
    b.entries = std::move(entries);
    return b;
}

// A full record: each value differs, so a swapped column shows.
scripted::Entry person(const std::string &last, const std::string &first)
{
    return entry(last, {field("Last Name", last), field("First Name", first),
                        field("Office Phone Number", "555-" + last), field("User ID", first + "." + last),
                        field("E-Mail Address", first + "@" + last + ".example")});
}

QStringList toQt(const std::vector<std::string> &texts)
{
    QStringList list;
    for (const auto &t : texts)
        list << QString::fromStdString(t);
    return list;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startUpCallsInOrder();
    void refreshCallsInOrder_data();
    void refreshCallsInOrder();
    void startUpListsBooksAndShowsTheFirst();
    void duplicateNamesShowTheFirstBook();
    void refreshFillsTheGrid_data();
    void refreshFillsTheGrid();
    void typingANameRefreshesAfterEveryKey();
    void pickingFromTheListShowsThatBook();
    void refreshFailureLeavesWhatWasDone_data();
    void refreshFailureLeavesWhatWasDone();
    void refreshButtonRebuildsAndHides();
    void failedRefreshKeepsTheRefreshButton();
    void failedLoginEndsStartUp();
    void missingServerLeavesAnEmptyWindow();
    void emptyAccountReportsAFailureAtStart();
    void exitReleasesEveryReference();
    void layoutMatchesTheDesign();
    void screenshot();

private:
    void start();
    TAddressBookPelgarMainForm &main() { return *program->AddressBookPelgarMainForm; }
    StringGrid &grid() { return *main().DisplayStringGrid; }
    QStringList row(int r);
    QString bookNameOf(const automation::Variant &book) { return QString::fromStdString(automation::toText(book.get("Name"))); }

    std::unique_ptr<scripted::ScriptedServer> server;
    std::unique_ptr<Program> program;
    QStringList boxes; // "title|text" of every box shown, in order
    std::uint64_t lateReleasesBefore = 0;
};

void MainWindowTest::init()
{
    server = std::make_unique<scripted::ScriptedServer>();
    server->books() = {
        book("Global Address List", 2, {person("Lovelace", "Ada")}),
        book("Personal", 1, {person("Hopper", "Grace"), person("Turing", "Alan")}),
        book("Empty", 1, {}),
    };
    server->install();
    boxes.clear();
    // Boxes are answered at once and recorded, so no modal loop can hang a test.
    MessageBoxes::setResponder([this](QMessageBox &box) {
        boxes << box.windowTitle() + QLatin1Char('|') + box.text();
        return MessageBoxes::Answer::Ok;
    });
    lateReleasesBefore = automation::releasesAfterUse();
    program = std::make_unique<Program>();
}

void MainWindowTest::cleanup()
{
    program.reset();
    // Every reference the program took is released, none after use ended.
    QCOMPARE(server->liveObjects(), std::size_t(0));
    QCOMPARE(automation::releasesAfterUse(), lateReleasesBefore);
    MessageBoxes::setResponder(nullptr);
    server.reset();
}

void MainWindowTest::start()
{
    QVERIFY(program->createWindows());
}

QStringList MainWindowTest::row(int r)
{
    QStringList cells;
    for (int c = 0; c < grid().colCount(); ++c)
        cells << grid().cell(c, r);
    return cells;
}

void MainWindowTest::startUpCallsInOrder()
{
    server->books() = {book("Solo", 1, {entry("Hopper", {field("last name", "Hopper"), field("Fax", "1")})})};
    start();
    const QStringList expected = {
        "Session.Login(?)", "Session.RootAccount", "Account.AddressBooks", "Books.Count",
        "Books.Item(1)", "Book.Name",
        "Books.Item(1)", "Book.Name",
        // the display refresh
        "Books.Count", "Books.Item(1)", "Book.Name", "Books.Count", "Books.Item(&1)",
        "Book.AddressBookEntries", "Entries.Count", "Entries.Count", "Entries.Count",
        "Entries.Item(1)", "Entry.Fields", "Fields.Count",
        // field 1 matches column 0 and is read again for its value
        "Fields.Item(1)", "Field.Name", "Fields.Item(1)", "Field.Value",
        "Fields.Item(1)", "Field.Name", "Fields.Item(1)", "Field.Name", "Fields.Item(1)", "Field.Name",
        "Fields.Item(1)", "Field.Name", "Fields.Item(1)", "Field.Name",
        // field 2 matches nothing
        "Fields.Item(2)", "Field.Name", "Fields.Item(2)", "Field.Name", "Fields.Item(2)", "Field.Name",
        "Fields.Item(2)", "Field.Name", "Fields.Item(2)", "Field.Name", "Fields.Item(2)", "Field.Name",
        "Entries.Count",
    };
    QCOMPARE(toQt(server->callTexts()), expected);
    QVERIFY(boxes.isEmpty());
}

void MainWindowTest::refreshCallsInOrder_data()
{
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QStringList>("calls");

    QTest::newRow("an empty book reads the count twice")
        << "Empty"
        << QStringList{"Books.Count", "Books.Item(1)", "Book.Name", "Books.Item(2)", "Book.Name", "Books.Item(3)",
                       "Book.Name", "Books.Count", "Books.Item(&3)", "Book.AddressBookEntries", "Entries.Count",
                       "Entries.Count"};
    QTest::newRow("the search stops at the first equal name")
        << "Global Address List"
        << QStringList{"Books.Count", "Books.Item(1)", "Book.Name", "Books.Count", "Books.Item(&1)",
                       "Book.AddressBookEntries", "Entries.Count", "Entries.Count", "Entries.Count",
                       "Entries.Item(1)", "Entry.Fields", "Fields.Count"};
    QTest::newRow("a name no book bears ends after the second count")
        << "Nowhere"
        << QStringList{"Books.Count", "Books.Item(1)", "Book.Name", "Books.Item(2)", "Book.Name", "Books.Item(3)",
                       "Book.Name", "Books.Item(4)", "Book.Name", "Books.Count"};
}

void MainWindowTest::refreshCallsInOrder()
{
    QFETCH(QString, shown);
    QFETCH(QStringList, calls);

    server->books().push_back(book("Global Address List", 1, {person("Second", "Copy")}));
    start();
    main().AddressBookComboBox->setEditText(shown);
    server->clearCalls();
    main().RefreshDisplay();
    // A book with entries goes on with its rows; the other cases end here.
    const QStringList received = toQt(server->callTexts());
    QCOMPARE(shown == "Global Address List" ? received.mid(0, calls.size()) : received, calls);
}

void MainWindowTest::startUpListsBooksAndShowsTheFirst()
{
    start();
    QComboBox &combo = *main().AddressBookComboBox;
    QCOMPARE(combo.count(), 3);
    QCOMPARE(combo.itemText(0), QStringLiteral("Global Address List"));
    QCOMPARE(combo.itemText(2), QStringLiteral("Empty"));
    QCOMPARE(combo.currentText(), QStringLiteral("Global Address List"));
    QCOMPARE(main().AddressBookLabel->text(), QStringLiteral("Global Address List"));
    QCOMPARE(main().NumRecordsEdit->text(), QStringLiteral("1"));
    QCOMPARE(row(0), (QStringList{"Last Name", "First Name", "Phone", "User ID", "E-Mail"}));
    QCOMPARE(row(1), (QStringList{"Lovelace", "Ada", "555-Lovelace", "Ada.Lovelace", "Ada@Lovelace.example"}));
    QCOMPARE(bookNameOf(program->state.CurrentBook), QStringLiteral("Global Address List"));
    QCOMPARE(automation::toInt32(program->state.Entries.get("Count")), 1);
    QVERIFY(boxes.isEmpty());
}

void MainWindowTest::duplicateNamesShowTheFirstBook()
{
    server->books() = {book("A", 1, {person("First", "One")}), book("B", 1, {}),
                       book("A", 1, {person("Second", "Two")})};
    start();
    QComboBox &combo = *main().AddressBookComboBox;
    QCOMPARE(combo.count(), 3);
    QCOMPARE(combo.itemText(2), QStringLiteral("A"));
    QCOMPARE(combo.currentText(), QStringLiteral("A"));
    QCOMPARE(grid().cell(0, 1), QStringLiteral("First"));
}

void MainWindowTest::refreshFillsTheGrid_data()
{
    QTest::addColumn<QList<QStringList>>("rows"); // header row first
    QTest::addColumn<QString>("count");

    const QStringList header5{"Last Name", "First Name", "Phone", "User ID", "E-Mail"};
    const QStringList header6 = header5 + QStringList{"Test Field"};
    QTest::newRow("empty book: one blank row, five columns")
        << QList<QStringList>{header5, QStringList(5)} << "0";
    QTest::newRow("test field in small letters in the second entry adds the sixth column")
        << QList<QStringList>{header6, {"Hopper", "", "", "", "", ""}, {"Turing", "", "", "", "", "x2"},
                              {"Lamarr", "", "", "", "", ""}}
        << "3";
    QTest::newRow("an entry without any column's field keeps its blank row")
        << QList<QStringList>{header5, {"Hopper", "", "", "", ""}, QStringList(5)} << "2";
    QTest::newRow("of two fields for one column the later wins")
        << QList<QStringList>{header5, {"LATER", "", "", "", ""}} << "1";
    QTest::newRow("Phone and E-Mail fields are not the columns' fields")
        << QList<QStringList>{header5, {"", "", "555-0", "", "a@b.example"}} << "1";
}

void MainWindowTest::refreshFillsTheGrid()
{
    QFETCH(QList<QStringList>, rows);
    QFETCH(QString, count);

    const QString name = QString::fromLatin1(QTest::currentDataTag());
    std::vector<scripted::Entry> entries;
    if (name.startsWith("test field"))
        entries = {entry("Hopper", {field("Last Name", "Hopper")}),
                   entry("Turing", {field("Last Name", "Turing"), field("test field", "x2")}),
                   entry("Lamarr", {field("Last Name", "Lamarr")})};
    else if (name.startsWith("an entry without"))
        entries = {entry("Hopper", {field("Last Name", "Hopper")}), entry("Nobody", {field("Nickname", "n")})};
    else if (name.startsWith("of two fields"))
        entries = {entry("x", {field("Last Name", "earlier"), field("LAST NAME", "LATER")})};
    else if (name.startsWith("Phone"))
        entries = {entry("x", {field("Phone", "555-1"), field("Office Phone Number", "555-0"),
                               field("E-Mail", "wrong@b.example"), field("E-Mail Address", "a@b.example")})};
    server->books() = {book("Book", 1, std::move(entries))};
    start();

    QCOMPARE(grid().colCount(), rows.first().size());
    QCOMPARE(grid().rowCount(), rows.size());
    for (int r = 0; r < rows.size(); ++r)
        QCOMPARE(row(r), rows[r]);
    QCOMPARE(main().NumRecordsEdit->text(), count);
}

void MainWindowTest::typingANameRefreshesAfterEveryKey()
{
    server->books().push_back(book("Per", 1, {entry("Short", {field("Last Name", "Short")})}));
    server->books()[1].entries[0].fields.push_back(field("Test Field", "t"));
    start();
    main().show();
    QVERIFY(QTest::qWaitForWindowExposed(&main()));
    QLineEdit &edit = *main().AddressBookComboBox->lineEdit();
    const QString global = QStringLiteral("Global Address List");

    edit.selectAll();
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QTest::keyClicks(&edit, QStringLiteral("P"));
    QCOMPARE(main().AddressBookLabel->text(), global); // names no book yet
    QCOMPARE(grid().cell(0, 1), QStringLiteral("Lovelace"));

    QTest::keyClicks(&edit, QStringLiteral("er"));
    QCOMPARE(main().AddressBookLabel->text(), QStringLiteral("Per"));
    QCOMPARE(grid().cell(0, 1), QStringLiteral("Short"));

    QTest::keyClicks(&edit, QStringLiteral("s"));
    QCOMPARE(main().AddressBookLabel->text(), QStringLiteral("Per"));

    QTest::keyClicks(&edit, QStringLiteral("onal"));
    QCOMPARE(main().AddressBookLabel->text(), QStringLiteral("Personal"));
    QCOMPARE(grid().colCount(), 6);
    QCOMPARE(grid().cell(5, 0), QStringLiteral("Test Field"));
    QCOMPARE(row(1), (QStringList{"Hopper", "Grace", "555-Hopper", "Grace.Hopper", "Grace@Hopper.example", "t"}));
    QCOMPARE(main().NumRecordsEdit->text(), QStringLiteral("2"));

    // A trailing blank names no book: the sixth column goes, nothing else.
    QTest::keyClick(&edit, Qt::Key_Space);
    QCOMPARE(grid().colCount(), 5);
    QCOMPARE(main().AddressBookLabel->text(), QStringLiteral("Personal"));
    QCOMPARE(grid().cell(0, 2), QStringLiteral("Turing"));

    // Letter case counts: "global address list" names no book.
    edit.selectAll();
    QTest::keyClicks(&edit, QStringLiteral("global address list"));
    QCOMPARE(main().AddressBookLabel->text(), QStringLiteral("Personal"));
    QCOMPARE(bookNameOf(program->state.CurrentBook), QStringLiteral("Personal"));
    QVERIFY(boxes.isEmpty());
}

void MainWindowTest::pickingFromTheListShowsThatBook()
{
    start();
    main().show();
    QVERIFY(QTest::qWaitForWindowExposed(&main()));
    QComboBox &combo = *main().AddressBookComboBox;
    combo.setFocus();
    QTest::keyClick(&combo, Qt::Key_Down); // picks the next item, as a user does
    QCOMPARE(combo.currentText(), QStringLiteral("Personal"));
    QCOMPARE(main().AddressBookLabel->text(), QStringLiteral("Personal"));
    QCOMPARE(grid().cell(1, 2), QStringLiteral("Alan"));
    QCOMPARE(bookNameOf(program->state.CurrentBook), QStringLiteral("Personal"));
}

void MainWindowTest::refreshFailureLeavesWhatWasDone_data()
{
    QTest::addColumn<QString>("failing");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("currentBook"); // "" for empty
    QTest::addColumn<bool>("entriesEmpty");
    QTest::addColumn<QStringList>("row1");
    QTest::addColumn<QStringList>("row2");
    QTest::addColumn<QString>("count");

    const QStringList ada{"Lovelace", "Ada", "555-Lovelace", "Ada.Lovelace", "Ada@Lovelace.example"};
    const QStringList grace{"Hopper", "Grace", "555-Hopper", "Grace.Hopper", "Grace@Hopper.example"};
    QTest::newRow("search") << "Book[Personal].Name" << "Global Address List" << "Global Address List" << false
                            << ada << QStringList() << "1";
    QTest::newRow("fetching the book") << "Books.Item(&2)" << "Personal" << "" << false << ada << QStringList()
                                       << "1";
    QTest::newRow("fetching its entries") << "Book[Personal].AddressBookEntries" << "Personal" << "Personal" << true
                                          << ada << QStringList() << "1";
    QTest::newRow("counting the entries") << "Entries[Personal].Count" << "Personal" << "Personal" << false << ada
                                          << QStringList() << "1";
    QTest::newRow("a field's value") << "Field[Personal/Hopper/Office Phone Number].Value" << "Personal"
                                     << "Personal" << false << QStringList{"Hopper", "Grace", "", "", ""}
                                     << QStringList(5) << "1";
    QTest::newRow("the second entry") << "Entries.Item(2)" << "Personal" << "Personal" << false << grace
                                      << QStringList(5) << "1";
}

void MainWindowTest::refreshFailureLeavesWhatWasDone()
{
    QFETCH(QString, failing);
    QFETCH(QString, label);
    QFETCH(QString, currentBook);
    QFETCH(bool, entriesEmpty);
    QFETCH(QStringList, row1);
    QFETCH(QStringList, row2);
    QFETCH(QString, count);

    start();
    main().show();
    QVERIFY(QTest::qWaitForWindowExposed(&main()));
    server->replyTo(failing.toStdString(), Reply::fail("Server is busy. "));

    QLineEdit &edit = *main().AddressBookComboBox->lineEdit();
    edit.selectAll();
    QTest::keyClicks(&edit, QStringLiteral("Personal"));

    QVERIFY(!boxes.isEmpty());
    QVERIFY(std::all_of(boxes.begin(), boxes.end(), [](const QString &b) { return b.endsWith("|Server is busy."); }));
    QCOMPARE(main().AddressBookLabel->text(), label);
    if (currentBook.isEmpty())
        QVERIFY(program->state.CurrentBook.isEmpty());
    else
        QCOMPARE(bookNameOf(program->state.CurrentBook), currentBook);
    QCOMPARE(program->state.Entries.isEmpty(), entriesEmpty);
    QCOMPARE(row(1), row1);
    if (!row2.isEmpty())
        QCOMPARE(row(2), row2);
    QCOMPARE(main().NumRecordsEdit->text(), count);

    // A later successful refresh repairs everything.
    server->clearScript();
    main().RefreshButtonClick();
    QCOMPARE(bookNameOf(program->state.CurrentBook), QStringLiteral("Personal"));
    QCOMPARE(row(2), (QStringList{"Turing", "Alan", "555-Turing", "Alan.Turing", "Alan@Turing.example"}));
    QCOMPARE(main().NumRecordsEdit->text(), QStringLiteral("2"));
}

void MainWindowTest::refreshButtonRebuildsAndHides()
{
    server->books()[0] = book("Global Address List", 2, {person("A", "a"), person("B", "b"), person("C", "c")});
    start();
    main().show();
    QVERIFY(QTest::qWaitForWindowExposed(&main()));
    grid().setRow(3);
    server->books()[0].entries.pop_back(); // deleted elsewhere
    main().RefreshButton->show();
    QTest::mouseClick(main().RefreshButton, Qt::LeftButton);
    QVERIFY(main().RefreshButton->isHidden());
    QCOMPARE(grid().rowCount(), 3);
    QCOMPARE(grid().row(), 2); // the selected row fell off: the new last row
    QCOMPARE(main().NumRecordsEdit->text(), QStringLiteral("2"));
}

void MainWindowTest::failedRefreshKeepsTheRefreshButton()
{
    start();
    main().show();
    QVERIFY(QTest::qWaitForWindowExposed(&main()));
    main().RefreshButton->show();
    server->replyTo("Books.Count", Reply::status(automation::Disp_E_MemberNotFound));
    main().RefreshButton->setFocus();
    QTest::keyClick(main().RefreshButton, Qt::Key_Return); // Enter presses the focused button
    QVERIFY(main().RefreshButton->isVisible());
    QCOMPARE(boxes.size(), 1);
    QVERIFY(boxes.first().endsWith("|Member not found."));
}

void MainWindowTest::failedLoginEndsStartUp()
{
    server->replyTo("Session.Login", Reply::fail("Bad password"));
    QVERIFY(!program->createWindows());
    QCOMPARE(boxes, QStringList{"Error|Unable to login!"});
    QVERIFY(program->terminated());
    QVERIFY(!program->AddAddressBookForm);
    QVERIFY(!program->HelpForm);
    QVERIFY(!main().isVisible());
    QCOMPARE(toQt(server->callTexts()), QStringList{"Session.Login(?)"});
}

void MainWindowTest::missingServerLeavesAnEmptyWindow()
{
    server->refuseCreation(automation::Co_E_ClassString);
    start();

    QCOMPARE(boxes.size(), 1);
    QVERIFY(boxes.first().endsWith("|Invalid class string."));
    QCOMPARE(row(0), (QStringList{"Last Name", "First Name", "Phone", "User ID", "E-Mail"}));
    QCOMPARE(grid().rowCount(), 2);
    QCOMPARE(main().AddressBookComboBox->count(), 0);
    QCOMPARE(main().AddressBookLabel->text(), QString());
    QCOMPARE(main().NumRecordsEdit->text(), QStringLiteral("0000"));
    QVERIFY(program->HelpForm); // start-up went on

    main().show();
    QVERIFY(QTest::qWaitForWindowExposed(&main()));
    main().RefreshButton->show();
    QTest::mouseClick(main().RefreshButton, Qt::LeftButton);
    QCOMPARE(boxes.size(), 2);
    QVERIFY(boxes.last().endsWith("|Variant does not reference an OLE object."));
}

void MainWindowTest::emptyAccountReportsAFailureAtStart()
{
    server->books().clear();
    start();
    QCOMPARE(main().AddressBookComboBox->count(), 0);
    QCOMPARE(boxes.size(), 1); // Item(1) of an empty collection fails
    QCOMPARE(toQt(server->callTexts()).mid(3),
             (QStringList{"Books.Count", "Books.Item(1)"}));
    QVERIFY(program->HelpForm);
}

void MainWindowTest::exitReleasesEveryReference()
{
    start();
    main().show();
    QVERIFY(QTest::qWaitForWindowExposed(&main()));
    program->HelpForm->showWindow();
    QVERIFY(server->liveObjects() > 0);
    QTest::mouseClick(main().ExitButton, Qt::LeftButton);
    QVERIFY(!main().isVisible());
    QVERIFY(!automation::isInitialized());
    QCOMPARE(server->liveObjects(), std::size_t(0));
    QCOMPARE(automation::releasesAfterUse(), lateReleasesBefore);
}

void MainWindowTest::layoutMatchesTheDesign()
{
    start();
    main().show();
    QVERIFY(QTest::qWaitForWindowExposed(&main()));
    QCOMPARE(main().size(), QSize(498, 507));
    QCOMPARE(main().minimumSize(), main().maximumSize()); // fixed border
    QVERIFY(!(main().windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(main().windowTitle(), QStringLiteral("Address Book 1 -- Add/Delete Field Example"));
    QVERIFY(!main().windowIcon().pixmap(32, 32).isNull()); // the icon renders with the plugins at hand

    struct Expected { QWidget *widget; QRect geometry; };
    const Expected controls[] = {
        {main().DisplayStringGrid, {12, 40, 473, 273}},   {main().ExitButton, {424, 464, 49, 29}},
        {main().DeleteFieldButton, {375, 380, 86, 25}},   {main().AddressBookComboBox, {40, 446, 145, 21}},
        {main().RefreshButton, {52, 148, 393, 69}},       {main().NumRecordsEdit, {43, 144, 31, 21}},
        {main().TestPanel, {-4, 0, 113, 37}},             {main().ListFieldsButton, {376, 420, 85, 25}},
    };
    for (const Expected &c : controls)
        QCOMPARE(c.widget->geometry(), c.geometry);
    QCOMPARE(grid().colWidth(4), 158);
    QCOMPARE(main().AddressBookComboBox->view()->sizeHintForRow(0), 13);
    QCOMPARE(grid().rowHeight(0), 16);

    // Tab walks the grid, the buttons and the drop-down in design order.
    grid().setFocus();
    QStringList order;
    for (int i = 0; i < 12; ++i) {
        QWidget *focus = QApplication::focusWidget();
        if (focus && focus->parentWidget() == main().AddressBookComboBox)
            focus = main().AddressBookComboBox;
        order << (focus ? focus->objectName() : QString());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(order, (QStringList{"DisplayStringGrid", "AddAddressBookButton", "DeleteAddressBookButton",
                                 "AddressBookComboBox", "AddRecordButton", "EditRecordButton",
                                 "DeleteRecordButton", "AddFieldButton", "DeleteFieldButton", "ListFieldsButton",
                                 "HelpButton", "ExitButton"}));
}

void MainWindowTest::screenshot()
{
    server->books()[1].entries.push_back(entry("Lamarr", {field("Last Name", "Lamarr"), field("First Name", "Hedy"),
                                                          field("Test Field", "7")}));
    start();
    main().AddressBookComboBox->setEditText(QStringLiteral("Personal"));
    main().RefreshDisplay();
    main().show();
    QVERIFY(QTest::qWaitForWindowExposed(&main()));
    QCoreApplication::processEvents();
    const QString path = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("main-window.png"));
    QVERIFY(main().grab().save(path));
    qInfo("screenshot written to %s", qPrintable(path));
}

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
