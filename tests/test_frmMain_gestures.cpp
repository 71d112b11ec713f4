// The hidden gestures and the chatter in the main window, driven by real mouse
// events on the offscreen platform.

#include "life/chatter.h"
#include "support/main_window_fixture.h"
#include "support/modal.h"
#include "support/mouse.h"
#include "ui/frmMain.h"
#include "ui/look.h"

#include <QSignalSpy>
#include <QtTest>

using namespace nupel;
using namespace nupel::test;

namespace {

// Every field of the pet, printed, so that a gesture can be shown to change
// only what it should.
QMap<QString, QString> snapshot(const PetState &s)
{
    return {
        {QStringLiteral("petName"), s.petName},
        {QStringLiteral("petType"), s.petType},
        {QStringLiteral("generation"), s.generation.print()},
        {QStringLiteral("age"), s.age.print()},
        {QStringLiteral("deathCause"), s.deathCause},
        {QStringLiteral("satiety"), s.satiety.print()},
        {QStringLiteral("sickness"), s.sickness.print()},
        {QStringLiteral("dirt"), s.dirt.print()},
        {QStringLiteral("hungerRate"), s.hungerRate.print()},
        {QStringLiteral("sicknessRate"), s.sicknessRate.print()},
        {QStringLiteral("dirtRate"), s.dirtRate.print()},
        {QStringLiteral("clutchMax"), s.clutchMax.print()},
        {QStringLiteral("eggValueFactor"), s.eggValueFactor.print()},
        {QStringLiteral("tantrumKind"), s.tantrumKind.print()},
        {QStringLiteral("money"), s.money.print()},
        {QStringLiteral("eggs"), s.eggs.print()},
        {QStringLiteral("eggPrice"), s.eggPrice.print()},
        {QStringLiteral("eggsToSell"), s.eggsToSell.print()},
        {QStringLiteral("changeProgress"), s.changeProgress.print()},
        {QStringLiteral("eggTimer"), s.eggTimer.print()},
        {QStringLiteral("timerCount"), s.timerCount.print()},
        {QStringLiteral("suspended"), s.suspended.print()},
        {QStringLiteral("skipLifespanCheck"), s.skipLifespanCheck.print()},
        {QStringLiteral("hatchPending"), s.hatchPending.print()},
        {QStringLiteral("walkCount"), s.walkCount.print()},
        {QStringLiteral("walkDirection"), s.walkDirection.print()},
        {QStringLiteral("roomPicture"), s.roomPicture.print()},
        {QStringLiteral("shownGeneration"), s.shownGeneration.print()},
        {QStringLiteral("eggsEaten"), s.eggsEaten.print()},
    };
}

QImage pictureFile(const char *name)
{
    return QImage(QLatin1String(name)).convertToFormat(QImage::Format_RGB32);
}

// The kinds of mouse button events a widget receives, in order.
class MouseEventLog final : public QObject {
public:
    explicit MouseEventLog(QWidget *widget) { widget->installEventFilter(this); }
    QStringList events;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress: events.append(QStringLiteral("press")); break;
        case QEvent::MouseButtonRelease: events.append(QStringLiteral("release")); break;
        case QEvent::MouseButtonDblClick: events.append(QStringLiteral("double-click")); break;
        default: break;
        }
        return false;
    }
};

} // namespace

class FrmMainGesturesTest : public QObject, protected MainWindowFixture {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void doubleClickIsOneClickThenOneDoubleClick_data();
    void doubleClickIsOneClickThenOneDoubleClick();
    void doubleClicksOnTheAgeSwitchFastForward();
    void doubleClickOnTheEggCountSetsTheBestPrice();
    void releaseOnTheTypeHeadingGambles_data();
    void releaseOnTheTypeHeadingGambles();
    void clickOnTheSquareIsTheAccident();
    void petWaitsWhileTheAccidentIsTold();
    void accidentRefreshesThePetIconAtTheNextTick_data();
    void accidentRefreshesThePetIconAtTheNextTick();
    void threeRoomClicksBringBackTheFirstPicture();
    void clickOnThePetSpeaks_data();
    void clickOnThePetSpeaks();
    void widestSentenceShowsInFullAboveTheSquare();
    void gesturesWorkWhilePausedAndChangeNothingElse_data();
    void gesturesWorkWhilePausedAndChangeNothingElse();
};

void FrmMainGesturesTest::initTestCase()
{
    installGameLook();
}

void FrmMainGesturesTest::init()
{
    openMainWindow();
}

void FrmMainGesturesTest::cleanup()
{
    closeMainWindow();
    verifyCleanEnd(&m_random);
}

void FrmMainGesturesTest::doubleClickIsOneClickThenOneDoubleClick_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<QString>("field"); // the one field of the pet that changes
    QTest::addColumn<QString>("value");
    const QList<double> none;
    // The room, the pet and the square have a Click handler only: it runs
    // once, so the room moves on one picture, the pet says one line (one draw
    // for the babble) and the accident happens once.
    QTest::newRow("room") << "Picture1" << Qt::LeftButton << none << "roomPicture"
                          << "2";
    QTest::newRow("pet") << "Image1" << Qt::LeftButton << QList<double>{fractionFor(0, 10)} << QString() << QString();
    QTest::newRow("accident square") << "Label19" << Qt::LeftButton << none << "money"
                                     << "60000";
    // The egg count and the age have a DblClick handler only: it runs once,
    // so the fast-forward is switched on, not on and off again.
    QTest::newRow("egg count") << "Label12" << Qt::LeftButton << none << "eggPrice"
                               << "100";
    QTest::newRow("age") << "Label17" << Qt::LeftButton << none << QString() << QString();
    // Every release on the type heading draws; draws 3 and 5 match no
    // modifier state, so no gamble follows.
    QTest::newRow("type heading, right button")
        << "Label4" << Qt::RightButton << QList<double>{fractionFor(3, 8), fractionFor(5, 8)} << QString() << QString();
}

// A double-click that ran a Click handler twice turned the room two pictures
// on and made the pet speak twice. The controls report one click, one
// double-click and two releases; the effects show each handler ran once.
void FrmMainGesturesTest::doubleClickIsOneClickThenOneDoubleClick()
{
    QFETCH(QString, name);
    QFETCH(Qt::MouseButton, button);
    QFETCH(QList<double>, draws);
    QFETCH(QString, field);
    QFETCH(QString, value);
    m_state.eggPrice = 30;
    m_state.age = 1; // as the accident leaves it
    for (double fraction : draws)
        m_random.script({fraction});
    auto *target = m_window->findChild<QWidget *>(name);
    QVERIFY(target);
    QSignalSpy clicked(target, SIGNAL(clicked()));
    QVERIFY(clicked.isValid());
    auto *label = qobject_cast<CaptionLabel *>(target);
    std::optional<QSignalSpy> doubleClicked, released;
    if (label) {
        doubleClicked.emplace(label, &CaptionLabel::doubleClicked);
        released.emplace(label, &CaptionLabel::mouseReleased);
    }
    const QMap<QString, QString> before = snapshot(m_state);
    MouseEventLog log(target);

    doubleClick(target, button, {}, QPoint(target->width() - 5, 5));

    QCOMPARE(log.events, QStringList({QStringLiteral("press"), QStringLiteral("release"),
                                      QStringLiteral("double-click"), QStringLiteral("release")}));
    const int leftClicks = button == Qt::LeftButton ? 1 : 0;
    QCOMPARE(int(clicked.count()), leftClicks);
    if (label) {
        QCOMPARE(int(doubleClicked->count()), leftClicks);
        QCOMPARE(int(released->count()), 2);
    }
    QCOMPARE(m_random.drawn(), std::size_t(draws.size()));
    const QMap<QString, QString> after = snapshot(m_state);
    for (auto entry = before.cbegin(); entry != before.cend(); ++entry) {
        if (entry.key() == field)
            QCOMPARE(after.value(field), value);
        else
            QVERIFY2(after.value(entry.key()) == entry.value(), qPrintable(entry.key()));
    }
    QCOMPARE(control<QLabel>("Label18")->text(), name == QLatin1String("Image1") ? chatterBabble : QString());
    QCOMPARE(m_window->timer().interval(), name == QLatin1String("Label17") ? 1 : 100);
    QCOMPARE(m_platform.notices.size(), name == QLatin1String("Label19") ? 2 : 0);
}

void FrmMainGesturesTest::doubleClicksOnTheAgeSwitchFastForward()
{
    auto *age = control<CaptionLabel>("Label17");
    QCOMPARE(m_window->timer().interval(), 100);
    doubleClick(age, Qt::LeftButton);
    QCOMPARE(m_window->timer().interval(), 1);
    doubleClick(age, Qt::LeftButton);
    QCOMPARE(m_window->timer().interval(), 100);
    doubleClick(age, Qt::LeftButton);
    QCOMPARE(m_window->timer().interval(), 1);
}

void FrmMainGesturesTest::doubleClickOnTheEggCountSetsTheBestPrice()
{
    m_state.eggPrice = 30;
    doubleClick(control<CaptionLabel>("Label12"), Qt::LeftButton);
    QCOMPARE(m_state.eggPrice.value(), 100.0);
}

void FrmMainGesturesTest::releaseOnTheTypeHeadingGambles_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<qint32>("money");
    // r2 = 0.8 makes the factor 3.
    QTest::newRow("right, Ctrl+Alt, draw 6")
        << Qt::RightButton << Qt::KeyboardModifiers(Qt::ControlModifier | Qt::AltModifier)
        << QList<double>{fractionFor(6, 8), 0.8} << 30000;
    QTest::newRow("right, Ctrl+Alt, draw 2")
        << Qt::RightButton << Qt::KeyboardModifiers(Qt::ControlModifier | Qt::AltModifier)
        << QList<double>{fractionFor(2, 8)} << 10000;
    QTest::newRow("right, Shift, draw 1") << Qt::RightButton << Qt::KeyboardModifiers(Qt::ShiftModifier)
                                          << QList<double>{fractionFor(1, 8), 0.8} << 30000;
    QTest::newRow("right, all three, draw 7")
        << Qt::RightButton << Qt::KeyboardModifiers(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)
        << QList<double>{fractionFor(7, 8), 0.8} << 30000;
    QTest::newRow("right, none, draw 0") << Qt::RightButton << Qt::KeyboardModifiers()
                                         << QList<double>{fractionFor(0, 8), 0.8} << 30000;
    QTest::newRow("left, none, draw 0") << Qt::LeftButton << Qt::KeyboardModifiers() << QList<double>{fractionFor(0, 8)}
                                        << 10000;
    QTest::newRow("middle, none, draw 0")
        << Qt::MiddleButton << Qt::KeyboardModifiers() << QList<double>{fractionFor(0, 8)} << 10000;
}

void FrmMainGesturesTest::releaseOnTheTypeHeadingGambles()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QList<double>, draws);
    QFETCH(qint32, money);
    for (double fraction : draws)
        m_random.script({fraction});
    QTest::mouseClick(control<CaptionLabel>("Label4"), button, modifiers);
    QCOMPARE(m_state.money.value(), money);
    QCOMPARE(m_random.remaining(), std::size_t{0});
}

void FrmMainGesturesTest::clickOnTheSquareIsTheAccident()
{
    m_state.money = 10000;
    m_state.generation = 2;
    m_state.age = 9;
    m_state.eggs = 14;
    QTest::mouseClick(control<CaptionLabel>("Label19"), Qt::LeftButton);
    QCOMPARE(m_platform.notices.size(), 2);
    QCOMPARE(m_platform.notices[0].text, QStringLiteral("あなたのＮｕｐｅｌは交通事故にあい、死んでしまいました。"));
    QCOMPARE(m_platform.notices[1].text, QStringLiteral("Ｎｕｐｅｌを弁償してもらい、慰謝料を50000もらいました。"));
    QCOMPARE(m_state.money.value(), 60000);
    QCOMPARE(m_state.generation.value(), 1.0);
    QCOMPARE(m_state.age.value(), 1.0);
    QCOMPARE(m_state.eggs.value(), 14.0);
    QCOMPARE(m_state.petType, QStringLiteral("Normal"));
}

void FrmMainGesturesTest::petWaitsWhileTheAccidentIsTold()
{
    // Timer events arriving behind the accident's notices must not walk the
    // pet or open a laying notice on top of them.
    const QPoint before = m_window->petPosition();
    const double walkCount = m_state.walkCount.value();
    m_platform.onNotice = [this](const Notice &) { m_window->Timer1_Timer(); };
    QTest::mouseClick(control<CaptionLabel>("Label19"), Qt::LeftButton);
    QCOMPARE(m_platform.notices.size(), 2);
    QCOMPARE(m_window->petPosition(), before);
    QCOMPARE(m_state.walkCount.value(), walkCount);
    m_platform.onNotice = nullptr;
    m_window->Timer1_Timer();
    QCOMPARE(m_state.walkCount.value(), walkCount + 1);
}

void FrmMainGesturesTest::accidentRefreshesThePetIconAtTheNextTick_data()
{
    QTest::addColumn<bool>("accident");
    QTest::addColumn<QString>("icon");
    QTest::newRow("after the accident") << true << QStringLiteral("nuptam.ico");
    QTest::newRow("without it") << false << QStringLiteral("nupnor.ico");
}

// The pet changed type behind the window's back; only a change of generation
// makes the tick load its icon.
void FrmMainGesturesTest::accidentRefreshesThePetIconAtTheNextTick()
{
    QFETCH(bool, accident);
    QFETCH(QString, icon);
    m_state.petType = QStringLiteral("Tamagoro");
    m_state.generation = 3;
    m_state.shownGeneration = 3;
    m_state.timerCount = 9;
    // Type-change progress, then both tantrum gates shut.
    m_random.script({fractionFor(0, 5), 0.9, 0.9});
    if (accident)
        QTest::mouseClick(control<CaptionLabel>("Label19"), Qt::LeftButton);
    m_window->Timer1_Timer();
    QCOMPARE(m_random.remaining(), std::size_t{0});
    const QImage expected = QImage(icon).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(control<QLabel>("Image1")->pixmap().toImage().convertToFormat(QImage::Format_ARGB32), expected);
    QCOMPARE(m_state.shownGeneration.value(), accident ? 1.0 : 3.0);
}

void FrmMainGesturesTest::threeRoomClicksBringBackTheFirstPicture()
{
    auto *room = control<PictureBox>("Picture1");
    const QPoint wall(room->width() - 20, 20);
    auto shown = [room] { return room->picture().toImage().convertToFormat(QImage::Format_RGB32); };
    QCOMPARE(shown(), pictureFile(":/pictures/nupelwha.bmp"));
    QTest::mouseClick(room, Qt::LeftButton, {}, wall);
    QCOMPARE(shown(), pictureFile(":/pictures/nupelwh1.bmp"));
    QTest::mouseClick(room, Qt::LeftButton, {}, wall);
    QCOMPARE(shown(), pictureFile(":/pictures/nupelwh2.bmp"));
    QTest::mouseClick(room, Qt::LeftButton, {}, wall);
    QCOMPARE(shown(), pictureFile(":/pictures/nupelwha.bmp"));
    QCOMPARE(m_state.roomPicture.value(), 1.0);
}

void FrmMainGesturesTest::clickOnThePetSpeaks_data()
{
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<QString>("line");
    QTest::newRow("babble") << QList<double>{fractionFor(0, 10)} << chatterBabble;
    QTest::newRow("4, 1, 6") << QList<double>{fractionFor(7, 10), fractionFor(4, 11), fractionFor(1, 10),
                                              fractionFor(6, 10)}
                             << QStringLiteral("日本人は遊園地が大好きだ");
}

void FrmMainGesturesTest::clickOnThePetSpeaks()
{
    QFETCH(QList<double>, draws);
    QFETCH(QString, line);
    for (double fraction : draws)
        m_random.script({fraction});
    QTest::mouseClick(control<CaptionLabel>("Image1"), Qt::LeftButton);
    QCOMPARE(control<QLabel>("Label18")->text(), line);
    QCOMPARE(m_random.remaining(), std::size_t{0});
}

// The speech label grows over the accident square; the words must neither be
// cut by the window nor hidden under a control, and the square must still
// take its click.
void FrmMainGesturesTest::widestSentenceShowsInFullAboveTheSquare()
{
    auto *speech = control<QLabel>("Label18");
    auto *square = control<QLabel>("Label19");
    const QFontMetrics metrics = speech->fontMetrics();
    int widest = 0;
    QList<double> draws;
    for (int s = 0; s < chatterSubjects().size(); ++s)
        for (int o = 0; o < chatterObjects().size(); ++o)
            for (int p = 0; p < chatterPredicates().size(); ++p) {
                const int width = metrics.horizontalAdvance(chatterSubjects().at(s) + chatterObjects().at(o)
                                                            + chatterPredicates().at(p));
                if (width > widest) {
                    widest = width;
                    draws = {fractionFor(1, 10), fractionFor(s, 11), fractionFor(o, 10), fractionFor(p, 10)};
                }
            }
    for (double fraction : draws)
        m_random.script({fraction});
    QTest::mouseClick(control<CaptionLabel>("Image1"), Qt::LeftButton);

    QVERIFY(speech->width() >= widest);
    QVERIFY2(m_window->rect().contains(speech->geometry()),
             qPrintable(QStringLiteral("ends at %1").arg(speech->geometry().right())));
    const QObjectList stack = m_window->children();
    for (qsizetype i = stack.indexOf(speech) + 1; i < stack.size(); ++i) {
        auto *above = qobject_cast<QWidget *>(stack[i]);
        if (above && above->isVisible())
            QVERIFY2(!above->geometry().intersects(speech->geometry()), qPrintable(above->objectName()));
    }
    QVERIFY(speech->geometry().intersects(square->geometry()));
    QCOMPARE(m_window->childAt(square->geometry().center()), square);
}

void FrmMainGesturesTest::gesturesWorkWhilePausedAndChangeNothingElse_data()
{
    QTest::addColumn<QString>("gesture");
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<QStringList>("changed");
    QTest::newRow("chatter") << QStringLiteral("Image1") << QList<double>{fractionFor(0, 10)} << QStringList();
    QTest::newRow("best egg price") << QStringLiteral("Label12") << QList<double>{}
                                    << QStringList{QStringLiteral("eggPrice")};
    QTest::newRow("fast-forward") << QStringLiteral("Label17") << QList<double>{} << QStringList();
    QTest::newRow("gamble") << QStringLiteral("Label4") << QList<double>{fractionFor(0, 8), 0.5}
                            << QStringList{QStringLiteral("money")};
    QTest::newRow("accident") << QStringLiteral("Label19") << QList<double>{}
                              << QStringList{QStringLiteral("money"), QStringLiteral("generation"),
                                             QStringLiteral("age")};
    QTest::newRow("room") << QStringLiteral("Picture1") << QList<double>{}
                          << QStringList{QStringLiteral("roomPicture")};
}

void FrmMainGesturesTest::gesturesWorkWhilePausedAndChangeNothingElse()
{
    QFETCH(QString, gesture);
    QFETCH(QList<double>, draws);
    QFETCH(QStringList, changed);
    m_state.suspended = 1;
    m_state.generation = 2;
    m_state.age = 5;
    m_state.eggPrice = 40;
    m_state.timerCount = 4;
    m_state.shownGeneration = 2;
    for (double fraction : draws)
        m_random.script({fraction});
    const QMap<QString, QString> before = snapshot(m_state);
    const QString speechBefore = control<QLabel>("Label18")->text();

    auto *target = m_window->findChild<QWidget *>(gesture);
    QVERIFY(target);
    if (gesture == QLatin1String("Label4"))
        QTest::mouseClick(target, Qt::RightButton);
    else if (gesture == QLatin1String("Label12") || gesture == QLatin1String("Label17"))
        doubleClick(target, Qt::LeftButton);
    else
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(target->width() - 5, 5));

    const QMap<QString, QString> after = snapshot(m_state);
    for (auto field = before.cbegin(); field != before.cend(); ++field) {
        if (changed.contains(field.key()))
            QVERIFY2(after.value(field.key()) != field.value(), qPrintable(field.key()));
        else
            QVERIFY2(after.value(field.key()) == field.value(), qPrintable(field.key()));
    }
    QCOMPARE(m_random.remaining(), std::size_t{0});
    if (gesture == QLatin1String("Image1"))
        QVERIFY(control<QLabel>("Label18")->text() != speechBefore);
    if (gesture == QLatin1String("Label17"))
        QCOMPARE(m_window->timer().interval(), 1);
}

QTEST_MAIN(FrmMainGesturesTest)
#include "test_frmMain_gestures.moc"
