// The opening screen: it prepares the game, cycles the title pictures and
// hands over to the name entry.

#include "support/fake_platform.h"
#include "support/modal.h"
#include "ui/controls.h"
#include "ui/frmInputName.h"
#include "ui/frmOpening.h"
#include "ui/look.h"

#include <QPointer>
#include <QtTest>

using namespace nupel;
using namespace nupel::test;

namespace {

// Which title picture the window shows: 1, 2, 3, or 0 for none of them.
int shownTitle(const frmOpening &window)
{
    const QImage shown = window.findChild<PictureBox *>(QStringLiteral("Picture1"))
                             ->picture()
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32);
    const char *files[] = {"nupelwop.bmp", "nupelwo2.bmp", "nupelwo3.bmp"};
    for (int i = 0; i < 3; ++i)
        if (shown == QImage(QLatin1String(files[i])).convertToFormat(QImage::Format_RGB32))
            return i + 1;
    return 0;
}

} // namespace

class FrmOpeningTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void windowLooksAsDesigned();
    void formLoadPreparesANewGame();
    void formLoadSeedsTheRandomSourceFromTheClock();
    void titlePicturesCycleOnePerTimerEvent();
    void pushToStartOpensNameEntryAndUnloadsTheOpening();
    void escapeDoesNothing();
    void closingTheWindowEndsTheProgram();

private:
    PetState m_state;
    ClockRandom m_random;
    FakePlatform m_platform;
    QPointer<frmOpening> m_window;
};

void FrmOpeningTest::initTestCase()
{
    installGameLook();
    for (const char *file : {"nupelwop.bmp", "nupelwo2.bmp", "nupelwo3.bmp"})
        QVERIFY2(!QImage(QLatin1String(file)).isNull(), file);
}

void FrmOpeningTest::init()
{
    m_state = PetState();
    m_random = ClockRandom();
    m_platform = FakePlatform();
    // The window deletes itself when it unloads.
    m_window = new frmOpening(m_state, m_random, m_platform);
}

void FrmOpeningTest::cleanup()
{
    delete m_window;
    qDeleteAll(topLevels<frmInputName>());
    verifyCleanEnd();
}

void FrmOpeningTest::windowLooksAsDesigned()
{
    m_window->Form_Load();
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Let's play Nupel!!"));
    QCOMPARE(m_window->size(), QSize(338, 316));
    auto *picture = m_window->findChild<PictureBox *>(QStringLiteral("Picture1"));
    QCOMPARE(picture->contentsRect().size(), QSize(313, 225));
    QCOMPARE(picture->picture().size(), QSize(313, 225));
    auto *start = m_window->findChild<QPushButton *>(QStringLiteral("Command1"));
    QCOMPARE(start->text(), QStringLiteral("Push to start"));
    QCOMPARE(start->size(), QSize(209, 57));
    QVERIFY(start->geometry().top() > picture->geometry().bottom());
    QVERIFY(qAbs(start->geometry().center().x() - picture->geometry().center().x()) <= 1);
    QVERIFY(start->isDefault());
    QCOMPARE(QFontInfo(start->font()).family(), QStringLiteral("IPAGothic"));
    QCOMPARE(m_window->timer().interval(), 1000);
    QVERIFY(m_window->timer().isActive());
}

void FrmOpeningTest::formLoadPreparesANewGame()
{
    m_state.satiety = 12;
    m_state.sicknessRate = 0.5;
    m_state.money = 3;
    m_state.petType = QStringLiteral("Kan");
    m_state.roomPicture = 3;
    m_window->Form_Load();
    QCOMPARE(m_state.satiety.value(), qint16(200));
    QCOMPARE(m_state.sickness.value(), qint16(0));
    QCOMPARE(m_state.dirt.value(), qint16(0));
    QCOMPARE(m_state.dirtRate.value(), 1.0);
    QCOMPARE(m_state.hungerRate.value(), 2.0);
    QCOMPARE(m_state.sicknessRate.value(), 1.0);
    QCOMPARE(m_state.clutchMax.value(), 10.0);
    QCOMPARE(m_state.eggValueFactor.value(), 1.0);
    QCOMPARE(m_state.money.value(), 10000);
    QCOMPARE(m_state.generation.value(), 1.0);
    QCOMPARE(m_state.petType, QStringLiteral("Normal"));
    QCOMPARE(m_state.eggTimer.value(), 0.0);
    QCOMPARE(m_state.age.value(), 0.0);
    QCOMPARE(m_state.eggs.value(), 0.0);
    QCOMPARE(m_state.roomPicture.value(), 1.0);
    QCOMPARE(m_state.tantrumKind.value(), 0.0);
    QVERIFY(m_state.eggPrice.isEmpty());
    QVERIFY(m_state.changeProgress.isEmpty());
    QVERIFY(m_state.petName.isEmpty());
    QCOMPARE(shownTitle(*m_window), 1);
}

void FrmOpeningTest::formLoadSeedsTheRandomSourceFromTheClock()
{
    // Without the seeding every run would draw the sequence of a fixed seed.
    ClockRandom unseeded;
    m_window->Form_Load();
    QVERIFY(m_random.next() != unseeded.next());
}

void FrmOpeningTest::titlePicturesCycleOnePerTimerEvent()
{
    m_window->Form_Load();
    QList<int> shown{shownTitle(*m_window)};
    for (int event = 0; event < 7; ++event) {
        m_window->Timer1_Timer();
        shown.append(shownTitle(*m_window));
    }
    QCOMPARE(shown, (QList<int>{1, 2, 3, 1, 2, 3, 1, 2}));
}

void FrmOpeningTest::pushToStartOpensNameEntryAndUnloadsTheOpening()
{
    // Enter presses the default button at once, before any timer event.
    m_window->Form_Load();
    m_window->show();
    QTest::keyClick(m_window, Qt::Key_Return);
    const QList<frmInputName *> opened = topLevels<frmInputName>();
    QCOMPARE(opened.size(), 1);
    QVERIFY(opened.front()->isVisible());
    QVERIFY(!opened.front()->isModal());
    QVERIFY(!m_window->isVisible());
    QVERIFY(!m_window->timer().isActive());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(m_window.isNull());
    QCOMPARE(m_platform.ended, 0);
}

void FrmOpeningTest::escapeDoesNothing()
{
    m_window->Form_Load();
    m_window->show();
    QTest::keyClick(m_window, Qt::Key_Escape);
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_platform.ended, 0);
}

void FrmOpeningTest::closingTheWindowEndsTheProgram()
{
    m_window->Form_Load();
    m_window->show();
    m_window->close();
    QCOMPARE(m_platform.ended, 1);
}

QTEST_MAIN(FrmOpeningTest)
#include "test_frmOpening.moc"
