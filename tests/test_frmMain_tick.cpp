// The main window's timer: events that arrive while a notice of the tick is
// open wait, and a death hides the window and hands over to the death screen.

#include "support/main_window_fixture.h"
#include "support/modal.h"
#include "ui/frmMain.h"
#include "ui/look.h"

#include <QtTest>

using namespace nupel;
using namespace nupel::test;

class FrmMainTickTest : public QObject, protected MainWindowFixture {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void timerEventsWaitWhileTheLayingNoticeIsOpen();
    void tickWritesFacesAndLabelsIntoTheWindow();
    void deathHidesTheMainWindowAndOpensTheDeathScreen();
};

void FrmMainTickTest::initTestCase()
{
    installGameLook();
}

void FrmMainTickTest::init()
{
    openMainWindow();
    m_state.walkCount = 0;
    m_state.timerCount = 9;
}

void FrmMainTickTest::cleanup()
{
    closeMainWindow();
    verifyCleanEnd(&m_random);
}

// A nested event would walk, count and lay again; here it must do nothing.
void FrmMainTickTest::timerEventsWaitWhileTheLayingNoticeIsOpen()
{
    m_state.eggTimer = 9;
    m_random.script({0.0, 0.9, 0.9, fractionFor(4, 10), 0.0});
    m_random.script({0.99, 0.99, 0.99, 0.99, 0.99});
    m_platform.onNotice = [this](const Notice &) {
        for (int i = 0; i < 12; ++i)
            m_window->Timer1_Timer();
    };
    m_window->Timer1_Timer();
    QCOMPARE(m_platform.notices.size(), 1);
    QCOMPARE(m_state.eggs.value(), 5.0);
    QCOMPARE(m_state.walkCount.value(), 1.0);
    QCOMPARE(m_state.timerCount.value(), 0.0);
    QCOMPARE(m_state.eggTimer.value(), 0.0);

    // Once the notice is closed the pet walks again.
    m_platform.onNotice = nullptr;
    m_window->Timer1_Timer();
    QCOMPARE(m_state.walkCount.value(), 2.0);
    QCOMPARE(m_state.timerCount.value(), 1.0);
}

void FrmMainTickTest::tickWritesFacesAndLabelsIntoTheWindow()
{
    m_state.age = 6;
    m_state.eggs = 12;
    m_random.script({0.0, 0.9, 0.9});
    m_window->Timer1_Timer();
    auto text = [this](const char *name) { return control<QLabel>(name)->text(); };
    QCOMPARE(text("Label12"), QStringLiteral("12個"));
    QCOMPARE(text("Label17"), QStringLiteral("6歳"));
    QCOMPARE(text("Label14"), QStringLiteral("10000円"));
    for (const char *name : {"Image2", "Image3", "Image4"})
        QVERIFY(!control<QLabel>(name)->pixmap().isNull());
}

void FrmMainTickTest::deathHidesTheMainWindowAndOpensTheDeathScreen()
{
    m_state.satiety = 1;
    m_state.age = 4;
    QVERIFY(m_window->isVisible());
    m_window->Timer1_Timer();
    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_state.deathCause, QStringLiteral("空腹"));
    QCOMPARE(m_state.suspended.value(), 1.0);
    QVERIFY(m_platform.notices.isEmpty());

    std::unique_ptr<QWidget> deathScreen;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QStringLiteral("frmDie"))
            deathScreen.reset(window);
    }
    QVERIFY(deathScreen);
    QVERIFY(deathScreen->isVisible());
    QCOMPARE(deathScreen->findChild<QLabel *>(QStringLiteral("Label3"))->text(), QStringLiteral("ももは空腹で"));
    QCOMPARE(deathScreen->findChild<QLabel *>(QStringLiteral("Label5"))->text(), QStringLiteral("享年4歳"));

    // Later events find the game suspended and leave everything as it was.
    m_window->Timer1_Timer();
    QCOMPARE(m_state.timerCount.value(), 0.0);
    QCOMPARE(int(m_state.satiety), -1);
}

QTEST_MAIN(FrmMainTickTest)
#include "test_frmMain_tick.moc"
