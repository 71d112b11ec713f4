// The game's fonts: the MS font names reach the IPA fonts, and every text the
// game shows, in its windows, its notices and the file dialog, is drawn
// without hinting, which keeps the font files from staying in memory whole.

#include "ui/look.h"

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QtTest>

using namespace nupel;

class LookTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void gameFontsAreTheIpaFontsUnhinted_data();
    void gameFontsAreTheIpaFontsUnhinted();
    void noticesAndFieldsWithoutAFontOfTheirOwnAreUnhinted();
};

void LookTest::initTestCase()
{
    installGameLook();
}

void LookTest::gameFontsAreTheIpaFontsUnhinted_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("shown");
    QTest::newRow("P Gothic") << pGothic << QStringLiteral("IPAPGothic");
    QTest::newRow("Gothic") << gothic << QStringLiteral("IPAGothic");
    QTest::newRow("P Mincho") << pMincho << QStringLiteral("IPAPMincho");
}

void LookTest::gameFontsAreTheIpaFontsUnhinted()
{
    QFETCH(QString, family);
    QFETCH(QString, shown);
    QLabel label(QStringLiteral("餌を与える"));
    label.setFont(gameFont(family));
    QCOMPARE(QFontInfo(label.font()).family(), shown);
    QCOMPARE(label.font().hintingPreference(), QFont::PreferNoHinting);
}

void LookTest::noticesAndFieldsWithoutAFontOfTheirOwnAreUnhinted()
{
    QMessageBox notice(QMessageBox::Warning, QStringLiteral("産卵!!"), QStringLiteral("卵を産みました"));
    QCOMPARE(notice.font().hintingPreference(), QFont::PreferNoHinting);
    // A control in a window of the game's font keeps the window's choice.
    QWidget window;
    window.setFont(gameFont());
    QLineEdit field(&window);
    QCOMPARE(field.font().hintingPreference(), QFont::PreferNoHinting);
}

QTEST_MAIN(LookTest)
#include "test_look.moc"
