// The pieces every window relies on: message boxes, the application title,
// start-up switches and the string grid.
#include "windows/ApplicationTitle.h"
#include "windows/MessageBoxes.h"
#include "windows/Program.h"
#include "windows/StringGrid.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

using namespace addressbook;
using MessageBoxes::Answer;

class FrameworkTest : public QObject {
    Q_OBJECT

private slots:
    void typedBoxesAreBuiltAsTheirTypeSays_data();
    void typedBoxesAreBuiltAsTheirTypeSays();
    void keysAnswerBoxes_data();
    void keysAnswerBoxes();
    void closingAYesNoBoxAnswersNo();
    void noticeAndFailureReportCarryTheApplicationTitle();
    void longTextWrapsAtHalfTheScreen();

    void applicationTitleFollowsTheProgramFileName_data();
    void applicationTitleFollowsTheProgramFileName();
    void registrationSwitchesEndStartUp_data();
    void registrationSwitchesEndStartUp();

    void gridKeepsSelectedRowUnlessItFallsOff();
    void gridHeaderRowIsTheViewHeader();
    void gridKeepsCellsOfAHiddenColumn();
};

namespace {
QStringList buttonCaptions(const QMessageBox &box)
{
    QStringList captions;
    for (QAbstractButton *button : box.buttons())
        captions << button->text();
    captions.sort();
    return captions;
}
} // namespace

void FrameworkTest::typedBoxesAreBuiltAsTheirTypeSays_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QStringList>("captions");

    QTest::newRow("error with OK") << int(MessageBoxes::Type::Error) << int(MessageBoxes::Buttons::Ok) << "Error"
                                   << int(QMessageBox::Critical) << QStringList{"OK"};
    QTest::newRow("information with OK") << int(MessageBoxes::Type::Information) << int(MessageBoxes::Buttons::Ok)
                                         << "Information" << int(QMessageBox::Information) << QStringList{"OK"};
    QTest::newRow("confirm with yes and no")
        << int(MessageBoxes::Type::Confirm) << int(MessageBoxes::Buttons::YesNo) << "Confirm"
        << int(QMessageBox::Question) << QStringList{"&No", "&Yes"};
}

void FrameworkTest::typedBoxesAreBuiltAsTheirTypeSays()
{
    QFETCH(int, type);
    QFETCH(int, buttons);
    QFETCH(QString, title);
    QFETCH(int, icon);
    QFETCH(QStringList, captions);

    auto box = MessageBoxes::buildTyped(MessageBoxes::Type(type), QStringLiteral("Some text"),
                                        MessageBoxes::Buttons(buttons));
    QCOMPARE(box->windowTitle(), title);
    QCOMPARE(int(box->icon()), icon);
    QCOMPARE(box->text(), QStringLiteral("Some text"));
    QCOMPARE(buttonCaptions(*box), captions);
    QVERIFY(box->isModal());
}

void FrameworkTest::keysAnswerBoxes_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("answer");

    QTest::newRow("Enter presses OK") << int(MessageBoxes::Buttons::Ok) << int(Qt::Key_Return) << int(Answer::Ok);
    QTest::newRow("Escape presses OK") << int(MessageBoxes::Buttons::Ok) << int(Qt::Key_Escape) << int(Answer::Ok);
    QTest::newRow("Enter presses Yes") << int(MessageBoxes::Buttons::YesNo) << int(Qt::Key_Return) << int(Answer::Yes);
    QTest::newRow("Escape presses No") << int(MessageBoxes::Buttons::YesNo) << int(Qt::Key_Escape) << int(Answer::No);
}

void FrameworkTest::keysAnswerBoxes()
{
    QFETCH(int, buttons);
    QFETCH(int, key);
    QFETCH(int, answer);

    auto box = MessageBoxes::buildTyped(MessageBoxes::Type::Confirm, QStringLiteral("Delete Personal?"),
                                        MessageBoxes::Buttons(buttons));
    box->show();
    QVERIFY(QTest::qWaitForWindowExposed(box.get()));
    QTest::keyClick(box.get(), Qt::Key(key));
    QTRY_VERIFY(!box->isVisible());
    QCOMPARE(int(MessageBoxes::answerOf(*box)), answer);
}

void FrameworkTest::closingAYesNoBoxAnswersNo()
{
    auto box = MessageBoxes::buildTyped(MessageBoxes::Type::Confirm, QStringLiteral("Delete Personal?"),
                                        MessageBoxes::Buttons::YesNo);
    box->show();
    QVERIFY(QTest::qWaitForWindowExposed(box.get()));
    box->close();
    QTRY_VERIFY(!box->isVisible());
    QCOMPARE(MessageBoxes::answerOf(*box), Answer::No);
}

void FrameworkTest::noticeAndFailureReportCarryTheApplicationTitle()
{
    const QString title = applicationTitle();
    QVERIFY(!title.isEmpty());

    auto notice = MessageBoxes::buildNotice(QStringLiteral("You cannot do that!"));
    QCOMPARE(notice->windowTitle(), title);
    QCOMPARE(notice->icon(), QMessageBox::NoIcon);
    QCOMPARE(buttonCaptions(*notice), QStringList{"OK"});
    QCOMPARE(notice->text(), QStringLiteral("You cannot do that!"));

    auto report = MessageBoxes::buildFailureReport(QStringLiteral("Variant does not reference an OLE object"));
    QCOMPARE(report->windowTitle(), title);
    QCOMPARE(report->icon(), QMessageBox::Critical);
    QCOMPARE(buttonCaptions(*report), QStringList{"OK"});
    QCOMPARE(report->text(), QStringLiteral("Variant does not reference an OLE object."));

    // The test hook answers boxes without a modal loop and sees each one.
    QStringList seen;
    MessageBoxes::setResponder([&](QMessageBox &box) {
        seen << box.windowTitle() + QLatin1Char('|') + box.text();
        return Answer::No;
    });
    MessageBoxes::reportFailure(QStringLiteral("Book gone"));
    const Answer answer = MessageBoxes::typed(MessageBoxes::Type::Confirm, QStringLiteral("Sure?"),
                                              MessageBoxes::Buttons::YesNo);
    MessageBoxes::setResponder(nullptr);
    QCOMPARE(seen, (QStringList{title + "|Book gone.", "Confirm|Sure?"}));
    QCOMPARE(answer, Answer::No);
}

void FrameworkTest::longTextWrapsAtHalfTheScreen()
{
    auto box = MessageBoxes::buildNotice(QString(400, QLatin1Char('x')).replace(QLatin1Char('x'), "word "));
    box->show();
    QVERIFY(QTest::qWaitForWindowExposed(box.get()));
    auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
    QVERIFY(label);
    QVERIFY(label->wordWrap());
    QVERIFY(label->width() <= box->screen()->geometry().width() / 2);
    box->close();
}

void FrameworkTest::applicationTitleFollowsTheProgramFileName_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("title");
    QTest::newRow("plain name") << "/usr/bin/AddressPelgar" << "Addresspelgar";
    QTest::newRow("cut at the first period") << "/opt/x.y/ADDRESS.Pelgar.exe" << "Address";
    QTest::newRow("first letter kept as is") << "bin/addressBOOK" << "addressbook";
    QTest::newRow("no folder") << "Q" << "Q";
}

void FrameworkTest::applicationTitleFollowsTheProgramFileName()
{
    QFETCH(QString, path);
    QFETCH(QString, title);
    QCOMPARE(applicationTitleFor(path), title);
}

void FrameworkTest::registrationSwitchesEndStartUp_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("ends");
    QTest::newRow("no switch") << QStringList{"prog"} << false;
    QTest::newRow("/REGSERVER") << QStringList{"prog", "/REGSERVER"} << true;
    QTest::newRow("-unregserver") << QStringList{"prog", "-unregserver"} << true;
    QTest::newRow("mixed case after others") << QStringList{"prog", "x", "/RegServer"} << true;
    QTest::newRow("without a switch sign") << QStringList{"prog", "REGSERVER"} << false;
    QTest::newRow("automation has no effect") << QStringList{"prog", "/AUTOMATION", "-Embedding"} << false;
}

void FrameworkTest::registrationSwitchesEndStartUp()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, ends);
    QCOMPARE(startupSwitchEndsProgram(arguments), ends);
}

void FrameworkTest::gridKeepsSelectedRowUnlessItFallsOff()
{
    StringGrid grid;
    QCOMPARE(grid.rowCount(), 2);
    QCOMPARE(grid.row(), 1);

    grid.setRowCount(11);
    grid.setRow(7);
    grid.setRowCount(20);
    QCOMPARE(grid.row(), 7); // growing leaves the selection alone
    grid.setRowCount(5);
    QCOMPARE(grid.row(), 4); // the selected row fell off: the last row is selected
    grid.setRowCount(1);
    QCOMPARE(grid.rowCount(), 2); // the header and one data row always exist
    QCOMPARE(grid.row(), 1);

    // A click selects the clicked row, whole.
    grid.resize(400, 300);
    grid.setRowCount(6);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    const QRect third = grid.visualRect(grid.model()->index(2, 1));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, third.center());
    QCOMPARE(grid.row(), 3);
    QCOMPARE(grid.selectionModel()->selectedRows().size(), 1);
    QCOMPARE(grid.selectionModel()->selectedRows().first().row(), 2);
}

void FrameworkTest::gridHeaderRowIsTheViewHeader()
{
    StringGrid grid;
    grid.setCell(0, 0, QStringLiteral("Last Name"));
    grid.setCell(4, 0, QStringLiteral("E-Mail"));
    grid.setCell(1, 1, QStringLiteral("Ada"));
    QCOMPARE(grid.model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Last Name"));
    QCOMPARE(grid.model()->headerData(4, Qt::Horizontal).toString(), QStringLiteral("E-Mail"));
    QCOMPARE(grid.model()->index(0, 1).data().toString(), QStringLiteral("Ada"));
    QCOMPARE(grid.model()->rowCount(), 1);
    QCOMPARE(grid.editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(grid.horizontalHeader()->sectionResizeMode(0), QHeaderView::Interactive);
}

void FrameworkTest::gridKeepsCellsOfAHiddenColumn()
{
    StringGrid grid;
    grid.setColWidth(4, 158);
    grid.setColCount(6);
    QCOMPARE(grid.colWidth(5), 75); // a new column takes the default width
    grid.setCell(5, 1, QStringLiteral("7"));
    grid.setColCount(5);
    QCOMPARE(grid.model()->columnCount(), 5);
    grid.setColCount(6);
    QCOMPARE(grid.cell(5, 1), QStringLiteral("7"));
    QCOMPARE(grid.colWidth(4), 158);
}

QTEST_MAIN(FrameworkTest)
#include "FrameworkTest.moc"
