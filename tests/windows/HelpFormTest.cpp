// The help window: loading the help file through the drive mapping, the
// failure when it cannot be opened, and the window as the user meets it.
#include "windows/DrivePath.h"
#include "windows/Handler.h"
#include "windows/Help.h"
#include "windows/MessageBoxes.h"
#include "windows/Program.h"
#include "windows/PushButton.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QWindow>

#include <unistd.h>

#include <memory>

using namespace addressbook;

namespace {

const QString HelpFolder = QStringLiteral("kelmora/projects/address/addressPelgar");
const QString OpenFailureReport =
    QStringLiteral("Cannot open file c:\\kelmora\\projects\\address\\addressPelgar\\help.txt.");
const QRect MemoGeometry(12, 8, 405, 225);
const QRect CloseButtonGeometry(176, 244, 75, 25);

QByteArray numberedLines(int count)
{
    QByteArray text;
    for (int i = 1; i <= count; ++i)
        text += "line " + QByteArray::number(i) + '\n';
    return text;
}

} // namespace

class HelpFormTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void windowAsDesigned();
    void fileIsLoadedLineForLine_data();
    void fileIsLoadedLineForLine();
    void unopenableFileIsReportedOnceAndLeavesTheBoxEmpty_data();
    void unopenableFileIsReportedOnceAndLeavesTheBoxEmpty();
    void shippedHelpTextLoadsThroughTheDefaultDrive();
    void showingAgainKeepsTextCaretAndScroll_data();
    void showingAgainKeepsTextCaretAndScroll();
    void typingChangesNothing_data();
    void typingChangesNothing();
    void caretReachesTextBelowTheEdge_data();
    void caretReachesTextBelowTheEdge();
    void resizingKeepsControlGeometry_data();
    void resizingKeepsControlGeometry();
    void drivePathsMapToLocalFiles_data();
    void drivePathsMapToLocalFiles();

private:
    void writeHelpFile(const QByteArray &bytes);
    // As Program::createWindows runs it: escaped failures become reports.
    void runFormCreate() { runHandler([this] { form().FormCreate(); }); }
    void showAndClickIntoText();
    THelpForm &form() { return *program_->HelpForm; }
    QPlainTextEdit &memo() { return *form().HelpMemo; }

    std::unique_ptr<QTemporaryDir> drive_;
    std::unique_ptr<Program> program_;
    QStringList reports_;
};

void HelpFormTest::init()
{
    drive_ = std::make_unique<QTemporaryDir>();
    QVERIFY(drive_->isValid());
    DrivePath::setDriveFolder(QLatin1Char('c'), drive_->path());
    reports_.clear();
    MessageBoxes::setResponder([this](QMessageBox &box) {
        if (box.icon() == QMessageBox::Critical)
            reports_ << box.text();
        return MessageBoxes::Answer::Ok;
    });
    program_ = std::make_unique<Program>();
    program_->HelpForm = std::make_unique<THelpForm>(*program_);
}

void HelpFormTest::cleanup()
{
    program_.reset();
    MessageBoxes::setResponder(nullptr);
    DrivePath::setDriveFolder(QLatin1Char('c'), QString());
    DrivePath::setDriveFolder(QLatin1Char('d'), QString());
    drive_.reset();
}

void HelpFormTest::writeHelpFile(const QByteArray &bytes)
{
    const QString folder = drive_->filePath(HelpFolder);
    QVERIFY(QDir().mkpath(folder));
    QFile file(folder + QStringLiteral("/help.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

void HelpFormTest::showAndClickIntoText()
{
    form().showWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&form()));
    QTest::mouseClick(memo().viewport(), Qt::LeftButton, {}, QPoint(20, 10));
    QTest::keyClick(&memo(), Qt::Key_Home, Qt::ControlModifier);
}

void HelpFormTest::windowAsDesigned()
{
    THelpForm &window = form();
    QCOMPARE(window.objectName(), QStringLiteral("HelpForm"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Help"));
    QCOMPARE(window.font().family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(window.font().pixelSize(), 11);
    QCOMPARE(memo().font(), window.font());
    QCOMPARE(window.CloseButton->font(), window.font());
    QCOMPARE(window.windowType(), Qt::Window);
    QVERIFY(!(window.windowFlags() & (Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint)));
    QVERIFY(window.minimumSize() != window.maximumSize());

    QCOMPARE(memo().objectName(), QStringLiteral("HelpMemo"));
    QCOMPARE(window.CloseButton->objectName(), QStringLiteral("CloseButton"));
    QCOMPARE(window.CloseButton->text(), QStringLiteral("Close"));
    QVERIFY(memo().isReadOnly());
    QCOMPARE(memo().toPlainText(), QString());
    QCOMPARE(memo().blockCount(), 1);

    window.showWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.frameGeometry(), QRect(QPoint(344, 498), THelpForm::OuterSize));
    QCOMPARE(memo().geometry(), MemoGeometry);
    QCOMPARE(window.CloseButton->geometry(), CloseButtonGeometry);
    QVERIFY(!memo().verticalScrollBar()->isVisible());
    QVERIFY(!memo().horizontalScrollBar()->isVisible());

    // No control is named to start with: the first in tab order gets focus.
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(QApplication::focusWidget(), &memo());
    QTest::keyClick(&memo(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), window.CloseButton);
    QTest::keyClick(window.CloseButton, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), &memo());

    // A line wider than the box wraps inside it.
    memo().setPlainText(QString(200, QLatin1Char('w')).replace(QLatin1String("wwwww"), QLatin1String("word ")));
    const QTextBlock block = memo().document()->firstBlock();
    const qreal height = memo().document()->documentLayout()->blockBoundingRect(block).height();
    QVERIFY(height > 1.5 * memo().fontMetrics().lineSpacing());
}

void HelpFormTest::fileIsLoadedLineForLine_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("blank lines kept") << QByteArray("Help\n\nFirst.\n\n\nLast") << QStringLiteral("Help\n\nFirst.\n\n\nLast");
    QTest::newRow("CR LF and lone CR") << QByteArray("one\r\ntwo\r\n\r\nthree\rfour")
                                       << QStringLiteral("one\ntwo\n\nthree\nfour");
    QTest::newRow("final line break") << QByteArray("a\nb\n") << QStringLiteral("a\nb\n");
    QTest::newRow("non-ASCII UTF-8") << QStringLiteral("Grüße – Čeština\n日本語").toUtf8()
                                     << QStringLiteral("Grüße – Čeština\n日本語");
    QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF" "first\nsecond") << QStringLiteral("first\nsecond");
    QTest::newRow("Latin-1 bytes") << QByteArray("caf\xE9\nna\xEFve") << QStringLiteral("café\nnaïve");
    QTest::newRow("empty file") << QByteArray() << QString();
    const QByteArray large = numberedLines(20000);
    QTest::newRow("large file") << large << QString::fromLatin1(large);
}

void HelpFormTest::fileIsLoadedLineForLine()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    writeHelpFile(bytes);

    runFormCreate();

    QCOMPARE(reports_, QStringList());
    QCOMPARE(memo().toPlainText(), text);
    QCOMPARE(memo().blockCount(), text.count(QLatin1Char('\n')) + 1);
}

void HelpFormTest::unopenableFileIsReportedOnceAndLeavesTheBoxEmpty_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::newRow("no folders") << QString();
    QTest::newRow("no file in the folder") << QStringLiteral("folder");
    QTest::newRow("folder in place of the file") << QStringLiteral("folder named help.txt");
    QTest::newRow("unreadable file") << QStringLiteral("unreadable");
}

void HelpFormTest::unopenableFileIsReportedOnceAndLeavesTheBoxEmpty()
{
    QFETCH(QString, obstacle);
    const QString folder = drive_->filePath(HelpFolder);
    if (obstacle == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(folder));
    } else if (obstacle == QLatin1String("folder named help.txt")) {
        QVERIFY(QDir().mkpath(folder + QStringLiteral("/help.txt")));
    } else if (obstacle == QLatin1String("unreadable")) {
        if (geteuid() == 0)
            QSKIP("permissions do not stop the superuser from reading");
        writeHelpFile("text");
        QVERIFY(QFile::setPermissions(folder + QStringLiteral("/help.txt"), QFileDevice::WriteOwner));
    }

    runFormCreate();

    QCOMPARE(reports_, QStringList{OpenFailureReport});
    QCOMPARE(memo().toPlainText(), QString());
    QCOMPARE(memo().blockCount(), 1);

    // The file turning up later changes nothing: it is read only at creation.
    QFile::remove(folder + QStringLiteral("/help.txt"));
    QDir(folder + QStringLiteral("/help.txt")).removeRecursively();
    writeHelpFile("late text");
    form().showWindow();
    QCOMPARE(memo().toPlainText(), QString());
    QCOMPARE(reports_.size(), 1);
}

void HelpFormTest::shippedHelpTextLoadsThroughTheDefaultDrive()
{
    // The build copies the help text under share/ next to bin/, where the
    // default drive C points for this test program as for the real one.
    DrivePath::setDriveFolder(QLatin1Char('c'), QString());

    runFormCreate();

    QCOMPARE(reports_, QStringList());
    QVERIFY(memo().toPlainText().startsWith(QLatin1String("Address Book Help\n")));
    QVERIFY(memo().toPlainText().contains(QLatin1String("Test Field")));
}

void HelpFormTest::showingAgainKeepsTextCaretAndScroll_data()
{
    QTest::addColumn<QString>("leftBy");
    QTest::addColumn<bool>("minimised");
    QTest::newRow("still visible") << QStringLiteral("visible") << false;
    QTest::newRow("Close clicked") << QStringLiteral("click Close") << false;
    QTest::newRow("Enter on Close") << QStringLiteral("Tab, Enter") << false;
    QTest::newRow("title bar close box") << QStringLiteral("close box") << false;
    QTest::newRow("minimised") << QStringLiteral("minimise") << true;
}

void HelpFormTest::showingAgainKeepsTextCaretAndScroll()
{
    QFETCH(QString, leftBy);
    QFETCH(bool, minimised);
    writeHelpFile(numberedLines(200));
    runFormCreate();
    const QString text = memo().toPlainText();
    showAndClickIntoText();
    QTest::keyClick(&memo(), Qt::Key_End, Qt::ControlModifier);
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(&memo(), Qt::Key_Up);
    const int caret = memo().textCursor().position();
    const int scroll = memo().verticalScrollBar()->value();
    QVERIFY(caret > 0);
    QVERIFY(scroll > 0);
    // Showing again must not read the file again.
    writeHelpFile("changed on disk");

    if (leftBy == QLatin1String("click Close")) {
        QTest::mouseClick(form().CloseButton, Qt::LeftButton);
    } else if (leftBy == QLatin1String("Tab, Enter")) {
        QTest::keyClick(&memo(), Qt::Key_Tab);
        QCOMPARE(form().focusWidget(), form().CloseButton);
        QTest::keyClick(form().CloseButton, Qt::Key_Return);
    } else if (leftBy == QLatin1String("close box")) {
        form().windowHandle()->close();
    } else if (leftBy == QLatin1String("minimise")) {
        form().showMinimized();
    }
    QCOMPARE(form().isVisible(), leftBy == QLatin1String("visible") || minimised);

    form().showWindow();

    QVERIFY(form().isVisible());
    QCOMPARE(form().isMinimized(), minimised);
    QCOMPARE(memo().toPlainText(), text);
    QCOMPARE(memo().textCursor().position(), caret);
    QCOMPARE(memo().verticalScrollBar()->value(), scroll);
    QCOMPARE(reports_, QStringList());
}

void HelpFormTest::typingChangesNothing_data()
{
    QTest::addColumn<QTestEventList>("keys");
    QTestEventList letters;
    letters.addKeyClicks(QStringLiteral("typed"));
    QTest::newRow("letters") << letters;
    QTestEventList space;
    space.addKeyClick(Qt::Key_Space);
    QTest::newRow("space") << space;
    QTestEventList erase;
    erase.addKeyClick(Qt::Key_Backspace);
    erase.addKeyClick(Qt::Key_Delete);
    QTest::newRow("Backspace and Delete") << erase;
    QTestEventList enter;
    enter.addKeyClick(Qt::Key_Return);
    enter.addKeyClick(Qt::Key_Enter);
    QTest::newRow("Return and Enter") << enter;
    QTestEventList clipboard;
    clipboard.addKeyClick(Qt::Key_X, Qt::ControlModifier);
    clipboard.addKeyClick(Qt::Key_V, Qt::ControlModifier);
    clipboard.addKeyClick(Qt::Key_Insert, Qt::ShiftModifier);
    QTest::newRow("cut and paste") << clipboard;
}

void HelpFormTest::typingChangesNothing()
{
    QFETCH(QTestEventList, keys);
    writeHelpFile("alpha beta\n" + numberedLines(100));
    runFormCreate();
    const QString text = memo().toPlainText();
    showAndClickIntoText();
    QTest::keyClick(&memo(), Qt::Key_End, Qt::ShiftModifier);
    QCOMPARE(memo().textCursor().selectedText(), QStringLiteral("alpha beta"));
    QGuiApplication::clipboard()->setText(QStringLiteral("on the clipboard"));

    keys.simulate(&memo());

    QCOMPARE(memo().toPlainText(), text);
    QCOMPARE(memo().textCursor().selectedText(), QStringLiteral("alpha beta"));
    QCOMPARE(memo().verticalScrollBar()->value(), 0);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("on the clipboard"));
    // Copying still works.
    QTest::keyClick(&memo(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("alpha beta"));
}

void HelpFormTest::caretReachesTextBelowTheEdge_data()
{
    QTest::addColumn<QTestEventList>("keys");
    QTestEventList end;
    end.addKeyClick(Qt::Key_End, Qt::ControlModifier);
    QTest::newRow("Ctrl+End") << end;
    QTestEventList page;
    page.addKeyClick(Qt::Key_PageDown);
    page.addKeyClick(Qt::Key_PageDown);
    QTest::newRow("Page Down") << page;
    QTestEventList arrows;
    for (int i = 0; i < 40; ++i)
        arrows.addKeyClick(Qt::Key_Down);
    QTest::newRow("Down arrow") << arrows;
    QTestEventList select;
    select.addKeyClick(Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::newRow("selecting to the end") << select;
}

void HelpFormTest::caretReachesTextBelowTheEdge()
{
    QFETCH(QTestEventList, keys);
    writeHelpFile(numberedLines(100));
    runFormCreate();
    showAndClickIntoText();
    const int firstHidden = memo().cursorForPosition(QPoint(5, memo().viewport()->height() + 5)).blockNumber() + 1;

    keys.simulate(&memo());

    QVERIFY(memo().textCursor().blockNumber() >= firstHidden);
    QVERIFY(memo().verticalScrollBar()->value() > 0);
    QVERIFY(memo().viewport()->rect().contains(memo().cursorRect()));
    QVERIFY(!memo().verticalScrollBar()->isVisible());
}

void HelpFormTest::resizingKeepsControlGeometry_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("larger") << QSize(700, 520);
    QTest::newRow("smaller") << QSize(150, 90);
    QTest::newRow("maximised") << QSize();
}

void HelpFormTest::resizingKeepsControlGeometry()
{
    QFETCH(QSize, size);
    form().showWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&form()));

    if (size.isValid()) {
        form().resize(size);
        QCOMPARE(form().size(), size);
    } else {
        form().showMaximized();
        QVERIFY(form().isMaximized());
    }

    QCOMPARE(memo().geometry(), MemoGeometry);
    QCOMPARE(form().CloseButton->geometry(), CloseButtonGeometry);
}

void HelpFormTest::drivePathsMapToLocalFiles_data()
{
    QTest::addColumn<QString>("drivePath");
    QTest::addColumn<QString>("local"); // relative to drive C's folder; "-" for no mapping

    QTest::newRow("exact names") << QStringLiteral("c:\\Kelmora\\Projects\\help.TXT")
                                 << QStringLiteral("Kelmora/Projects/help.TXT");
    QTest::newRow("names in another case") << QStringLiteral("c:\\kelmora\\PROJECTS\\Help.txt")
                                           << QStringLiteral("Kelmora/Projects/help.TXT");
    QTest::newRow("upper-case drive, slashes") << QStringLiteral("C:/kelmora/projects/help.txt")
                                               << QStringLiteral("Kelmora/Projects/help.TXT");
    QTest::newRow("empty, . and .. components") << QStringLiteral("c:\\..\\kelmora\\\\.\\x\\..\\projects\\help.txt")
                                                << QStringLiteral("Kelmora/Projects/help.TXT");
    QTest::newRow("exact name before others") << QStringLiteral("c:\\DATA\\same.txt") << QStringLiteral("data/same.txt");
    QTest::newRow("exact name before others, other case") << QStringLiteral("c:\\data\\Same.txt")
                                                          << QStringLiteral("data/Same.txt");
    QTest::newRow("missing component kept as written") << QStringLiteral("c:\\kelmora\\Missing\\Projects")
                                                       << QStringLiteral("Kelmora/Missing/Projects");
    QTest::newRow("drive root") << QStringLiteral("c:\\") << QString();
    QTest::newRow("second drive by the hook") << QStringLiteral("D:\\OTHER.txt") << QStringLiteral("data/Other.txt");
    QTest::newRow("unmapped drive") << QStringLiteral("e:\\data") << QStringLiteral("-");
    QTest::newRow("no drive") << QStringLiteral("\\data\\Other.txt") << QStringLiteral("-");
    QTest::newRow("not a drive letter") << QStringLiteral("1:\\data") << QStringLiteral("-");
}

void HelpFormTest::drivePathsMapToLocalFiles()
{
    QFETCH(QString, drivePath);
    QFETCH(QString, local);
    const QDir root(drive_->path());
    QVERIFY(root.mkpath(QStringLiteral("Kelmora/Projects")));
    QVERIFY(root.mkpath(QStringLiteral("data")));
    for (const char *name : {"Kelmora/Projects/help.TXT", "data/same.txt", "data/Same.txt", "data/Other.txt"}) {
        QFile file(root.filePath(QString::fromLatin1(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    DrivePath::setDriveFolder(QLatin1Char('D'), root.filePath(QStringLiteral("data")));

    const QString expected = local == QLatin1String("-") ? QString()
                             : local.isEmpty()           ? root.path()
                                                         : root.filePath(local);
    QCOMPARE(DrivePath::toLocal(drivePath), expected);
}

QTEST_MAIN(HelpFormTest)
#include "HelpFormTest.moc"
