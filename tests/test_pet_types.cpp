// The type catalogue: each row's values and icon, and the drawn "Randoman".

#include "life/pet_types.h"
#include "support/expected_types.h"
#include "support/recording_view.h"
#include "support/scripted_random.h"

#include <QtTest>

using namespace nupel;
using namespace nupel::test;

namespace {

// Remembers the tantrum kind at the moment the icon is loaded, to show the
// icon comes before the tantrum kind.
class IconOrderView final : public MainView {
public:
    explicit IconOrderView(const PetState &state) : m_state(state) {}
    void setCaption(MainLabel, const QString &) override {}
    void loadPicture(MainImage image, const QString &fileName) override
    {
        icon = image == MainImage::Image1 ? fileName : icon;
        tantrumAtIcon = m_state.tantrumKind.isEmpty() ? -1 : m_state.tantrumKind.value();
        dirtRateAtIcon = m_state.dirtRate.isEmpty() ? -1 : m_state.dirtRate.value();
    }
    void showRoomPicture(int) override {}
    QPoint petPosition() const override { return {}; }
    void movePet(QPoint) override {}
    void showWindow() override {}
    void hideWindow() override {}
    void openDeathScreen() override {}

    QString icon;
    double tantrumAtIcon = -2;
    double dirtRateAtIcon = -2;

private:
    const PetState &m_state;
};

} // namespace

class PetTypesTest : public QObject {
    Q_OBJECT
private slots:
    void applyingAFixedTypeWritesItsRow_data();
    void applyingAFixedTypeWritesItsRow();
    void randomanDrawsItsValuesInOrder_data();
    void randomanDrawsItsValuesInOrder();
    void randomanNeverReachesTheTopOfARange();
    void showTypeIconLoadsTheIconOfTheType_data();
    void showTypeIconLoadsTheIconOfTheType();
    void unknownTypeChangesNothing();
};

void PetTypesTest::applyingAFixedTypeWritesItsRow_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("icon");
    QTest::addColumn<QList<double>>("values"); // clutch, factor, sickness, hunger, dirt, tantrum
    for (const ExpectedType &type : expectedTypes()) {
        if (!type.values.isEmpty())
            QTest::newRow(type.name) << QString::fromLatin1(type.name) << QString::fromLatin1(type.icon) << type.values;
    }
}

void PetTypesTest::applyingAFixedTypeWritesItsRow()
{
    QFETCH(QString, type);
    QFETCH(QString, icon);
    QFETCH(QList<double>, values);
    PetState state;
    state.petType = type;
    state.tantrumKind = 7; // a value no row has, to see when it is overwritten
    ScriptedRandom random;
    IconOrderView view(state);
    applyPetType(state, random, view);

    QCOMPARE(state.clutchMax.value(), values[0]);
    QCOMPARE(state.eggValueFactor.value(), values[1]);
    QCOMPARE(state.sicknessRate.value(), values[2]);
    QCOMPARE(state.hungerRate.value(), values[3]);
    QCOMPARE(state.dirtRate.value(), values[4]);
    QCOMPARE(state.tantrumKind.value(), values[5]);
    QCOMPARE(view.icon, icon);
    QCOMPARE(view.dirtRateAtIcon, values[4]);
    QCOMPARE(view.tantrumAtIcon, 7.0);
    QCOMPARE(random.drawn(), std::size_t(0));
}

void PetTypesTest::randomanDrawsItsValuesInOrder_data()
{
    QTest::addColumn<QList<double>>("fractions");
    QTest::addColumn<QList<double>>("values"); // clutch, factor, sickness, hunger, dirt, tantrum
    QTest::newRow("all zero") << QList<double>{0, 0, 0, 0, 0, 0} << QList<double>{1, 1, 1, 1, 1, 0};
    QTest::newRow("each a different draw")
        << QList<double>{0.5, 0.25, 0.5, 0.875, 0.35, 0.99} << QList<double>{31, 2, 2.5, 8, 4, 5};
    QTest::newRow("tops of ranges") << QList<double>{0.9, 0.8, 0.75, 0.99, 0.95, 0.5}
                                    << QList<double>{51, 4, 3.25, 8, 10, 3};
}

void PetTypesTest::randomanDrawsItsValuesInOrder()
{
    QFETCH(QList<double>, fractions);
    QFETCH(QList<double>, values);
    PetState state;
    state.petType = QStringLiteral("Randoman");
    ScriptedRandom random(std::vector<double>(fractions.begin(), fractions.end()));
    IconOrderView view(state);
    applyPetType(state, random, view);

    QCOMPARE(random.remaining(), std::size_t(0));
    QCOMPARE(state.clutchMax.value(), values[0]);
    QCOMPARE(state.eggValueFactor.value(), values[1]);
    QCOMPARE(state.sicknessRate.value(), values[2]);
    QCOMPARE(state.hungerRate.value(), values[3]);
    QCOMPARE(state.dirtRate.value(), values[4]);
    QCOMPARE(state.tantrumKind.value(), values[5]);
    QCOMPARE(view.icon, QStringLiteral("nuprnd.ico"));
    QCOMPARE(view.tantrumAtIcon, -1.0);
}

void PetTypesTest::randomanNeverReachesTheTopOfARange()
{
    // A fraction just below 1 rounds to 1.0 in single precision; the draws
    // must still stay inside their ranges.
    const double almostOne = std::nextafter(1.0, 0.0);
    PetState state;
    state.petType = QStringLiteral("Randoman");
    ScriptedRandom random{almostOne, almostOne, almostOne, almostOne, almostOne, almostOne};
    RecordingView view;
    applyPetType(state, random, view);
    QCOMPARE(state.clutchMax.value(), 51.0);
    QCOMPARE(state.eggValueFactor.value(), 4.0);
    QVERIFY(state.sicknessRate.value() < 4.0);
    QCOMPARE(state.hungerRate.value(), 8.0);
    QCOMPARE(state.dirtRate.value(), 10.0);
    QCOMPARE(state.tantrumKind.value(), 5.0);
}

void PetTypesTest::showTypeIconLoadsTheIconOfTheType_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("icon");
    for (const ExpectedType &type : expectedTypes())
        QTest::newRow(type.name) << QString::fromLatin1(type.name) << QString::fromLatin1(type.icon);
}

// A loaded game shows its pet by the type's name alone, with no draw.
void PetTypesTest::showTypeIconLoadsTheIconOfTheType()
{
    QFETCH(QString, type);
    QFETCH(QString, icon);
    PetState state;
    state.setNewGameValues();
    state.petType = type;
    RecordingView view;
    showTypeIcon(state, view);
    QCOMPARE(view.pictures.value(MainImage::Image1), icon);
    QCOMPARE(view.log.size(), 1);
    QCOMPARE(state.clutchMax.value(), 10.0);
}

void PetTypesTest::unknownTypeChangesNothing()
{
    // Type names compare exactly: case and full stops matter.
    for (const char *name : {"normal", "Vex.Pro", "", "NORMAL "}) {
        PetState state;
        state.setNewGameValues();
        state.petType = QString::fromLatin1(name);
        RecordingView view;
        ScriptedRandom random;
        showTypeIcon(state, view);
        applyPetType(state, random, view);
        QVERIFY(view.log.isEmpty());
        QCOMPARE(state.clutchMax.value(), 10.0);
        QCOMPARE(state.hungerRate.value(), 2.0);
    }
}

QTEST_APPLESS_MAIN(PetTypesTest)
#include "test_pet_types.moc"
