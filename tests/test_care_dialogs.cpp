// The four care dialogs as windows: their controls, opening from the main
// window with the game paused, every way of closing them, and the market's
// scroll bar.

#include "support/main_window_fixture.h"
#include "support/modal.h"
#include "ui/care_menus.h"
#include "ui/frmBuyEgg.h"
#include "ui/frmMain.h"
#include "ui/look.h"

#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include <functional>
#include <memory>

using namespace nupel;
using namespace nupel::test;

class CareDialogsTest : public QObject, protected MainWindowFixture {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void dialogsHaveCaptionAndClientSize_data();
    void dialogsHaveCaptionAndClientSize();
    void controlsStandAtTheirDesignPlaces_data();
    void controlsStandAtTheirDesignPlaces();
    void tabOrderFollowsTheButtons_data();
    void tabOrderFollowsTheButtons();

    void openingOffersWhatTheCashCovers_data();
    void openingOffersWhatTheCashCovers();
    void eachButtonActsThenTheGameRunsOn_data();
    void eachButtonActsThenTheGameRunsOn();
    void frameAndEscapeActLikeCancel_data();
    void frameAndEscapeActLikeCancel();
    void reopeningChecksTheCashAgain();
    void shortfallBeepsAndKeepsTheDialogOpen_data();
    void shortfallBeepsAndKeepsTheDialogOpen();

    void marketLabelsFollowTheScrollBar();
    void draggedThumbCountsWhenReleased();
    void sellAllOnlySelects();
    void marketReachesEggsBeyond16Bits();
    void marketBeforeTheFirstLaying();

private:
    // Opens a dialog with a main-window button and runs `act` on it while it
    // is shown modally; returns once the button's handler has returned.
    void openAndAct(const QString &mainButton, const std::function<void(QDialog &)> &act);
    QPushButton *mainButton(const QString &name) const;
    // Lets one timer event of the main window run and tells whether the pet moved.
    bool petWalks();
};

namespace {

QPushButton *button(QWidget &dialog, const char *name)
{
    return dialog.findChild<QPushButton *>(QLatin1String(name));
}

QString labelText(QWidget &dialog, const char *name)
{
    return dialog.findChild<QLabel *>(QLatin1String(name))->text();
}

// Calls the handler of price button 1, 2 or 3 directly.
template <typename Dialog>
void pressPriceButton(Dialog &dialog, int number)
{
    void (Dialog::*const handlers[])() = {&Dialog::command1_click, &Dialog::Command2_Click, &Dialog::Command3_Click};
    (dialog.*handlers[number - 1])();
}

std::unique_ptr<CareDialog> makeDialog(const QString &name, PetState &state, RandomSource &random, Platform &platform)
{
    if (name == QLatin1String("frmGiveEsa"))
        return std::make_unique<frmGiveEsa>(state, random, platform);
    if (name == QLatin1String("frmMedical"))
        return std::make_unique<frmMedical>(state, platform);
    if (name == QLatin1String("frmClean"))
        return std::make_unique<frmClean>(state, platform);
    return std::make_unique<frmBuyEgg>(state);
}

} // namespace

void CareDialogsTest::initTestCase()
{
    installGameLook();
}

void CareDialogsTest::init()
{
    openMainWindow();
}

void CareDialogsTest::cleanup()
{
    closeMainWindow();
    verifyCleanEnd(&m_random);
}

QPushButton *CareDialogsTest::mainButton(const QString &name) const
{
    return m_window->findChild<QPushButton *>(name);
}

void CareDialogsTest::openAndAct(const QString &mainButtonName, const std::function<void(QDialog &)> &act)
{
    bool acted = false;
    QTimer::singleShot(0, m_window.get(), [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        acted = true;
        act(*dialog);
        // A failed check inside must not leave the dialog waiting for a click.
        if (QTest::currentTestFailed())
            closeModalWindows();
    });
    QTest::mouseClick(mainButton(mainButtonName), Qt::LeftButton);
    QVERIFY2(acted, "no modal dialog was open");
}

bool CareDialogsTest::petWalks()
{
    // Walking up and to the right, away from the start corner, with no draw
    // due and no tick due.
    m_state.walkCount = 0;
    m_state.walkDirection = 1;
    m_state.timerCount = 0;
    const QPoint before = m_window->petPosition();
    m_window->Timer1_Timer();
    return m_window->petPosition() != before;
}

void CareDialogsTest::dialogsHaveCaptionAndClientSize_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("twips");
    QTest::newRow("feeding") << "frmGiveEsa" << QStringLiteral("餌を与える") << QSize(4065, 3435);
    QTest::newRow("doctor") << "frmMedical" << QStringLiteral("医者に診せる") << QSize(5805, 3960);
    QTest::newRow("cleaning") << "frmClean" << QStringLiteral("掃除する") << QSize(5700, 4215);
    QTest::newRow("market") << "frmBuyEgg" << QStringLiteral("卵を売る") << QSize(4860, 3105);
}

void CareDialogsTest::dialogsHaveCaptionAndClientSize()
{
    QFETCH(QString, dialog);
    QFETCH(QString, caption);
    QFETCH(QSize, twips);
    const auto window = makeDialog(dialog, m_state, m_random, m_platform);
    QCOMPARE(window->objectName(), dialog);
    QCOMPARE(window->windowTitle(), caption);
    QCOMPARE(window->size(), QSize(twipsToPixels(twips.width()), twipsToPixels(twips.height())));
    QCOMPARE(window->font().pixelSize(), 16);
    QVERIFY(window->font().bold());
}

void CareDialogsTest::controlsStandAtTheirDesignPlaces_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QString>("text");
    auto row = [](const char *dialog, const char *control, QRect twips, const QString &text) {
        QTest::addRow("%s %s", dialog, control)
            << QString::fromLatin1(dialog) << QString::fromLatin1(control) << twips << text;
    };
    row("frmGiveEsa", "Command1", {2520, 240, 1455, 615}, QStringLiteral("わらわらＸ"));
    row("frmGiveEsa", "Command2", {2520, 1080, 1455, 615}, QStringLiteral("メルト＃＃"));
    row("frmGiveEsa", "Command3", {2520, 1920, 1455, 615}, QStringLiteral("ＤＮＡ９９"));
    row("frmGiveEsa", "Command4", {120, 2760, 3855, 615}, QStringLiteral("やっぱやめた"));
    row("frmGiveEsa", "Label2", {120, 240, 2295, 300}, QStringLiteral("わらわらＸ＞1000円"));
    row("frmGiveEsa", "Label5", {120, 555, 2295, 300}, QStringLiteral("お徳用＞50kg"));
    row("frmGiveEsa", "Label3", {120, 1080, 2295, 300}, QStringLiteral("メルト＃＃＞1500円"));
    row("frmGiveEsa", "Label6", {120, 1395, 2295, 300}, QStringLiteral("変化促進型＞30kg"));
    row("frmGiveEsa", "Label4", {120, 1920, 2295, 300}, QStringLiteral("ＤＮＡ９９＞2500円"));
    row("frmGiveEsa", "Label7", {120, 2235, 2295, 300}, QStringLiteral("超高級品＞20kg"));
    row("frmMedical", "Command1", {600, 120, 4695, 855}, QStringLiteral("養生所へLet's Go!(500円)"));
    row("frmMedical", "Command2", {600, 1080, 4695, 855}, QStringLiteral("近所の病院へ行こう(1200円)"));
    row("frmMedical", "Command3", {600, 2040, 4695, 855}, QStringLiteral("救急車だ!!(2500円)"));
    row("frmMedical", "Command4", {600, 3000, 4695, 855}, QStringLiteral("やっぱやめた"));
    row("frmClean", "Command1", {240, 120, 5175, 855}, QStringLiteral("パチ物の道具を使う(500円)"));
    row("frmClean", "Command2", {240, 1080, 5175, 855}, QStringLiteral("専用の道具を使う(1000円)"));
    row("frmClean", "Command3", {240, 2040, 5175, 855}, QStringLiteral("専門家を呼ぶ(2000円)"));
    row("frmClean", "Command4", {240, 3000, 5175, 855}, QStringLiteral("やっぱやめた"));
    row("frmBuyEgg", "Label1", {600, 120, 3375, 300}, QString());
    row("frmBuyEgg", "Command5", {3000, 720, 1695, 615}, QStringLiteral("全部売る"));
    row("frmBuyEgg", "Command3", {3000, 1440, 1695, 615}, QStringLiteral("これだけ売る"));
    row("frmBuyEgg", "Command4", {3000, 2160, 1695, 615}, QStringLiteral("売るのやめる"));
    row("frmBuyEgg", "Label3", {1440, 720, 1335, 300}, QStringLiteral("0個"));
    row("frmBuyEgg", "Label4", {1440, 1080, 1335, 300}, QStringLiteral("0円"));
    row("frmBuyEgg", "Label2", {240, 1680, 735, 300}, QStringLiteral("減る"));
    row("frmBuyEgg", "Label5", {2160, 1680, 735, 300}, QStringLiteral("増える"));
    row("frmBuyEgg", "HScroll1", {360, 2040, 2295, 735}, QString());
}

void CareDialogsTest::controlsStandAtTheirDesignPlaces()
{
    QFETCH(QString, dialog);
    QFETCH(QString, control);
    QFETCH(QRect, twips);
    QFETCH(QString, text);
    const auto window = makeDialog(dialog, m_state, m_random, m_platform);
    auto *widget = window->findChild<QWidget *>(control);
    QVERIFY2(widget, qPrintable(control));
    const QRect design = twipsRect(twips.x(), twips.y(), twips.width(), twips.height());
    QCOMPARE(widget->pos(), design.topLeft());
    // Labels keep their design size only while their text fits in it.
    QCOMPARE(widget->size(), design.size());
    if (auto *label = qobject_cast<QLabel *>(widget))
        QCOMPARE(label->text(), text);
    else if (auto *push = qobject_cast<QPushButton *>(widget))
        QCOMPARE(push->text(), text);
    // Everything lies inside the client area.
    QVERIFY(window->rect().contains(widget->geometry()));
}

void CareDialogsTest::tabOrderFollowsTheButtons_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QStringList>("order");
    const QStringList fourButtons{"Command1", "Command2", "Command3", "Command4"};
    QTest::newRow("feeding") << "frmGiveEsa" << fourButtons;
    QTest::newRow("doctor") << "frmMedical" << fourButtons;
    QTest::newRow("cleaning") << "frmClean" << fourButtons;
    QTest::newRow("market") << "frmBuyEgg" << QStringList{"Command5", "Command3", "Command4", "HScroll1"};
}

void CareDialogsTest::tabOrderFollowsTheButtons()
{
    QFETCH(QString, dialog);
    QFETCH(QStringList, order);
    const auto window = makeDialog(dialog, m_state, m_random, m_platform);
    QStringList stops;
    QWidget *widget = window->findChild<QWidget *>(order.first());
    do {
        if (widget->focusPolicy() & Qt::TabFocus)
            stops.append(widget->objectName());
        widget = widget->nextInFocusChain();
    } while (widget != window->findChild<QWidget *>(order.first()));
    QCOMPARE(stops, order);
}

void CareDialogsTest::openingOffersWhatTheCashCovers_data()
{
    QTest::addColumn<QString>("mainButton");
    QTest::addColumn<int>("money");
    QTest::addColumn<QList<bool>>("enabled"); // Command1 to Command3
    using Flags = QList<bool>;
    QTest::newRow("feeding 999") << "Command1" << 999 << Flags{false, false, false};
    QTest::newRow("feeding 1000") << "Command1" << 1000 << Flags{true, false, false};
    QTest::newRow("feeding 1499") << "Command1" << 1499 << Flags{true, false, false};
    QTest::newRow("feeding 2499") << "Command1" << 2499 << Flags{true, true, false};
    QTest::newRow("feeding 2500") << "Command1" << 2500 << Flags{true, true, true};
    QTest::newRow("doctor 499") << "Command2" << 499 << Flags{false, false, false};
    QTest::newRow("doctor 500") << "Command2" << 500 << Flags{true, false, false};
    QTest::newRow("doctor 1199") << "Command2" << 1199 << Flags{true, false, false};
    QTest::newRow("doctor 1200") << "Command2" << 1200 << Flags{true, true, false};
    QTest::newRow("doctor 2500") << "Command2" << 2500 << Flags{true, true, true};
    QTest::newRow("cleaning 999") << "Command3" << 999 << Flags{true, false, false};
    QTest::newRow("cleaning 1999") << "Command3" << 1999 << Flags{true, true, false};
    QTest::newRow("cleaning 2000") << "Command3" << 2000 << Flags{true, true, true};
    QTest::newRow("cleaning in debt") << "Command3" << -50 << Flags{false, false, false};
}

void CareDialogsTest::openingOffersWhatTheCashCovers()
{
    QFETCH(QString, mainButton);
    QFETCH(int, money);
    QFETCH(QList<bool>, enabled);
    m_state.money = money;
    QList<bool> offered;
    bool cancelOffered = false;
    openAndAct(mainButton, [&](QDialog &dialog) {
        for (const char *name : {"Command1", "Command2", "Command3"})
            offered.append(button(dialog, name)->isEnabled());
        cancelOffered = button(dialog, "Command4")->isEnabled();
        QTest::mouseClick(button(dialog, "Command4"), Qt::LeftButton);
    });
    QCOMPARE(offered, enabled);
    QVERIFY(cancelOffered);
    QCOMPARE(int(m_state.money), money);
}

void CareDialogsTest::eachButtonActsThenTheGameRunsOn_data()
{
    QTest::addColumn<QString>("mainButton");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<int>("money");
    QTest::addColumn<int>("moneyAfter");
    QTest::addColumn<int>("satietyAfter");
    QTest::addColumn<int>("sicknessAfter");
    QTest::addColumn<int>("dirtAfter");
    QTest::addColumn<double>("eggsAfter");
    using Draws = QList<double>;
    // Every row starts from satiety 200, sickness 40, dirt 20, 12 eggs at 30 yen.
    QTest::newRow("わらわらＸ") << "Command1" << QStringList{"Command1"} << Draws{} << 1000 << 0 << 250 << 40 << 20
                                << 12.0;
    QTest::newRow("メルト＃＃") << "Command1" << QStringList{"Command2"} << Draws{fractionFor(9, 10)} << 1500 << 0
                                << 240 << 40 << 20 << 12.0;
    QTest::newRow("ＤＮＡ９９") << "Command1" << QStringList{"Command3"} << Draws{} << 3000 << 500 << 220 << 40 << 20
                                << 12.0;
    QTest::newRow("やっぱやめた feeding")
        << "Command1" << QStringList{"Command4"} << Draws{} << 999 << 999 << 200 << 40 << 20 << 12.0;
    QTest::newRow("養生所") << "Command2" << QStringList{"Command1"} << Draws{} << 500 << 0 << 200 << 30 << 20 << 12.0;
    QTest::newRow("救急車") << "Command2" << QStringList{"Command3"} << Draws{} << 2500 << 0 << 200 << 0 << 20 << 12.0;
    QTest::newRow("やっぱやめた doctor") << "Command2" << QStringList{"Command4"} << Draws{} << 5000 << 5000 << 200
                                         << 40 << 20 << 12.0;
    QTest::newRow("専用の道具") << "Command3" << QStringList{"Command2"} << Draws{} << 1000 << 0 << 200 << 40 << -5
                                << 12.0;
    QTest::newRow("専門家") << "Command3" << QStringList{"Command3"} << Draws{} << 2000 << 0 << 200 << 40 << 0 << 12.0;
    QTest::newRow("やっぱやめた cleaning")
        << "Command3" << QStringList{"Command4"} << Draws{} << 5000 << 5000 << 200 << 40 << 20 << 12.0;
    QTest::newRow("これだけ売る nothing chosen")
        << "Command4" << QStringList{"Command3"} << Draws{} << 1000 << 1000 << 200 << 40 << 20 << 12.0;
    QTest::newRow("全部売る then これだけ売る")
        << "Command4" << QStringList{"Command5", "Command3"} << Draws{} << 1000 << 2800 << 200 << 40 << 20 << 0.0;
    QTest::newRow("全部売る then 売るのやめる")
        << "Command4" << QStringList{"Command5", "Command4"} << Draws{} << 1000 << 1000 << 200 << 40 << 20 << 12.0;
}

void CareDialogsTest::eachButtonActsThenTheGameRunsOn()
{
    QFETCH(QString, mainButton);
    QFETCH(QStringList, clicks);
    QFETCH(QList<double>, draws);
    QFETCH(int, money);
    m_state.money = money;
    m_state.sickness = 40;
    m_state.dirt = 20;
    m_state.eggs = 12;
    m_state.eggPrice = 30;
    m_random = ScriptedRandom(std::vector<double>(draws.begin(), draws.end()));

    QPointer<QDialog> opened;
    double suspendedWhileOpen = 0;
    bool walkedWhileOpen = true;
    openAndAct(mainButton, [&](QDialog &dialog) {
        opened = &dialog;
        suspendedWhileOpen = m_state.suspended.value();
        walkedWhileOpen = petWalks();
        for (const QString &name : clicks)
            QTest::mouseClick(button(dialog, qPrintable(name)), Qt::LeftButton);
    });

    QCOMPARE(suspendedWhileOpen, 1.0);
    QVERIFY2(!walkedWhileOpen, "the pet walked while the dialog was open");
    QVERIFY2(opened.isNull(), "the dialog still exists after closing");
    QCOMPARE(m_state.suspended.value(), 0.0);
    QTEST(int(m_state.money), "moneyAfter");
    QTEST(int(m_state.satiety), "satietyAfter");
    QTEST(int(m_state.sickness), "sicknessAfter");
    QTEST(int(m_state.dirt), "dirtAfter");
    QTEST(m_state.eggs.value(), "eggsAfter");
    QCOMPARE(m_random.remaining(), std::size_t(0));
    QVERIFY2(petWalks(), "the pet stands still after the dialog has closed");
}

void CareDialogsTest::frameAndEscapeActLikeCancel_data()
{
    QTest::addColumn<QString>("mainButton");
    QTest::addColumn<bool>("escape");
    for (const char *name : {"Command1", "Command2", "Command3", "Command4"}) {
        QTest::addRow("%s close box", name) << QString::fromLatin1(name) << false;
        QTest::addRow("%s Escape", name) << QString::fromLatin1(name) << true;
    }
}

void CareDialogsTest::frameAndEscapeActLikeCancel()
{
    QFETCH(QString, mainButton);
    QFETCH(bool, escape);
    m_state.money = 10000;
    m_state.eggs = 12;
    m_state.eggPrice = 30;
    QPointer<QDialog> opened;
    openAndAct(mainButton, [&](QDialog &dialog) {
        opened = &dialog;
        if (escape)
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            dialog.close();
    });
    QVERIFY(opened.isNull());
    QCOMPARE(m_state.suspended.value(), 0.0);
    QCOMPARE(int(m_state.money), 10000);
    QCOMPARE(int(m_state.satiety), 200);
    QCOMPARE(m_state.eggs.value(), 12.0);
    QVERIFY(petWalks());
}

void CareDialogsTest::reopeningChecksTheCashAgain()
{
    m_state.money = 2000;
    bool melt = false;
    openAndAct(QStringLiteral("Command1"), [&](QDialog &dialog) {
        melt = button(dialog, "Command2")->isEnabled();
        QTest::mouseClick(button(dialog, "Command1"), Qt::LeftButton);
    });
    QVERIFY(melt);
    QCOMPARE(int(m_state.money), 1000);
    openAndAct(QStringLiteral("Command1"), [&](QDialog &dialog) {
        melt = button(dialog, "Command2")->isEnabled();
        QVERIFY(button(dialog, "Command1")->isEnabled());
        QTest::mouseClick(button(dialog, "Command4"), Qt::LeftButton);
    });
    QVERIFY(!melt);
}

void CareDialogsTest::shortfallBeepsAndKeepsTheDialogOpen_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<int>("handler");
    QTest::addColumn<int>("money");
    QTest::newRow("養生所") << "frmMedical" << 1 << 499;
    QTest::newRow("病院") << "frmMedical" << 2 << 1199;
    QTest::newRow("救急車") << "frmMedical" << 3 << 2499;
    QTest::newRow("パチ物") << "frmClean" << 1 << 499;
    QTest::newRow("専用") << "frmClean" << 2 << 999;
    QTest::newRow("専門家") << "frmClean" << 3 << 1999;
}

void CareDialogsTest::shortfallBeepsAndKeepsTheDialogOpen()
{
    QFETCH(QString, dialog);
    QFETCH(int, handler);
    QFETCH(int, money);
    m_state.money = money;
    m_state.sickness = 40;
    m_state.dirt = 40;
    m_state.suspended = 1;
    // Reached only if a price button is pressed anyway, as a handler call.
    std::unique_ptr<CareDialog> window;
    std::function<void()> press;
    if (dialog == QLatin1String("frmMedical")) {
        auto *medical = new frmMedical(m_state, m_platform);
        window.reset(medical);
        press = [=] { pressPriceButton(*medical, handler); };
    } else {
        auto *clean = new frmClean(m_state, m_platform);
        window.reset(clean);
        press = [=] { pressPriceButton(*clean, handler); };
    }
    window->Form_Load();
    window->show();
    press();
    QCOMPARE(m_platform.beeps, 1);
    QVERIFY(window->isVisible());
    QCOMPARE(m_state.suspended.value(), 1.0);
    QCOMPARE(int(m_state.money), money);
    QCOMPARE(int(m_state.sickness), 40);
    QCOMPARE(int(m_state.dirt), 40);
}

void CareDialogsTest::marketLabelsFollowTheScrollBar()
{
    m_state.eggs = 12;
    m_state.eggPrice = 30;
    frmBuyEgg market(m_state);
    market.Form_Load();
    auto *bar = market.findChild<QScrollBar *>(QStringLiteral("HScroll1"));
    QCOMPARE(bar->minimum(), 0);
    QCOMPARE(bar->maximum(), 12);
    QCOMPARE(bar->value(), 0);
    QCOMPARE(labelText(market, "Label1"), QStringLiteral("ただいまの卵相場 →30"));
    bar->setValue(4);
    QCOMPARE(labelText(market, "Label3"), QStringLiteral("4個"));
    QCOMPARE(labelText(market, "Label4"), QStringLiteral("600円"));
    // Only the selling button writes the count to sell.
    QVERIFY(m_state.eggsToSell.isEmpty());
    bar->setValue(0);
    QCOMPARE(labelText(market, "Label3"), QStringLiteral("0個"));
    QCOMPARE(labelText(market, "Label4"), QStringLiteral("0円"));
    bar->setValue(4);
    market.Command3_Click();
    QCOMPARE(int(m_state.money), 10600);
    QCOMPARE(m_state.eggs.value(), 8.0);
}

void CareDialogsTest::draggedThumbCountsWhenReleased()
{
    m_state.eggs = 12;
    m_state.eggPrice = 30;
    frmBuyEgg market(m_state);
    market.Form_Load();
    auto *bar = market.findChild<QScrollBar *>(QStringLiteral("HScroll1"));
    bar->setSliderDown(true);
    bar->setSliderPosition(5);
    QCOMPARE(labelText(market, "Label3"), QStringLiteral("0個"));
    bar->setSliderDown(false);
    QCOMPARE(labelText(market, "Label3"), QStringLiteral("5個"));
    QCOMPARE(labelText(market, "Label4"), QStringLiteral("750円"));
}

void CareDialogsTest::sellAllOnlySelects()
{
    m_state.eggs = 12;
    m_state.eggPrice = 30;
    m_state.eggValueFactor = 0.5;
    frmBuyEgg market(m_state);
    market.Form_Load();
    market.show();
    market.Command5_Click();
    QVERIFY(market.isVisible());
    QCOMPARE(market.findChild<QScrollBar *>(QStringLiteral("HScroll1"))->value(), 12);
    QCOMPARE(labelText(market, "Label3"), QStringLiteral("12個"));
    QCOMPARE(labelText(market, "Label4"), QStringLiteral("900円"));
    QCOMPARE(m_state.eggsToSell.value(), 12.0);
    QCOMPARE(m_state.eggs.value(), 12.0);
    QCOMPARE(int(m_state.money), 10000);
}

void CareDialogsTest::marketReachesEggsBeyond16Bits()
{
    m_state.eggs = 40000;
    m_state.eggPrice = 10;
    m_state.money = 0;
    openAndAct(QStringLiteral("Command4"), [&](QDialog &dialog) {
        QCOMPARE(dialog.findChild<QScrollBar *>(QStringLiteral("HScroll1"))->maximum(), 40000);
        QTest::mouseClick(button(dialog, "Command5"), Qt::LeftButton);
        QCOMPARE(labelText(dialog, "Label3"), QStringLiteral("40000個"));
        QTest::mouseClick(button(dialog, "Command3"), Qt::LeftButton);
    });
    QCOMPARE(m_state.eggs.value(), 0.0);
    QCOMPARE(int(m_state.money), 2000000);
}

void CareDialogsTest::marketBeforeTheFirstLaying()
{
    QVERIFY(m_state.eggPrice.isEmpty());
    for (int opening = 0; opening < 2; ++opening) {
        openAndAct(QStringLiteral("Command4"), [&](QDialog &dialog) {
            QCOMPARE(labelText(dialog, "Label1"), QStringLiteral("ただいまの卵相場 →"));
            QCOMPARE(labelText(dialog, "Label3"), QStringLiteral("0個"));
            QCOMPARE(labelText(dialog, "Label4"), QStringLiteral("0円"));
            QTest::mouseClick(button(dialog, "Command5"), Qt::LeftButton);
            QCOMPARE(labelText(dialog, "Label4"), QStringLiteral("0円"));
            QTest::mouseClick(button(dialog, "Command3"), Qt::LeftButton);
        });
        QCOMPARE(int(m_state.money), 10000);
    }
}

QTEST_MAIN(CareDialogsTest)
#include "test_care_dialogs.moc"
