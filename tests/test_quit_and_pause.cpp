// Pausing the game, "Push to End" and the quit dialog that follows it.

#include "files/record.h"
#include "support/main_window_fixture.h"
#include "support/modal.h"
#include "ui/frmEnding.h"
#include "ui/frmMain.h"
#include "ui/look.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace nupel;
using namespace nupel::test;

namespace {

QPushButton *buttonOf(QWidget *window, const char *name)
{
    return window->findChild<QPushButton *>(QLatin1String(name));
}

QStringList folderEntries()
{
    return QDir().entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// What the player sees of the pet; a return to the game must not change it.
QString petFigures(const PetState &state)
{
    return QStringList{state.petName,      state.petType,       state.satiety.print(), state.sickness.print(),
                       state.dirt.print(), state.money.print(), state.eggs.print(),    state.age.print()}
        .join(QLatin1Char('|'));
}

} // namespace

class QuitAndPauseTest : public QObject, protected MainWindowFixture {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void pauseTogglesCaptionAndButtons();
    void pauseButtonIgnoresAnyOtherValue();
    void cancelReturnsToTheRunningGame();
    void quitDialogIgnoresEscapeAndItsCloseBoxCancels();
    void closingTheMainWindowActsLikePushToEnd();
    void closingThePausedMainWindowDoesNothing();

    void quitDialogLooksAsDesigned();
    void saveLeavesExactlyOneFileBeepsAndEnds_data();
    void saveLeavesExactlyOneFileBeepsAndEnds();
    void okEndsWithoutWriting();
    void failedSaveKeepsTheDialogOpen();

private:
    QPushButton *mainButton(const char *name) const { return buttonOf(m_window.get(), name); }
    // Moves the game's folder to an empty one for the files a test writes.
    void useEmptyFolder();

    std::unique_ptr<QTemporaryDir> m_folder;
    QString m_previousFolder;
};

void QuitAndPauseTest::initTestCase()
{
    installGameLook();
}

void QuitAndPauseTest::init()
{
    openMainWindow();
}

void QuitAndPauseTest::cleanup()
{
    closeMainWindow();
    if (m_folder) {
        QDir::setCurrent(m_previousFolder);
        m_folder.reset();
    }
    verifyCleanEnd(&m_random);
}

void QuitAndPauseTest::useEmptyFolder()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    m_previousFolder = QDir::currentPath();
    QDir::setCurrent(m_folder->path());
}

void QuitAndPauseTest::pauseTogglesCaptionAndButtons()
{
    const char *locked[] = {"Command1", "Command2", "Command3", "Command4", "Command6"};
    QVERIFY(m_state.suspended.isEmpty());
    mainButton("Command5")->click();
    QCOMPARE(mainButton("Command5")->text(), QStringLiteral("休止解除"));
    QCOMPARE(m_state.suspended.value(), 1.0);
    for (const char *name : locked)
        QVERIFY2(!mainButton(name)->isEnabled(), name);
    QVERIFY(mainButton("Command5")->isEnabled());

    mainButton("Command5")->click();
    QCOMPARE(mainButton("Command5")->text(), QStringLiteral("小休止"));
    QCOMPARE(m_state.suspended.value(), 0.0);
    for (const char *name : locked)
        QVERIFY2(mainButton(name)->isEnabled(), name);
}

void QuitAndPauseTest::pauseButtonIgnoresAnyOtherValue()
{
    m_state.suspended = 2;
    mainButton("Command5")->click();
    QCOMPARE(mainButton("Command5")->text(), QStringLiteral("小休止"));
    QCOMPARE(m_state.suspended.value(), 2.0);
    QVERIFY(mainButton("Command6")->isEnabled());
}

void QuitAndPauseTest::cancelReturnsToTheRunningGame()
{
    m_state.satiety = 150;
    m_state.eggs = 4;
    const QString before = petFigures(m_state);
    QString seen;
    whenModalOpens([&](QWidget *dialog) {
        seen = QStringLiteral("%1 %2 main %3 suspended %4 beeps %5")
                   .arg(dialog->objectName(), dialog->windowTitle())
                   .arg(m_window->isVisible() ? "shown" : "hidden")
                   .arg(m_state.suspended.value())
                   .arg(m_platform.beeps);
        buttonOf(dialog, "Command2")->click();
    });
    mainButton("Command6")->click();
    QCOMPARE(seen, QStringLiteral("frmEnding Warning!! main hidden suspended 1 beeps 1"));
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_state.suspended.value(), 0.0);
    QCOMPARE(petFigures(m_state), before);
    QCOMPARE(m_platform.beeps, 1);
    QCOMPARE(m_platform.ended, 0);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

void QuitAndPauseTest::quitDialogIgnoresEscapeAndItsCloseBoxCancels()
{
    bool openAfterEscape = false;
    whenModalOpens([&](QWidget *dialog) {
        QTest::keyClick(dialog, Qt::Key_Escape);
        openAfterEscape = dialog->isVisible();
        dialog->close();
    });
    mainButton("Command6")->click();
    QVERIFY(openAfterEscape);
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_state.suspended.value(), 0.0);
    QCOMPARE(m_platform.ended, 0);
}

void QuitAndPauseTest::closingTheMainWindowActsLikePushToEnd()
{
    bool dialogSeen = false;
    whenModalOpens([&](QWidget *dialog) {
        dialogSeen = dialog->objectName() == QLatin1String("frmEnding") && !m_window->isVisible();
        buttonOf(dialog, "Command2")->click();
    });
    m_window->close();
    QVERIFY(m_window->isVisible());
    for (int turn = 0; turn < 10 && !dialogSeen; ++turn)
        QCoreApplication::processEvents();
    QVERIFY(dialogSeen);
    QCOMPARE(m_platform.beeps, 1);
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_state.suspended.value(), 0.0);
    QCOMPARE(m_platform.ended, 0);
}

void QuitAndPauseTest::closingThePausedMainWindowDoesNothing()
{
    // Quitting needs the pause released first, whichever way it is asked for.
    mainButton("Command5")->click();
    bool dialogSeen = false;
    whenModalOpens(
        [&](QWidget *dialog) {
            dialogSeen = true;
            dialog->close();
        },
        10);
    m_window->close();
    for (int turn = 0; turn < 20; ++turn)
        QCoreApplication::processEvents();
    QVERIFY(!dialogSeen);
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_platform.beeps, 0);
    QCOMPARE(m_state.suspended.value(), 1.0);
}

void QuitAndPauseTest::quitDialogLooksAsDesigned()
{
    frmEnding dialog(m_state, m_random, m_platform);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Warning!!"));
    QCOMPARE(dialog.size(), QSize(128, 209));
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("終了します！！"));
    const QStringList captions{QStringLiteral("Ｓａｖｅ"), QStringLiteral("Ｃａｎｃｅｌ"), QStringLiteral("Ｏ．Ｋ．")};
    int top = 0;
    for (int i = 0; i < 3; ++i) {
        QPushButton *button = buttonOf(&dialog, qPrintable(QStringLiteral("Command%1").arg(i + 1)));
        QCOMPARE(button->text(), captions[i]);
        QCOMPARE(button->size(), QSize(113, 49));
        QVERIFY(button->y() > top);
        top = button->y();
        QCOMPARE(QFontInfo(button->font()).family(), QStringLiteral("IPAPGothic"));
    }
    QVERIFY(buttonOf(&dialog, "Command1")->isDefault());
    QCOMPARE(dialog.focusWidget(), buttonOf(&dialog, "Command1"));
}

void QuitAndPauseTest::saveLeavesExactlyOneFileBeepsAndEnds_data()
{
    QTest::addColumn<bool>("byEnter");
    QTest::newRow("Ｓａｖｅ clicked") << false;
    QTest::newRow("Enter as the dialog opens") << true;
}

void QuitAndPauseTest::saveLeavesExactlyOneFileBeepsAndEnds()
{
    QFETCH(bool, byEnter);
    useEmptyFolder();
    QFile older(QStringLiteral("もも.npw"));
    QVERIFY(older.open(QIODevice::WriteOnly));
    older.write("an older save\r\n");
    older.close();
    m_state.satiety = 192;
    m_state.sickness = 4;
    m_state.dirt = 4;
    m_state.changeProgress = 7;
    m_random.script({fractionFor(1234, 10000)});

    m_state.suspended = 1;
    frmEnding dialog(m_state, m_random, m_platform);
    dialog.show();
    if (byEnter)
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
    else
        buttonOf(&dialog, "Command1")->click();

    QCOMPARE(folderEntries(), QStringList{QStringLiteral("もも.npw")});
    QVERIFY(older.open(QIODevice::ReadOnly));
    QByteArray name;
    QVERIFY(encodeCodePage932(QStringLiteral("\"もも\""), name));
    QCOMPARE(older.readAll(), name + ",1042,1238,1238,7,9154,\"Normal\",1,1234,10,1,1,1,2,,1234,0,1234\r\n");
    QCOMPARE(m_platform.beeps, 1);
    QCOMPARE(m_platform.ended, 1);
    QVERIFY(m_platform.notices.isEmpty());
}

void QuitAndPauseTest::okEndsWithoutWriting()
{
    useEmptyFolder();
    frmEnding dialog(m_state, m_random, m_platform);
    dialog.show();
    buttonOf(&dialog, "Command3")->click();
    QCOMPARE(m_platform.ended, 1);
    QCOMPARE(m_platform.beeps, 0);
    QCOMPARE(folderEntries(), QStringList());
    QCOMPARE(m_random.drawn(), 0u);
}

void QuitAndPauseTest::failedSaveKeepsTheDialogOpen()
{
    useEmptyFolder();
    QVERIFY(QDir().mkdir(QStringLiteral("もも.npw")));
    m_random.script({0.5});
    m_state.suspended = 1;
    frmEnding dialog(m_state, m_random, m_platform);
    dialog.show();
    buttonOf(&dialog, "Command1")->click();
    QCOMPARE(m_platform.notices.size(), 1);
    QVERIFY(m_platform.notices.front().text.contains(QStringLiteral("もも.npw")));
    QCOMPARE(m_platform.notices.front().icon, NoticeIcon::Exclamation);
    QCOMPARE(m_platform.ended, 0);
    QCOMPARE(m_platform.beeps, 0);
    QVERIFY(dialog.isVisible());

    // The player can still go back to the game.
    buttonOf(&dialog, "Command2")->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(m_state.suspended.value(), 0.0);
}

QTEST_MAIN(QuitAndPauseTest)
#include "test_quit_and_pause.moc"
