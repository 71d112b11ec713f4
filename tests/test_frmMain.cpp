// The main window on the offscreen platform: controls, fonts, pictures, walking.

#include "life/walking.h"
#include "support/main_window_fixture.h"
#include "support/modal.h"
#include "ui/frmMain.h"
#include "ui/look.h"

#include <QPushButton>
#include <QtTest>

using namespace nupel;
using namespace nupel::test;

class FrmMainTest : public QObject, protected MainWindowFixture {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void windowHasCaptionAndClientSize();
    void controlsStandAtTheirDesignPlaces_data();
    void controlsStandAtTheirDesignPlaces();
    void japaneseTextUsesTheMappedGothic();
    void formLoadFillsLabelsButLeavesAgeAndEggs();
    void roomPetAndFacesArePictured();
    void timerWalksThePetUnlessSuspended();
    void closingTheWindowOpensTheQuitDialog();
};

void FrmMainTest::initTestCase()
{
    installGameLook();
}

void FrmMainTest::init()
{
    openMainWindow(Load::No);
}

void FrmMainTest::cleanup()
{
    closeMainWindow();
    verifyCleanEnd(&m_random);
}

void FrmMainTest::windowHasCaptionAndClientSize()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Nupel"));
    QCOMPARE(m_window->size(), QSize(527, 412));
    QCOMPARE(m_window->timer().interval(), 100);
}

void FrmMainTest::controlsStandAtTheirDesignPlaces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QString>("text");
    auto row = [](const char *name, QRect twips, const QString &text) {
        QTest::newRow(name) << QString::fromLatin1(name) << twips << text;
    };
    row("Label2", {240, 0, 975, 255}, QStringLiteral("Ｎａｍｅ"));
    row("Label1", {600, 240, 2415, 375}, QStringLiteral("namae"));
    row("Label4", {2760, 0, 1095, 255}, QStringLiteral("Ｔｙｐｅ"));
    row("Label3", {3120, 240, 1695, 375}, QStringLiteral("Label3"));
    row("Label6", {5640, 0, 495, 255}, QStringLiteral("代目"));
    row("Label7", {5160, 240, 2415, 375}, QStringLiteral("namae2"));
    row("Label16", {720, 720, 615, 255}, QStringLiteral("年齢"));
    row("Label17", {1080, 960, 405, 240}, QStringLiteral("0歳"));
    row("Label13", {3000, 720, 735, 255}, QStringLiteral("Cash"));
    row("Label14", {3240, 960, 945, 240}, QStringLiteral("10000円"));
    row("Label11", {4920, 720, 975, 255}, QStringLiteral("卵の数"));
    row("Label12", {5400, 960, 405, 240}, QStringLiteral("0個"));
    row("Picture1", {240, 1320, 4335, 3375}, QString());
    row("Label8", {4680, 1320, 1455, 255}, QStringLiteral("餌について"));
    row("Image2", {5040, 1680, 480, 480}, QString());
    row("Label9", {4680, 2280, 1455, 255}, QStringLiteral("気分について"));
    row("Image3", {5040, 2640, 480, 480}, QString());
    row("Label10", {4680, 3240, 1455, 255}, QStringLiteral("部屋について"));
    row("Image4", {5040, 3600, 480, 480}, QString());
    row("Command1", {6120, 1560, 1695, 615}, QStringLiteral("餌を与える"));
    row("Command2", {6120, 2520, 1695, 615}, QStringLiteral("医者に診せる"));
    row("Command3", {6120, 3480, 1695, 615}, QStringLiteral("掃除する"));
    row("Command4", {6120, 4440, 1695, 615}, QStringLiteral("卵を売る"));
    row("Label18", {120, 4920, 90, 270}, QString());
    row("Label19", {5280, 4860, 135, 135}, QString());
    row("Command5", {3360, 5400, 1455, 615}, QStringLiteral("小休止"));
    row("Command6", {6120, 5400, 1695, 615}, QStringLiteral("Push to End"));
}

void FrmMainTest::controlsStandAtTheirDesignPlaces()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    QFETCH(QString, text);
    auto *control = m_window->findChild<QWidget *>(name);
    QVERIFY2(control, qPrintable(name));
    const QRect design = twipsRect(twips.x(), twips.y(), twips.width(), twips.height());
    QCOMPARE(control->pos(), design.topLeft());
    // Labels may grow to show their whole text, never shrink.
    QVERIFY(control->width() >= design.width());
    QVERIFY(control->height() >= design.height());
    if (qobject_cast<QLabel *>(control) || qobject_cast<QPushButton *>(control)) {
        if (auto *label = qobject_cast<QLabel *>(control))
            QCOMPARE(label->text(), text);
        else
            QCOMPARE(qobject_cast<QPushButton *>(control)->text(), text);
        QVERIFY(control->font().bold());
    }
}

void FrmMainTest::japaneseTextUsesTheMappedGothic()
{
    auto *label = control<QLabel>("Label16");
    QCOMPARE(QFontInfo(label->font()).family(), QStringLiteral("IPAPGothic"));
    QCOMPARE(label->font().pixelSize(), 16);
}

void FrmMainTest::formLoadFillsLabelsButLeavesAgeAndEggs()
{
    m_state.age = 6;
    m_state.eggs = 12;
    m_state.generation = 2;
    m_state.money = 7300;
    m_window->Form_Load();
    auto text = [this](const char *name) { return control<QLabel>(name)->text(); };
    QCOMPARE(text("Label1"), QStringLiteral("もも"));
    QCOMPARE(text("Label3"), QStringLiteral("Normal"));
    QCOMPARE(text("Label7"), QStringLiteral("もも"));
    QCOMPARE(text("Label5"), QStringLiteral("2"));
    QCOMPARE(text("Label14"), QStringLiteral("7300円"));
    QCOMPARE(text("Label17"), QStringLiteral("0歳"));
    QCOMPARE(text("Label12"), QStringLiteral("0個"));
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_state.walkCount.value(), 0.0);
}

void FrmMainTest::roomPetAndFacesArePictured()
{
    m_window->Form_Load();
    auto *room = m_window->findChild<PictureBox *>(QStringLiteral("Picture1"));
    QCOMPARE(room->picture().size(), QSize(288, 225));
    for (const char *name : {"Image1", "Image2", "Image3", "Image4"}) {
        auto *image = control<QLabel>(name);
        QCOMPARE(image->pixmap().size(), QSize(32, 32));
    }
    QCOMPARE(m_window->petPosition(), petStartPosition);
}

void FrmMainTest::timerWalksThePetUnlessSuspended()
{
    m_window->Form_Load();
    m_state.walkCount = 0;
    m_state.walkDirection = 1;
    m_window->Timer1_Timer();
    QCOMPARE(m_window->petPosition(), QPoint(180, 2700));
    m_state.suspended = 1;
    m_window->Timer1_Timer();
    QCOMPARE(m_window->petPosition(), QPoint(180, 2700));
    QCOMPARE(m_state.walkCount.value(), 1.0);
}

void FrmMainTest::closingTheWindowOpensTheQuitDialog()
{
    // The close box is "Push to End": the window stays until the quit dialog
    // has decided, and its cancel brings the game back.
    m_window->Form_Load();
    QString opened;
    whenModalOpens([&](QWidget *dialog) {
        opened = dialog->objectName();
        dialog->findChild<QPushButton *>(QStringLiteral("Command2"))->click();
    });
    m_window->close();
    for (int turn = 0; turn < 10 && opened.isEmpty(); ++turn)
        QCoreApplication::processEvents();
    QCOMPARE(opened, QStringLiteral("frmEnding"));
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_platform.ended, 0);
}

QTEST_MAIN(FrmMainTest)
#include "test_frmMain.moc"
