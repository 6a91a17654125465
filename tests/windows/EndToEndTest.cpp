// The whole way of a command: the windows, the automation layer, the
// registry finding the server module by its registration file, and the
// SQLite store — on a fresh store in a temporary folder.
#include "windows/AddressMainPelgar.h"
#include "windows/MessageBoxes.h"
#include "windows/Program.h"
#include "windows/PushButton.h"
#include "windows/StringGrid.h"

#include "automation/Runtime.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <pwd.h>
#include <unistd.h>

using namespace addressbook;

class EndToEndTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startShowsTheDirectoryAndSwitchesToTheOwnBook();
    void unusableStoreFailsTheLogin();

private:
    std::unique_ptr<QTemporaryDir> folder;
    QStringList boxes;
};

void EndToEndTest::init()
{
    folder = std::make_unique<QTemporaryDir>(); // a fresh store for every test
    QVERIFY(folder->isValid());
    // The server's one setting: where its store lives.
    qputenv("VALDRIN_ORVASTA_STORE", folder->filePath(QStringLiteral("store.sqlite")).toUtf8());
    boxes.clear();
    MessageBoxes::setResponder([this](QMessageBox &box) {
        boxes << box.windowTitle() + QLatin1Char('|') + box.text();
        return MessageBoxes::Answer::Ok;
    });
}

void EndToEndTest::cleanup()
{
    MessageBoxes::setResponder(nullptr);
    qunsetenv("VALDRIN_ORVASTA_STORE");
}

void EndToEndTest::startShowsTheDirectoryAndSwitchesToTheOwnBook()
{
    const std::uint64_t lateReleases = automation::releasesAfterUse();
    Program program;
    QVERIFY(program.createWindows());
    QVERIFY2(boxes.isEmpty(), qPrintable(boxes.join(QLatin1Char('\n'))));

    TAddressBookPelgarMainForm &main = *program.AddressBookPelgarMainForm;
    QComboBox &combo = *main.AddressBookComboBox;
    QCOMPARE(combo.count(), 2); // the directory, then the new account's own book
    QCOMPARE(main.AddressBookLabel->text(), combo.itemText(0));

    // The directory lists the one account: the user running the test.
    const passwd *user = getpwuid(geteuid());
    QVERIFY(user);
    QCOMPARE(main.NumRecordsEdit->text(), QStringLiteral("1"));
    QCOMPARE(main.DisplayStringGrid->cell(3, 1), QString::fromLocal8Bit(user->pw_name));

    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QLineEdit &edit = *combo.lineEdit();
    edit.selectAll();
    QTest::keyClicks(&edit, combo.itemText(1));
    QCOMPARE(main.AddressBookLabel->text(), combo.itemText(1));
    QCOMPARE(main.NumRecordsEdit->text(), QStringLiteral("0"));
    QCOMPARE(main.DisplayStringGrid->rowCount(), 2);

    QTest::mouseClick(main.ExitButton, Qt::LeftButton);
    QVERIFY(!automation::isInitialized());
    QCOMPARE(automation::releasesAfterUse(), lateReleases);
    QVERIFY(boxes.isEmpty());
}

void EndToEndTest::unusableStoreFailsTheLogin()
{
    // A folder where the store file should be: the store cannot be opened.
    QVERIFY(QDir(folder->path()).mkpath(QStringLiteral("store.sqlite")));
    Program program;
    QVERIFY(!program.createWindows());
    QCOMPARE(boxes, QStringList{QStringLiteral("Error|Unable to login!")});
}

QTEST_MAIN(EndToEndTest)
#include "EndToEndTest.moc"
