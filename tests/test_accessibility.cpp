// What a screen reader finds in the windows: each window a window or dialog
// named by its caption, a name on every control, the pet's type and the
// faces' conditions in words that follow the game, the chatter in the name of
// its label, and every button of the main window reached with Tab and pressed
// with Space while the hidden gestures stay out of reach. (That changes reach
// a reader as events is seen by the AT-SPI run in e2e/accessibility.sh: the
// offscreen platform delivers none.)

#include "life/pet_types.h"
#include "support/main_window_fixture.h"
#include "support/scripted_random.h"
#include "ui/care_menus.h"
#include "ui/Form10.h"
#include "ui/frmBuyEgg.h"
#include "ui/frmDie.h"
#include "ui/frmEnding.h"
#include "ui/frmInputName.h"
#include "ui/frmOpening.h"
#include "ui/look.h"

#include <QAccessible>
#include <QtTest>

using namespace nupel;
using namespace nupel::test;

namespace {

QAccessibleInterface *spoken(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

// Every control under a window that a screen reader lists, with its role.
void collectControls(QAccessibleInterface *parent, QList<QAccessibleInterface *> &found)
{
    for (int i = 0; i < parent->childCount(); ++i) {
        QAccessibleInterface *child = parent->child(i);
        if (!child || child->state().invisible)
            continue;
        found.append(child);
        collectControls(child, found);
    }
}

} // namespace

class AccessibilityTest : public QObject, protected MainWindowFixture {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void everyWindowIsNamedByItsCaptionAndEveryControlHasAName_data();
    void everyWindowIsNamedByItsCaptionAndEveryControlHasAName();
    void facesSayTheirConditionUnderTheirHeading_data();
    void facesSayTheirConditionUnderTheirHeading();
    void petNamesItsType_data();
    void petNamesItsType();
    void figuresReadAsWholePhrases();
    void roomNamesItselfAndTellsWhichPictureItShows();
    void chatterIsSpokenAsTheNameOfItsLabel();
    void tabReachesTheButtonsInOrderAndSpacePressesThem();
};

void AccessibilityTest::initTestCase()
{
    installGameLook();
}

void AccessibilityTest::init()
{
    openMainWindow();
}

void AccessibilityTest::cleanup()
{
    closeMainWindow();
}

void AccessibilityTest::everyWindowIsNamedByItsCaptionAndEveryControlHasAName_data()
{
    QTest::addColumn<QString>("window");
    for (const char *name : {"frmMain", "frmOpening", "frmInputName", "frmGiveEsa", "frmMedical", "frmClean",
                             "frmBuyEgg", "frmEnding", "frmDie", "Form10"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void AccessibilityTest::everyWindowIsNamedByItsCaptionAndEveryControlHasAName()
{
    QFETCH(QString, window);
    m_state.money = 1200;
    m_state.eggs = 12;
    m_state.eggPrice = 30;
    m_state.deathCause = QStringLiteral("寿命");
    ClockRandom clockRandom;
    std::unique_ptr<QWidget> shown;
    if (window == QLatin1String("frmMain"))
        shown.reset();
    else if (window == QLatin1String("frmOpening"))
        shown = std::make_unique<frmOpening>(m_state, clockRandom, m_platform);
    else if (window == QLatin1String("frmInputName"))
        shown = std::make_unique<frmInputName>(m_state, m_random, m_platform);
    else if (window == QLatin1String("frmGiveEsa"))
        shown = std::make_unique<frmGiveEsa>(m_state, m_random, m_platform);
    else if (window == QLatin1String("frmMedical"))
        shown = std::make_unique<frmMedical>(m_state, m_platform);
    else if (window == QLatin1String("frmClean"))
        shown = std::make_unique<frmClean>(m_state, m_platform);
    else if (window == QLatin1String("frmBuyEgg"))
        shown = std::make_unique<frmBuyEgg>(m_state);
    else if (window == QLatin1String("frmEnding"))
        shown = std::make_unique<frmEnding>(m_state, m_random, m_platform);
    else if (window == QLatin1String("frmDie"))
        shown = std::make_unique<frmDie>(m_state, m_random, m_platform, *m_window);
    else
        shown = std::make_unique<Form10>(m_state, m_platform, *m_window);
    if (auto *care = qobject_cast<CareDialog *>(shown.get()))
        care->Form_Load();
    QWidget *top = shown ? shown.get() : m_window.get();
    top->show();
    QVERIFY(QTest::qWaitForWindowExposed(top));

    QAccessibleInterface *reader = spoken(top);
    QVERIFY(reader);
    QVERIFY2(reader->role() == QAccessible::Window || reader->role() == QAccessible::Dialog,
             qPrintable(QString::number(reader->role())));
    QCOMPARE(reader->text(QAccessible::Name), top->windowTitle());

    QList<QAccessibleInterface *> controls;
    collectControls(reader, controls);
    QVERIFY(!controls.isEmpty());
    for (QAccessibleInterface *control : controls) {
        QVERIFY2(!control->text(QAccessible::Name).trimmed().isEmpty(), qPrintable(control->object()->objectName()));
    }
}

void AccessibilityTest::facesSayTheirConditionUnderTheirHeading_data()
{
    QTest::addColumn<QString>("face");
    QTest::addColumn<QString>("condition");
    QTest::newRow("best") << QStringLiteral("muki1.ico") << QStringLiteral("とても良い");
    QTest::newRow("good") << QStringLiteral("muki3.ico") << QStringLiteral("良い");
    QTest::newRow("poor") << QStringLiteral("muki2.ico") << QStringLiteral("悪い");
    QTest::newRow("worst") << QStringLiteral("muki4.ico") << QStringLiteral("とても悪い");
}

// A face that turns must say so in words of its own.
void AccessibilityTest::facesSayTheirConditionUnderTheirHeading()
{
    QFETCH(QString, face);
    QFETCH(QString, condition);
    const std::pair<MainImage, const char *> faces[] = {
        {MainImage::Image2, "餌について"}, {MainImage::Image3, "気分について"}, {MainImage::Image4, "部屋について"}};
    const char *names[] = {"Image2", "Image3", "Image4"};
    for (int i = 0; i < 3; ++i) {
        auto *image = control<QLabel>(names[i]);
        const QString heading = QString::fromUtf8(faces[i].second);
        const QString before = spoken(image)->text(QAccessible::Description);
        QCOMPARE(before, heading + QStringLiteral(" とても良い"));
        m_window->loadPicture(faces[i].first, face);
        QCOMPARE(spoken(image)->role(), QAccessible::Graphic);
        QCOMPARE(spoken(image)->text(QAccessible::Name), heading);
        QCOMPARE(spoken(image)->text(QAccessible::Description), heading + QLatin1Char(' ') + condition);
    }
}

void AccessibilityTest::petNamesItsType_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("icon");
    for (const PetTypeRow &row : petTypes())
        QTest::newRow(qPrintable(row.name)) << row.name << row.iconFile;
}

void AccessibilityTest::petNamesItsType()
{
    QFETCH(QString, type);
    QFETCH(QString, icon);
    auto *pet = control<QLabel>("Image1");
    m_window->loadPicture(MainImage::Image1, icon);
    QCOMPARE(spoken(pet)->role(), QAccessible::Graphic);
    QCOMPARE(spoken(pet)->text(QAccessible::Name), QStringLiteral("ペット"));
    QCOMPARE(spoken(pet)->text(QAccessible::Description), type + QStringLiteral(" タイプのＮｕｐｅｌ"));
}

void AccessibilityTest::figuresReadAsWholePhrases()
{
    m_window->setCaption(MainLabel::Label17, QStringLiteral("3歳"));
    m_window->setCaption(MainLabel::Label12, QStringLiteral("12個"));
    m_window->setCaption(MainLabel::Label14, QStringLiteral("4500円"));
    m_window->setCaption(MainLabel::Label5, QStringLiteral("2"));
    const std::pair<const char *, const char *> phrases[] = {
        {"Label17", "年齢 3歳"},     {"Label12", "卵の数 12個"}, {"Label14", "所持金 4500円"}, {"Label1", "名前 もも"},
        {"Label3", "タイプ Normal"}, {"Label5", "世代 2代目"},   {"Label7", "2代目 もも"}};
    for (const auto &[name, phrase] : phrases)
        QCOMPARE(spoken(control(name))->text(QAccessible::Name), QString::fromUtf8(phrase));
}

void AccessibilityTest::roomNamesItselfAndTellsWhichPictureItShows()
{
    auto *room = control<PictureBox>("Picture1");
    QCOMPARE(spoken(room)->role(), QAccessible::Graphic);
    QCOMPARE(spoken(room)->text(QAccessible::Name), QStringLiteral("部屋"));
    QStringList seen;
    for (int click = 0; click < 3; ++click) {
        seen << spoken(room)->text(QAccessible::Description);
        m_window->Picture1_Click();
    }
    QCOMPARE(spoken(room)->text(QAccessible::Description), seen.first());
    seen.removeDuplicates();
    QCOMPARE(seen.size(), 3);
    QVERIFY(seen.first().endsWith(QStringLiteral("部屋")));
}

void AccessibilityTest::chatterIsSpokenAsTheNameOfItsLabel()
{
    auto *speech = control<QLabel>("Label18");
    QVERIFY(!spoken(speech)->text(QAccessible::Name).isEmpty());
    m_random.script({0.0, 0.0, 0.0, 0.0});
    m_window->Image1_Click();
    const QString line = speech->text();
    QVERIFY(!line.isEmpty());
    QCOMPARE(spoken(speech)->text(QAccessible::Name), QStringLiteral("ペットの言葉「%1」").arg(line));
    m_window->setCaption(MainLabel::Label18, QString());
    QCOMPARE(spoken(speech)->text(QAccessible::Name), QStringLiteral("ペットは黙っています"));
}

// Only the buttons take the focus, in the order of the window's design; the
// labels and pictures with hidden gestures are never reached.
void AccessibilityTest::tabReachesTheButtonsInOrderAndSpacePressesThem()
{
    m_window->show();
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    control("Command1")->setFocus(Qt::TabFocusReason);
    QStringList order{QApplication::focusWidget()->objectName()};
    for (int press = 0; press < 6; ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(order, (QStringList{"Command1", "Command2", "Command3", "Command4", "Command5", "Command6", "Command1"}));

    for (int press = 0; press < 4; ++press)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command5"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(m_state.suspended.value(), 1.0);
    QCOMPARE(spoken(control("Command5"))->text(QAccessible::Name), QStringLiteral("休止解除"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(m_state.suspended.value(), 0.0);
}

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
