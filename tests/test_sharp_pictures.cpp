// Every window shows each picture as the art tool drew it for the screen's
// pixel ratio: at 2× the drawing made at 2×, never the 1× bitmap enlarged, so
// the pictures are as sharp as the text; at 1× the pictures of old. The pet,
// the faces and the accident square keep their places at every scale, and a
// window moved to a screen of another ratio follows it.
//
// The program runs on two offscreen screens side by side, the second of twice
// the ratio of the first; CTest runs it at scale factors 1, 1.5 and 2.

#include "support/fake_platform.h"
#include "support/main_window_fixture.h"
#include "ui/controls.h"
#include "ui/frmDie.h"
#include "ui/frmInputName.h"
#include "ui/frmMain.h"
#include "ui/frmOpening.h"
#include "ui/look.h"

#include <QImageReader>
#include <QPainter>
#include <QScreen>
#include <QtTest>

#include <cmath>

using namespace nupel;
using namespace nupel::test;

namespace {

// The art tool's drawing of a picture at one scale, read straight from what
// it wrote: the image of that size in an icon file, or a bitmap's "@2x" or
// "@3x" companion.
QImage artDrawing(const QString &fileName, int scale)
{
    QImageReader reader(fileName);
    if (fileName.endsWith(QLatin1String(".ico"))) {
        for (int i = 0; i < reader.imageCount() && reader.jumpToImage(i); ++i) {
            const QImage image = reader.read();
            if (image.width() == 32 * scale)
                return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        }
        return QImage();
    }
    QString name = fileName;
    if (scale > 1)
        name.insert(name.lastIndexOf(QLatin1Char('.')), QStringLiteral("@%1x").arg(scale));
    QImage image = QImage(name).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    // Counted in its own pixels: the reader would mark "@2x" as 2 per pixel.
    image.setDevicePixelRatio(1);
    return image;
}

// The largest difference of one colour channel between two pictures of the
// same size; 256 when their sizes differ.
int largestDifference(const QImage &a, const QImage &b)
{
    if (a.size() != b.size() || a.isNull())
        return 256;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    int largest = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto *p = reinterpret_cast<const QRgb *>(x.constScanLine(row));
        const auto *q = reinterpret_cast<const QRgb *>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col) {
            largest = std::max({largest, std::abs(qRed(p[col]) - qRed(q[col])),
                                std::abs(qGreen(p[col]) - qGreen(q[col])), std::abs(qBlue(p[col]) - qBlue(q[col]))});
        }
    }
    return largest;
}

// Blending onto the window's ground may round a channel by a step or two.
constexpr int blendingSlack = 2;

// The 1× drawing enlarged to the size of the drawing at `scale`, smoothly.
QImage enlarged(const QString &fileName, int scale)
{
    const QImage small = artDrawing(fileName, 1);
    return small.scaled(small.size() * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// A picture with transparent parts as it shows on a ground of one colour.
QImage onGround(const QImage &picture, const QColor &ground)
{
    QImage shown(picture.size(), QImage::Format_ARGB32_Premultiplied);
    shown.fill(ground);
    QPainter painter(&shown);
    painter.drawImage(0, 0, picture);
    return shown;
}

// Whole device pixels per logical pixel, or 0 on a fractional ratio, where
// pictures are resampled on their way to the screen.
int wholeRatio(const QWidget *widget)
{
    const qreal ratio = widget->devicePixelRatioF();
    return std::floor(ratio) == ratio ? static_cast<int>(ratio) : 0;
}

// What the window shows in a rectangle given in its logical pixels.
QImage shownArea(QWidget *window, const QRect &logical)
{
    const int ratio = wholeRatio(window);
    const QImage all = window->grab().toImage();
    return all.copy(QRect(logical.topLeft() * ratio, logical.size() * ratio));
}

QRect rectInWindow(const QWidget *widget, const QRect &local)
{
    return QRect(widget->mapTo(widget->window(), local.topLeft()), local.size());
}

// The scale of the picture a label shows, checked against the art tool's
// drawing at that scale.
void checkLabelShows(const QLabel *label, const QString &fileName)
{
    const int scale = ScaledPicture::scaleFor(label->devicePixelRatioF());
    const QPixmap shown = label->pixmap();
    QCOMPARE(shown.devicePixelRatio(), qreal(scale));
    QCOMPARE(largestDifference(shown.toImage(), artDrawing(fileName, scale)), 0);
}

} // namespace

class SharpPicturesTest : public QObject, protected MainWindowFixture {
    Q_OBJECT
private slots:
    void initTestCase();
    void theArtToolDrawsEveryScaleRatherThanEnlarging_data();
    void theArtToolDrawsEveryScaleRatherThanEnlarging();
    void mainWindowShowsRoomPetAndFacesAtTheScreensScale_data();
    void mainWindowShowsRoomPetAndFacesAtTheScreensScale();
    void accidentSquareKeepsItsPlace();
    void openingShowsEachTitleAtTheScreensScale();
    void nameEntryAndDeathScreenShowTheirPicturesAtTheScreensScale();
    void picturesFollowTheWindowToAScreenOfAnotherRatio();
    void cleanup();
};

void SharpPicturesTest::initTestCase()
{
    installGameLook();
    QCOMPARE(QGuiApplication::screens().size(), 2);
}

void SharpPicturesTest::cleanup()
{
    closeMainWindow();
}

void SharpPicturesTest::theArtToolDrawsEveryScaleRatherThanEnlarging_data()
{
    QTest::addColumn<QString>("fileName");
    for (const char *name : {"nupnor.ico", "nupvex.ico", "nupkan.ico", "muki1.ico", "muki4.ico", "nupelwop.bmp",
                             "nupelwo2.bmp", "nupelwo3.bmp", ":/pictures/nupelwha.bmp", ":/pictures/nupelwh1.bmp",
                             ":/pictures/nupelwh2.bmp", ":/pictures/nameban.bmp", ":/pictures/grave.bmp"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

// A 2× or 3× picture that were the 1× one enlarged would be as blurred as
// before; drawn anew, its edges differ from any enlargement.
void SharpPicturesTest::theArtToolDrawsEveryScaleRatherThanEnlarging()
{
    QFETCH(QString, fileName);
    const QImage single = artDrawing(fileName, 1);
    QVERIFY(!single.isNull());
    for (const int scale : {2, 3}) {
        const QImage drawn = artDrawing(fileName, scale);
        QCOMPARE(drawn.size(), single.size() * scale);
        QVERIFY2(largestDifference(drawn, enlarged(fileName, scale)) > 48, qPrintable(fileName));
    }
}

void SharpPicturesTest::mainWindowShowsRoomPetAndFacesAtTheScreensScale_data()
{
    QTest::addColumn<QString>("petIcon");
    QTest::addColumn<int>("room");
    QTest::addColumn<QStringList>("faces");
    QTest::addColumn<QPoint>("petTwips");
    const char *pets[] = {"nupnor.ico", "nupkat.ico", "nupgen.ico", "nupvvv.ico", "nupstr.ico",
                          "nupkas.ico", "nuptab.ico", "nupfun.ico", "nuptam.ico", "nupvex.ico",
                          "nuprnd.ico", "nupika.ico", "nupkan.ico"};
    const QStringList moods = {QStringLiteral("muki1.ico"), QStringLiteral("muki2.ico"), QStringLiteral("muki3.ico"),
                               QStringLiteral("muki4.ico")};
    // Every pet, room and face, with the pet at the corners of its range
    // and in between.
    for (int i = 0; i < 13; ++i) {
        const QPoint twips(120 + 300 * i, i % 2 == 0 ? 2760 : 120 + 180 * i);
        QTest::newRow(pets[i]) << QString::fromLatin1(pets[i]) << i % 3 + 1
                               << QStringList{moods[i % 4], moods[(i + 1) % 4], moods[(i + 2) % 4]} << twips;
    }
}

void SharpPicturesTest::mainWindowShowsRoomPetAndFacesAtTheScreensScale()
{
    QFETCH(QString, petIcon);
    QFETCH(int, room);
    QFETCH(QStringList, faces);
    QFETCH(QPoint, petTwips);
    openMainWindow();
    m_window->showRoomPicture(room);
    m_window->loadPicture(MainImage::Image1, petIcon);
    const MainImage faceImages[] = {MainImage::Image2, MainImage::Image3, MainImage::Image4};
    for (int i = 0; i < 3; ++i)
        m_window->loadPicture(faceImages[i], faces[i]);
    m_window->movePet(petTwips);
    auto *pet = control<QLabel>("Image1");
    auto *roomBox = control<PictureBox>("Picture1");
    // The pet stands where the walk put it, in logical pixels at any scale.
    QTRY_COMPARE(pet->pos(), roomBox->innerOrigin() + petTwips / 15);
    QCOMPARE(m_window->size(), QSize(527, 412));

    const QString roomFile =
        QStringLiteral(":/pictures/nupelwh%1.bmp").arg(room == 1 ? QStringLiteral("a") : QString::number(room - 1));
    const int scale = ScaledPicture::scaleFor(m_window->devicePixelRatioF());
    QCOMPARE(roomBox->picture().devicePixelRatio(), qreal(scale));
    QCOMPARE(largestDifference(roomBox->picture().toImage(), artDrawing(roomFile, scale)), 0);
    const char *faceNames[] = {"Image2", "Image3", "Image4"};
    for (int i = 0; i < 3; ++i)
        checkLabelShows(control<QLabel>(faceNames[i]), faces[i]);

    const int ratio = wholeRatio(m_window.get());
    if (ratio == 0)
        return;
    m_window->grab(); // lets every label settle on the scale of its screen
    checkLabelShows(pet, petIcon);

    // The room as drawn at this scale with the pet drawn on it at its place.
    QImage expectedRoom = artDrawing(roomFile, ratio);
    {
        QPainter painter(&expectedRoom);
        painter.drawImage((pet->pos() - roomBox->innerOrigin()) * ratio, artDrawing(petIcon, ratio));
    }
    const QRect inner = roomBox->contentsRect();
    expectedRoom = expectedRoom.copy(QRect(QPoint(0, 0), inner.size() * ratio));
    QVERIFY(largestDifference(shownArea(m_window.get(), rectInWindow(roomBox, inner)), expectedRoom) <= blendingSlack);

    const QColor ground = m_window->palette().color(QPalette::Window);
    const QRect facePlaces[] = {twipsRect(5040, 1680, 480, 480), twipsRect(5040, 2640, 480, 480),
                                twipsRect(5040, 3600, 480, 480)};
    for (int i = 0; i < 3; ++i) {
        const QImage shown = shownArea(m_window.get(), facePlaces[i]);
        QVERIFY2(largestDifference(shown, onGround(artDrawing(faces[i], ratio), ground)) <= blendingSlack,
                 faceNames[i]);
        if (ratio > 1)
            QVERIFY(largestDifference(shown, onGround(enlarged(faces[i], ratio), ground)) > 48);
    }
}

// The small square reacts to clicks where the window's design puts it; its
// colour must fill that place exactly, neither shrunk nor shifted by scaling.
void SharpPicturesTest::accidentSquareKeepsItsPlace()
{
    openMainWindow();
    auto *square = control<QLabel>("Label19");
    const QRect place = twipsRect(5280, 4860, 135, 135);
    QCOMPARE(square->geometry(), place);
    const int ratio = wholeRatio(m_window.get());
    if (ratio == 0)
        return;
    const QColor colour = square->palette().color(QPalette::Window);
    const QImage shown = shownArea(m_window.get(), place.adjusted(-1, -1, 1, 1));
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const bool inside = x >= ratio && y >= ratio && x < shown.width() - ratio && y < shown.height() - ratio;
            QCOMPARE(shown.pixelColor(x, y) == colour, inside);
        }
    }
}

void SharpPicturesTest::openingShowsEachTitleAtTheScreensScale()
{
    PetState state;
    ClockRandom random;
    FakePlatform platform;
    frmOpening opening(state, random, platform);
    opening.Form_Load();
    opening.timer().stop();
    auto *box = opening.findChild<PictureBox *>(QStringLiteral("Picture1"));
    const int scale = ScaledPicture::scaleFor(opening.devicePixelRatioF());
    const int ratio = wholeRatio(&opening);
    for (const char *title : {"nupelwop.bmp", "nupelwo2.bmp", "nupelwo3.bmp"}) {
        const QString file = QString::fromLatin1(title);
        QCOMPARE(largestDifference(box->picture().toImage(), artDrawing(file, scale)), 0);
        if (ratio > 0) {
            const QImage shown = shownArea(&opening, rectInWindow(box, box->contentsRect()));
            QVERIFY2(largestDifference(shown, artDrawing(file, ratio)) <= blendingSlack, title);
        }
        opening.Timer1_Timer();
    }
}

void SharpPicturesTest::nameEntryAndDeathScreenShowTheirPicturesAtTheScreensScale()
{
    PetState state;
    state.setNewGameValues();
    state.deathCause = QStringLiteral("寿命");
    ClockRandom random;
    FakePlatform platform;
    frmInputName nameEntry(state, random, platform);
    frmMain mainWindow(state, random, platform);
    mainWindow.timer().stop();
    frmDie grave(state, random, platform, mainWindow);
    const std::pair<QWidget *, QString> shows[] = {{&nameEntry, QStringLiteral(":/pictures/nameban.bmp")},
                                                   {&grave, QStringLiteral(":/pictures/grave.bmp")}};
    for (const auto &[window, file] : shows) {
        auto *picture =
            window->findChild<QLabel *>(window == &grave ? QStringLiteral("Picture1") : QStringLiteral("Image1"));
        const int ratio = wholeRatio(window);
        if (ratio > 0) {
            const QImage shown = shownArea(window, picture->geometry());
            QVERIFY2(largestDifference(shown, artDrawing(file, ratio)) <= blendingSlack, qPrintable(file));
        }
        checkLabelShows(picture, file);
    }
}

// A window dragged onto a screen of another ratio draws its pictures at that
// screen's scale, and keeps its size in logical pixels.
void SharpPicturesTest::picturesFollowTheWindowToAScreenOfAnotherRatio()
{
    openMainWindow();
    m_window->loadPicture(MainImage::Image2, QStringLiteral("muki4.ico"));
    const QList<QScreen *> screens = QGuiApplication::screens();
    m_window->move(screens[0]->geometry().topLeft() + QPoint(10, 10));
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    auto *face = control<QLabel>("Image2");
    auto *room = control<PictureBox>("Picture1");
    const int before = ScaledPicture::scaleFor(screens[0]->devicePixelRatio());
    const int after = ScaledPicture::scaleFor(screens[1]->devicePixelRatio());
    QVERIFY(before != after);
    m_window->grab();
    QCOMPARE(face->pixmap().devicePixelRatio(), qreal(before));

    m_window->move(screens[1]->geometry().topLeft() + QPoint(10, 10));
    QTRY_COMPARE(m_window->screen(), screens[1]);
    m_window->grab();
    QCOMPARE(m_window->size(), QSize(527, 412));
    checkLabelShows(face, QStringLiteral("muki4.ico"));
    QCOMPARE(room->picture().devicePixelRatio(), qreal(after));
    QCOMPARE(largestDifference(room->picture().toImage(), artDrawing(QStringLiteral(":/pictures/nupelwha.bmp"), after)),
             0);
}

int main(int argc, char *argv[])
{
    // Two offscreen screens side by side; the second has twice the ratio of
    // the first (times the scale factor CTest sets for the whole run).
    QTemporaryDir folder;
    const QString config = folder.filePath(QStringLiteral("screens.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(config));
    file.write(R"({"screens": [
        {"name": "left", "x": 0, "y": 0, "width": 1280, "height": 960, "logicalDpi": 96, "logicalBaseDpi": 96},
        {"name": "right", "x": 1280, "y": 0, "width": 2560, "height": 1920, "logicalDpi": 96, "logicalBaseDpi": 96}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toLocal8Bit());
    qputenv("QT_SCREEN_SCALE_FACTORS", "left=1;right=2");
    QApplication app(argc, argv);
    SharpPicturesTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_sharp_pictures.moc"
