// What the main window draws of the tick: the pet's picture follows the walk
// at most once per screen frame and always ends on the latest step; a face
// that is already shown is not drawn again. The frames go by a clock the test
// turns, so no case waits for real time.

#include "support/fake_platform.h"
#include "support/modal.h"
#include "support/scripted_random.h"
#include "ui/frmMain.h"
#include "ui/look.h"

#include <QPointer>
#include <QtTest>

using namespace nupel;
using namespace nupel::test;

namespace {

// A clock that stands still until the test moves it on; the calls it was
// asked for run as their time comes.
class TurnedClock final : public FrameClock {
public:
    qint64 now() const override { return m_now; }
    void callAfter(int ms, QObject *context, std::function<void()> call) override
    {
        m_calls.append({m_now + ms, context, std::move(call)});
    }
    void advance(qint64 ms)
    {
        m_now += ms;
        for (qsizetype i = 0; i < m_calls.size();) {
            if (m_calls[i].at > m_now) {
                ++i;
                continue;
            }
            const Call due = m_calls.takeAt(i);
            if (due.context)
                due.call();
        }
    }
    qsizetype waiting() const { return m_calls.size(); }

private:
    struct Call {
        qint64 at;
        QPointer<QObject> context;
        std::function<void()> call;
    };
    qint64 m_now = 1000;
    QList<Call> m_calls;
};

// Counts the paint events a widget receives.
class PaintCounter final : public QObject {
public:
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace

class PetFramesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void aStepAfterAQuietFrameIsDrawnAtOnce();
    void stepsWithinOneFrameEndOnTheLatest();
    void aStepWaitsOnlyForTheRestOfItsFrame();
    void aFaceAlreadyShownIsNotDrawnAgain();

private:
    // Where the pet's picture stands in the room, in twips.
    QPoint drawnPet() const;

    PetState m_state;
    ScriptedRandom m_random;
    FakePlatform m_platform;
    TurnedClock m_clock;
    std::unique_ptr<frmMain> m_window;
};

void PetFramesTest::initTestCase()
{
    installGameLook();
}

void PetFramesTest::init()
{
    m_state = PetState();
    m_state.setNewGameValues();
    m_random = ScriptedRandom();
    m_platform = FakePlatform();
    m_clock = TurnedClock();
    m_window = std::make_unique<frmMain>(m_state, m_random, m_platform);
    m_window->timer().stop();
    m_window->setFrameClock(m_clock);
}

void PetFramesTest::cleanup()
{
    m_window.reset();
    verifyCleanEnd(&m_random);
}

QPoint PetFramesTest::drawnPet() const
{
    auto *room = m_window->findChild<PictureBox *>(QStringLiteral("Picture1"));
    auto *pet = m_window->findChild<QLabel *>(QStringLiteral("Image1"));
    return (pet->pos() - room->innerOrigin()) * 15;
}

void PetFramesTest::aStepAfterAQuietFrameIsDrawnAtOnce()
{
    // At the normal pace a step comes every 100 ms and must not lag behind.
    m_window->movePet({180, 2700});
    QCOMPARE(drawnPet(), QPoint(180, 2700));
    m_clock.advance(100);
    m_window->movePet({240, 2640});
    QCOMPARE(drawnPet(), QPoint(240, 2640));
    QCOMPARE(m_clock.waiting(), 0);
}

void PetFramesTest::stepsWithinOneFrameEndOnTheLatest()
{
    // In fast-forward the steps come faster than frames; the picture may skip
    // steps but must not stop short of the last one.
    const QList<QPoint> steps{{180, 2700}, {240, 2640}, {300, 2580}, {360, 2520}};
    for (const QPoint step : steps) {
        m_window->movePet(step);
        m_clock.advance(1);
    }
    QCOMPARE(m_window->petPosition(), steps.last());
    QCOMPARE(drawnPet(), steps.first());
    m_clock.advance(FrameThrottle::frameMs);
    QCOMPARE(drawnPet(), steps.last());
    QCOMPARE(m_clock.waiting(), 0);
}

void PetFramesTest::aStepWaitsOnlyForTheRestOfItsFrame()
{
    // A step 10 ms after a drawing is drawn 6 ms later, not a whole frame.
    m_window->movePet({180, 2700});
    m_clock.advance(10);
    m_window->movePet({240, 2640});
    QCOMPARE(drawnPet(), QPoint(180, 2700));
    m_clock.advance(FrameThrottle::frameMs - 10 - 1);
    QCOMPARE(drawnPet(), QPoint(180, 2700));
    m_clock.advance(1);
    QCOMPARE(drawnPet(), QPoint(240, 2640));
}

void PetFramesTest::aFaceAlreadyShownIsNotDrawnAgain()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    auto *food = m_window->findChild<QLabel *>(QStringLiteral("Image2"));
    PaintCounter counter(food);
    QCoreApplication::processEvents();
    counter.paints = 0;

    m_window->loadPicture(MainImage::Image2, QStringLiteral("muki1.ico"));
    QCoreApplication::processEvents();
    QCOMPARE(counter.paints, 0);

    m_window->loadPicture(MainImage::Image2, QStringLiteral("muki4.ico"));
    QTRY_COMPARE(counter.paints, 1);
}

QTEST_MAIN(PetFramesTest)
#include "test_pet_frames.moc"
