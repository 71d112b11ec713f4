// What the main window draws of the tick: the pet's picture follows the walk
// at most once per screen frame and always ends on the latest step; a face
// that is already shown is not drawn again.

#include "support/fake_platform.h"
#include "support/scripted_random.h"
#include "ui/frmMain.h"
#include "ui/look.h"

#include <QtTest>

using namespace nupel;
using namespace nupel::test;

namespace {

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
    void aFaceAlreadyShownIsNotDrawnAgain();

private:
    // Where the pet's picture stands in the room, in twips.
    QPoint drawnPet() const;

    PetState m_state;
    ScriptedRandom m_random;
    FakePlatform m_platform;
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
    m_window = std::make_unique<frmMain>(m_state, m_random, m_platform);
    m_window->timer().stop();
}

void PetFramesTest::cleanup()
{
    m_window.reset();
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
    QTest::qWait(40);
    m_window->movePet({180, 2700});
    QCOMPARE(drawnPet(), QPoint(180, 2700));
}

void PetFramesTest::stepsWithinOneFrameEndOnTheLatest()
{
    // In fast-forward the steps come faster than frames; the picture may skip
    // steps but must not stop short of the last one.
    const QList<QPoint> steps{{180, 2700}, {240, 2640}, {300, 2580}, {360, 2520}};
    for (const QPoint step : steps)
        m_window->movePet(step);
    QCOMPARE(m_window->petPosition(), steps.last());
    QTRY_COMPARE(drawnPet(), steps.last());
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
