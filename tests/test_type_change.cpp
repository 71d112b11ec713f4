// The type change: the redraw loop, the rare "Vex.Pro.", the new type's
// values and icon, its message, and the eggs the pet eats.

#include "life/pet_types.h"
#include "life/type_change.h"
#include "support/expected_types.h"
#include "support/fake_platform.h"
#include "support/recording_view.h"
#include "support/scripted_random.h"

#include <QtTest>

using namespace nupel;
using namespace nupel::test;

namespace {

double typeDraw(int row)
{
    return fractionFor(row, 13);
}

double vexProDraw(int t)
{
    return fractionFor(t - 1, 15);
}

} // namespace

class TypeChangeTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void typeDrawNamesItsType_data();
    void typeDrawNamesItsType();
    void neverTurnsIntoTheOldType();
    void vexProDrawIsHeldAgainstTheGeneration_data();
    void vexProDrawIsHeldAgainstTheGeneration();
    void vexProPetDrawsAgainWhenVexProComesUp();
    void newTypeBringsItsValuesAndIcon_data();
    void newTypeBringsItsValuesAndIcon();
    void randomanDrawsItsValuesAfterTheTypeDraw();
    void messageFollowsTheIconAndPrecedesTheMeal();
    void petEatsItsEggsUpTo250_data();
    void petEatsItsEggsUpTo250();

private:
    PetState m_state;
    RecordingView m_view;
    FakePlatform m_platform;
};

void TypeChangeTest::init()
{
    m_state = PetState();
    m_state.setNewGameValues();
    m_view = RecordingView();
    m_platform = FakePlatform();
}

void TypeChangeTest::typeDrawNamesItsType_data()
{
    QTest::addColumn<int>("draw");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("icon");
    QTest::addColumn<QList<double>>("values");
    for (int draw = 0; draw < expectedTypes().size(); ++draw) {
        const ExpectedType &expected = expectedTypes()[draw];
        QTest::addRow("%d %s", draw, expected.name)
            << draw << QString::fromLatin1(expected.name) << QString::fromLatin1(expected.icon) << expected.values;
    }
}

// Rows of the catalogue swapped would turn the pet into the wrong type for
// its draw, with another's icon and rates.
void TypeChangeTest::typeDrawNamesItsType()
{
    QFETCH(int, draw);
    QFETCH(QString, type);
    QFETCH(QString, icon);
    QFETCH(QList<double>, values);
    // From the fifteenth generation on the "Vex.Pro." draw always accepts.
    m_state.generation = 15;
    m_state.petType = draw == 0 ? QStringLiteral("Kattin") : QStringLiteral("Normal");
    ScriptedRandom random{typeDraw(draw)};
    if (draw == 9)
        random.script({vexProDraw(15)});
    if (values.isEmpty()) {
        random.script(
            {fractionFor(1, 6), fractionFor(2, 4), 0.5, fractionFor(3, 8), fractionFor(4, 10), fractionFor(0, 6)});
        values = {11, 3, 2.5, 4, 5, 0};
    }
    changeType(m_state, random, m_view, m_platform);
    QCOMPARE(random.remaining(), std::size_t(0));
    QCOMPARE(m_state.petType, type);
    QCOMPARE(m_view.pictures.value(MainImage::Image1), icon);
    QCOMPARE(m_platform.notices.size(), 1);
    QCOMPARE(m_platform.notices.first().text, type + QStringLiteral("に変化しました"));
    QCOMPARE(QList<double>({m_state.clutchMax.value(), m_state.eggValueFactor.value(), m_state.sicknessRate.value(),
                            m_state.hungerRate.value(), m_state.dirtRate.value(), m_state.tantrumKind.value()}),
             values);
}

void TypeChangeTest::neverTurnsIntoTheOldType()
{
    m_state.petType = QStringLiteral("Kattin");
    ScriptedRandom random{typeDraw(1), typeDraw(1), typeDraw(4)};
    changeType(m_state, random, m_view, m_platform);
    QCOMPARE(m_state.petType, QStringLiteral("Stresser"));
    QCOMPARE(random.remaining(), std::size_t(0));
}

void TypeChangeTest::vexProDrawIsHeldAgainstTheGeneration_data()
{
    QTest::addColumn<int>("generation");
    QTest::addColumn<int>("t");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("generation 1, t 1") << 1 << 1 << true;
    QTest::newRow("generation 1, t 2") << 1 << 2 << false;
    QTest::newRow("generation 14, t 15") << 14 << 15 << false;
    QTest::newRow("generation 15, t 15") << 15 << 15 << true;
    QTest::newRow("generation 40, t 15") << 40 << 15 << true;
}

void TypeChangeTest::vexProDrawIsHeldAgainstTheGeneration()
{
    QFETCH(int, generation);
    QFETCH(int, t);
    QFETCH(bool, accepted);
    m_state.generation = generation;
    // A refused "Vex.Pro." starts the whole draw again; the next draw names Tabezo.
    ScriptedRandom random{typeDraw(9), vexProDraw(t)};
    if (!accepted)
        random.script({typeDraw(6)});
    changeType(m_state, random, m_view, m_platform);
    QCOMPARE(m_state.petType, accepted ? QStringLiteral("Vex.Pro.") : QStringLiteral("Tabezo"));
    QCOMPARE(random.remaining(), std::size_t(0));
    QCOMPARE(m_state.generation.value(), double(generation));
}

void TypeChangeTest::vexProPetDrawsAgainWhenVexProComesUp()
{
    m_state.petType = QStringLiteral("Vex.Pro.");
    m_state.generation = 15;
    ScriptedRandom random{typeDraw(9), vexProDraw(1), typeDraw(0)};
    changeType(m_state, random, m_view, m_platform);
    QCOMPARE(m_state.petType, QStringLiteral("Normal"));
    QCOMPARE(random.remaining(), std::size_t(0));
}

void TypeChangeTest::newTypeBringsItsValuesAndIcon_data()
{
    QTest::addColumn<QString>("oldType");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("icon");
    QTest::addColumn<double>("eggValueFactor");
    QTest::addColumn<double>("tantrumKind");
    QTest::addColumn<QString>("type");
    QTest::addColumn<double>("clutchMax");
    QTest::addColumn<double>("hungerRate");
    QTest::newRow("KaneQueen eats money") << "Normal" << 12 << "nupkan.ico" << 2.0 << 2.0 << "KaneQueen" << 10.0 << 2.0;
    QTest::newRow("Ikarin eats eggs") << "Normal" << 11 << "nupika.ico" << 1.0 << 1.0 << "Ikarin" << 10.0 << 2.0;
    QTest::newRow("Tamagoro ends a tantrum kind")
        << "Ikarin" << 8 << "nuptam.ico" << 0.5 << 0.0 << "Tamagoro" << 110.0 << 5.0;
    QTest::newRow("Kattin from KaneQueen") << "KaneQueen" << 1 << "nupkat.ico" << 10.0 << 0.0 << "Kattin" << 5.0 << 2.0;
}

void TypeChangeTest::newTypeBringsItsValuesAndIcon()
{
    QFETCH(QString, oldType);
    QFETCH(int, row);
    QFETCH(QString, icon);
    QFETCH(double, eggValueFactor);
    QFETCH(double, tantrumKind);
    QFETCH(QString, type);
    QFETCH(double, clutchMax);
    QFETCH(double, hungerRate);
    m_state.petType = oldType;
    ScriptedRandom noDraws;
    applyPetType(m_state, noDraws, m_view);
    ScriptedRandom random{typeDraw(row)};
    changeType(m_state, random, m_view, m_platform);
    QCOMPARE(m_state.petType, type);
    QCOMPARE(m_view.pictures.value(MainImage::Image1), icon);
    QCOMPARE(m_state.eggValueFactor.value(), eggValueFactor);
    QCOMPARE(m_state.tantrumKind.value(), tantrumKind);
    QCOMPARE(m_state.clutchMax.value(), clutchMax);
    QCOMPARE(m_state.hungerRate.value(), hungerRate);
}

void TypeChangeTest::randomanDrawsItsValuesAfterTheTypeDraw()
{
    ScriptedRandom random{typeDraw(10),      fractionFor(2, 6),  fractionFor(3, 4), 0.5,
                          fractionFor(7, 8), fractionFor(9, 10), fractionFor(1, 6)};
    changeType(m_state, random, m_view, m_platform);
    QCOMPARE(m_state.petType, QStringLiteral("Randoman"));
    QCOMPARE(m_state.clutchMax.value(), 21.0);
    QCOMPARE(m_state.eggValueFactor.value(), 4.0);
    QCOMPARE(m_state.sicknessRate.value(), 2.5);
    QCOMPARE(m_state.hungerRate.value(), 8.0);
    QCOMPARE(m_state.dirtRate.value(), 10.0);
    QCOMPARE(m_state.tantrumKind.value(), 1.0);
    QCOMPARE(random.remaining(), std::size_t(0));
}

void TypeChangeTest::messageFollowsTheIconAndPrecedesTheMeal()
{
    m_state.eggs = 30;
    m_state.satiety = 100;
    QString iconWhileOpen;
    double eggsWhileOpen = -1;
    m_platform.onNotice = [&](const Notice &) {
        iconWhileOpen = m_view.pictures.value(MainImage::Image1);
        eggsWhileOpen = m_state.eggs;
    };
    ScriptedRandom random{typeDraw(7)};
    changeType(m_state, random, m_view, m_platform);
    QCOMPARE(m_platform.notices.size(), 1);
    const Notice &notice = m_platform.notices.first();
    QCOMPARE(notice.text, QStringLiteral("Funtaroに変化しました"));
    QCOMPARE(notice.title, QStringLiteral("変化!!!"));
    QCOMPARE(notice.buttons, NoticeButtons::Ok);
    QCOMPARE(notice.icon, NoticeIcon::Exclamation);
    QCOMPARE(iconWhileOpen, QStringLiteral("nupfun.ico"));
    QCOMPARE(eggsWhileOpen, 30.0);
}

void TypeChangeTest::petEatsItsEggsUpTo250_data()
{
    QTest::addColumn<int>("satiety");
    QTest::addColumn<int>("eggs");
    QTest::addColumn<int>("after");
    QTest::newRow("240 tops out") << 240 << 30 << 250;
    QTest::newRow("100 gains all") << 100 << 30 << 130;
    QTest::newRow("260 gains nothing") << 260 << 30 << 260;
    QTest::newRow("250 stays") << 250 << 30 << 250;
    QTest::newRow("no eggs") << 120 << 0 << 120;
    QTest::newRow("more eggs than a 16-bit sum") << 100 << 70000 << 250;
}

void TypeChangeTest::petEatsItsEggsUpTo250()
{
    QFETCH(int, satiety);
    QFETCH(int, eggs);
    QFETCH(int, after);
    m_state.satiety = satiety;
    m_state.eggs = eggs;
    ScriptedRandom random{typeDraw(3)};
    changeType(m_state, random, m_view, m_platform);
    QCOMPARE(int(m_state.satiety), after);
    QCOMPARE(m_state.eggs.value(), 0.0);
    QCOMPARE(m_view.captions.value(MainLabel::Label12), QStringLiteral("0個"));
}

QTEST_MAIN(TypeChangeTest)
#include "test_type_change.moc"
