// The death screen and the hatching window on the offscreen platform: their
// texts, the burial's branches, and the ways out of each window.

#include "support/fake_platform.h"
#include "support/modal.h"
#include "support/recording_view.h"
#include "support/scripted_random.h"
#include "ui/Form10.h"
#include "ui/frmDie.h"
#include "ui/look.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace nupel;
using namespace nupel::test;

namespace {

const QString gameOver = QStringLiteral("Ｇａｍｅ　Ｏｖｅｒ");
const QString scoreQuestion = QStringLiteral("スコアファイルを作成しますか？");
const QString hatchingNotice = QStringLiteral("卵の一つが孵化しそうです");

Form10 *openHatchingWindow()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *hatching = qobject_cast<Form10 *>(window); hatching && hatching->isVisible())
            return hatching;
    }
    return nullptr;
}

// Runs `action` in a fresh, empty working directory, so no score file of an
// earlier case or run is found there.
class InEmptyFolder {
public:
    InEmptyFolder() : m_previous(QDir::currentPath()) { QDir::setCurrent(m_dir.path()); }
    ~InEmptyFolder() { QDir::setCurrent(m_previous); }

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

} // namespace

class FrmDieTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void deathScreenReadsLikeAnEpitaph_data();
    void deathScreenReadsLikeAnEpitaph();
    void deathScreenHasGraveAndDefaultButton();
    void burialWithoutHatchingEndsTheGame_data();
    void burialWithoutHatchingEndsTheGame();
    void yesWritesTheScoreFileAndSaysSo();
    void unwritableScoreFileIsReportedAndTheGameEnds();
    void closingTheDeathScreenEndsTheGameWithoutScore();
    void hatchingHandsOverToTheHatchingWindow();

    void hatchingWindowShowsAfterItsNotice();
    void raisingTheHatchlingBringsBackTheMainWindow();
    void notRaisingItEndsTheGameAtOnce();
    void closingTheHatchingWindowEndsTheGame();

private:
    PetState m_state;
    ScriptedRandom m_random;
    FakePlatform m_platform;
    RecordingView m_mainWindow;
};

void FrmDieTest::initTestCase()
{
    installGameLook();
}

void FrmDieTest::init()
{
    m_state = PetState();
    m_state.setNewGameValues();
    m_state.petName = QStringLiteral("もも");
    m_state.deathCause = QStringLiteral("寿命");
    m_state.age = 6;
    m_state.generation = 2;
    m_state.money = 7300;
    m_state.suspended = 1;
    m_random = ScriptedRandom();
    m_platform = FakePlatform();
    m_mainWindow = RecordingView();
}

void FrmDieTest::cleanup()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (qobject_cast<Form10 *>(window))
            delete window;
    }
    verifyCleanEnd(&m_random);
}

void FrmDieTest::deathScreenReadsLikeAnEpitaph_data()
{
    QTest::addColumn<QString>("cause");
    QTest::addColumn<int>("age");
    QTest::addColumn<QString>("line3");
    QTest::addColumn<QString>("line5");
    QTest::newRow("old age") << "寿命" << 6 << "ももは寿命で"
                             << "享年6歳";
    QTest::newRow("hunger in the first year") << "空腹" << 0 << "ももは空腹で"
                                              << "享年0歳";
    QTest::newRow("overeating") << "過食" << 109 << "ももは過食で"
                                << "享年109歳";
}

void FrmDieTest::deathScreenReadsLikeAnEpitaph()
{
    QFETCH(QString, cause);
    QFETCH(int, age);
    QFETCH(QString, line3);
    QFETCH(QString, line5);
    m_state.deathCause = cause;
    m_state.age = age;
    frmDie screen(m_state, m_random, m_platform, m_mainWindow);
    screen.Form_Load();
    QVERIFY(screen.isVisible());
    QVERIFY(!screen.isModal());
    QCOMPARE(screen.windowTitle(), QStringLiteral("死亡"));
    auto text = [&screen](const char *name) { return screen.findChild<QLabel *>(QLatin1String(name))->text(); };
    QCOMPARE(text("Label1"), QStringLiteral("残念ながら"));
    QCOMPARE(text("Label2"), QStringLiteral("貴方の"));
    QCOMPARE(text("Label3"), line3);
    QCOMPARE(text("Label4"), QStringLiteral("亡くなりました"));
    QCOMPARE(text("Label5"), line5);
}

void FrmDieTest::deathScreenHasGraveAndDefaultButton()
{
    frmDie screen(m_state, m_random, m_platform, m_mainWindow);
    screen.Form_Load();
    QCOMPARE(screen.size(), QSize(309, 368));
    auto *grave = screen.findChild<QLabel *>(QStringLiteral("Picture1"));
    QCOMPARE(grave->size(), QSize(113, 167));
    QCOMPARE(grave->pixmap().size(), QSize(113, 167));
    auto *bury = screen.findChild<QPushButton *>(QStringLiteral("Command1"));
    QCOMPARE(bury->text(), QStringLiteral("埋葬"));
    QVERIFY(bury->isDefault());
    QCOMPARE(QFontInfo(screen.findChild<QLabel *>(QStringLiteral("Label3"))->font()).family(),
             QStringLiteral("IPAPGothic"));

    // Enter buries: the default button answers it.
    m_state.deathCause = QStringLiteral("病気");
    QTest::keyClick(&screen, Qt::Key_Return);
    QCOMPARE(m_platform.ended, 1);
}

void FrmDieTest::burialWithoutHatchingEndsTheGame_data()
{
    QTest::addColumn<QString>("cause");
    QTest::addColumn<int>("eggs");
    QTest::addColumn<int>("draws");
    QTest::newRow("illness with eggs") << "病気" << 40 << 0;
    QTest::newRow("old age without eggs") << "寿命" << 0 << 0;
    QTest::newRow("old age, two eggs miss") << "寿命" << 2 << 2;
}

void FrmDieTest::burialWithoutHatchingEndsTheGame()
{
    QFETCH(QString, cause);
    QFETCH(int, eggs);
    QFETCH(int, draws);
    m_state.deathCause = cause;
    m_state.eggs = eggs;
    for (int i = 0; i < draws; ++i)
        m_random.script({fractionFor(4, 10)});
    m_platform.answers = {NoticeAnswer::No};
    InEmptyFolder folder;
    frmDie screen(m_state, m_random, m_platform, m_mainWindow);
    screen.Form_Load();
    screen.findChild<QPushButton *>(QStringLiteral("Command1"))->click();

    QCOMPARE(m_random.remaining(), std::size_t(0));
    QCOMPARE(m_platform.notices.size(), 2);
    QCOMPARE(m_platform.notices[0].text, gameOver);
    QCOMPARE(m_platform.notices[0].title, programTitle);
    QCOMPARE(m_platform.notices[0].icon, NoticeIcon::Exclamation);
    QCOMPARE(m_platform.notices[1].text, scoreQuestion);
    QCOMPARE(m_platform.notices[1].title, QStringLiteral("スコアファイルの作成"));
    QCOMPARE(m_platform.notices[1].buttons, NoticeButtons::YesNo);
    QCOMPARE(m_platform.notices[1].icon, NoticeIcon::Question);
    QCOMPARE(m_platform.ended, 1);
    QVERIFY(!QFile::exists(QStringLiteral("もも.nps")));
    QVERIFY(!openHatchingWindow());
}

void FrmDieTest::yesWritesTheScoreFileAndSaysSo()
{
    m_random.script({fractionFor(4320, 10000)});
    m_platform.answers = {NoticeAnswer::Yes};
    InEmptyFolder folder;
    frmDie screen(m_state, m_random, m_platform, m_mainWindow);
    screen.Form_Load();
    screen.command1_click();

    QCOMPARE(m_platform.notices.size(), 3);
    const Notice &done = m_platform.notices[2];
    QCOMPARE(done.text, QStringLiteral("もも.npsを作成しました。"));
    QCOMPARE(done.title, programTitle);
    QCOMPARE(done.buttons, NoticeButtons::Ok);
    QCOMPARE(done.icon, NoticeIcon::None);
    QCOMPARE(m_platform.ended, 1);
    QFile file(QStringLiteral("もも.nps"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().endsWith(",3173,\"Normal\",\"\x8e\xf5\x96\xbd\",4323,4327,4321\r\n"));
}

void FrmDieTest::unwritableScoreFileIsReportedAndTheGameEnds()
{
    m_random.script({0.0});
    m_platform.answers = {NoticeAnswer::Yes};
    InEmptyFolder folder;
    QVERIFY(QDir().mkdir(QStringLiteral("もも.nps")));
    frmDie screen(m_state, m_random, m_platform, m_mainWindow);
    screen.Form_Load();
    screen.command1_click();

    QCOMPARE(m_platform.notices.size(), 3);
    QVERIFY(m_platform.notices[2].text.startsWith(QStringLiteral("「もも.nps」を作成できませんでした。\n")));
    QCOMPARE(m_platform.notices[2].icon, NoticeIcon::Exclamation);
    QCOMPARE(m_platform.ended, 1);
}

void FrmDieTest::closingTheDeathScreenEndsTheGameWithoutScore()
{
    frmDie screen(m_state, m_random, m_platform, m_mainWindow);
    screen.Form_Load();
    screen.close();
    QCOMPARE(m_platform.ended, 1);
    QVERIFY(m_platform.notices.isEmpty());
    QTest::keyClick(&screen, Qt::Key_Escape);
    QCOMPARE(m_platform.ended, 1);
}

void FrmDieTest::hatchingHandsOverToTheHatchingWindow()
{
    m_state.eggs = 12;
    m_random.script({fractionFor(3, 10), fractionFor(5, 10)});
    frmDie screen(m_state, m_random, m_platform, m_mainWindow);
    screen.Form_Load();
    screen.command1_click();

    QCOMPARE(m_random.remaining(), std::size_t(0));
    QCOMPARE(m_platform.notices.size(), 1);
    QCOMPARE(m_platform.notices.first().text, hatchingNotice);
    QVERIFY(openHatchingWindow());
    QVERIFY(!screen.isVisible());
    QCOMPARE(m_platform.ended, 0);
    // The dead pet is handed over unchanged.
    QCOMPARE(m_state.eggs.value(), 12.0);
    QCOMPARE(m_state.suspended.value(), 1.0);
    QVERIFY(!m_mainWindow.visible);
}

void FrmDieTest::hatchingWindowShowsAfterItsNotice()
{
    Form10 hatching(m_state, m_platform, m_mainWindow);
    bool visibleWhileNotice = true;
    m_platform.onNotice = [&](const Notice &) { visibleWhileNotice = hatching.isVisible(); };
    hatching.Form_Load();
    QVERIFY(!visibleWhileNotice);
    QVERIFY(hatching.isVisible());
    QVERIFY(!hatching.isModal());
    QCOMPARE(m_platform.notices.size(), 1);
    QCOMPARE(m_platform.notices.first().text, hatchingNotice);
    QCOMPARE(m_platform.notices.first().title, programTitle);
    QCOMPARE(m_platform.notices.first().icon, NoticeIcon::Exclamation);
    QCOMPARE(m_platform.notices.first().buttons, NoticeButtons::Ok);
    QCOMPARE(hatching.windowTitle(), QStringLiteral("孵化"));
    auto *raise = hatching.findChild<QPushButton *>(QStringLiteral("Command1"));
    auto *giveUp = hatching.findChild<QPushButton *>(QStringLiteral("Command2"));
    QCOMPARE(raise->text(), QStringLiteral("孵化させる"));
    QCOMPARE(giveUp->text(), QStringLiteral("孵化させない(GameOver)"));
    for (QPushButton *button : {raise, giveUp}) {
        QCOMPARE(QFontInfo(button->font()).family(), QStringLiteral("IPAPGothic"));
        QVERIFY(hatching.rect().contains(button->geometry()));
        QVERIFY(button->width() >= button->sizeHint().width());
    }
}

void FrmDieTest::raisingTheHatchlingBringsBackTheMainWindow()
{
    Form10 hatching(m_state, m_platform, m_mainWindow);
    hatching.Form_Load();
    hatching.findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    QVERIFY(m_mainWindow.visible);
    QVERIFY(!hatching.isVisible());
    QCOMPARE(m_platform.ended, 0);
    QCOMPARE(m_state.suspended.value(), 0.0);
    QCOMPARE(m_state.generation.value(), 3.0);
    QCOMPARE(m_state.petType, QStringLiteral("Normal"));
    QCOMPARE(int(m_state.money), 7300);
}

void FrmDieTest::notRaisingItEndsTheGameAtOnce()
{
    Form10 hatching(m_state, m_platform, m_mainWindow);
    hatching.Form_Load();
    hatching.findChild<QPushButton *>(QStringLiteral("Command2"))->click();
    QCOMPARE(m_platform.ended, 1);
    QCOMPARE(m_platform.notices.size(), 1);
    QCOMPARE(m_state.generation.value(), 2.0);
    QVERIFY(!m_mainWindow.visible);
}

void FrmDieTest::closingTheHatchingWindowEndsTheGame()
{
    Form10 hatching(m_state, m_platform, m_mainWindow);
    hatching.Form_Load();
    hatching.close();
    QCOMPARE(m_platform.ended, 1);
    QCOMPARE(m_state.generation.value(), 2.0);
    QVERIFY(!m_mainWindow.visible);
}

QTEST_MAIN(FrmDieTest)
#include "test_frmDie.moc"
