#include "ui/frmMain.h"

#include "life/chatter.h"
#include "life/gestures.h"
#include "life/pet_types.h"
#include "life/walking.h"
#include "play/running.h"
#include "play/tick.h"
#include "ui/accessibility.h"
#include "ui/care_menus.h"
#include "ui/frmBuyEgg.h"
#include "ui/frmDie.h"
#include "ui/frmEnding.h"
#include "ui/look.h"

#include <QCloseEvent>
#include <QScopedValueRollback>

namespace nupel {

namespace {

// The three room pictures, compiled into the program at every scale.
const QString roomPictureFiles[] = {QStringLiteral(":/pictures/nupelwha.bmp"),
                                    QStringLiteral(":/pictures/nupelwh1.bmp"),
                                    QStringLiteral(":/pictures/nupelwh2.bmp")};

QLabel *makeImage(QWidget *parent, const char *name, QRect geometry)
{
    auto *image = new QLabel(parent);
    image->setObjectName(QLatin1String(name));
    image->setGeometry(geometry);
    return image;
}

} // namespace

frmMain::frmMain(PetState &state, RandomSource &random, Platform &platform, QWidget *parent)
    : QWidget(parent), m_state(state), m_random(random), m_platform(platform)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Nupel"));
    setFixedSize(twipsToPixels(7905), twipsToPixels(6180));
    setFont(gameFont());

    Label2 = makeCaptionLabel(this, "Label2", QStringLiteral("Ｎａｍｅ"), twipsRect(240, 0, 975, 255));
    Label1 = makeCaptionLabel(this, "Label1", QStringLiteral("namae"), twipsRect(600, 240, 2415, 375));
    Label4 = makeCaptionLabel(this, "Label4", QStringLiteral("Ｔｙｐｅ"), twipsRect(2760, 0, 1095, 255));
    Label3 = makeCaptionLabel(this, "Label3", QStringLiteral("Label3"), twipsRect(3120, 240, 1695, 375));
    Label5 = makeCaptionLabel(this, "Label5", QStringLiteral("Label5"), twipsRect(5160, 0, 375, 255));
    Label6 = makeCaptionLabel(this, "Label6", QStringLiteral("代目"), twipsRect(5640, 0, 495, 255));
    Label7 = makeCaptionLabel(this, "Label7", QStringLiteral("namae2"), twipsRect(5160, 240, 2415, 375));
    Label16 = makeCaptionLabel(this, "Label16", QStringLiteral("年齢"), twipsRect(720, 720, 615, 255));
    Label17 = makeCaptionLabel(this, "Label17", QStringLiteral("0歳"), twipsRect(1080, 960, 405, 240));
    Label13 = makeCaptionLabel(this, "Label13", QStringLiteral("Cash"), twipsRect(3000, 720, 735, 255));
    Label14 = makeCaptionLabel(this, "Label14", QStringLiteral("10000円"), twipsRect(3240, 960, 945, 240));
    Label11 = makeCaptionLabel(this, "Label11", QStringLiteral("卵の数"), twipsRect(4920, 720, 975, 255));
    Label12 = makeCaptionLabel(this, "Label12", QStringLiteral("0個"), twipsRect(5400, 960, 405, 240));

    Picture1 = new PictureBox(twipsRect(240, 1320, 4335, 3375), this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Image1 = makeCaptionLabel(Picture1, "Image1", QString(), twipsRect(120, 2760, 480, 480));
    movePet(petStartPosition);

    Label8 = makeCaptionLabel(this, "Label8", QStringLiteral("餌について"), twipsRect(4680, 1320, 1455, 255));
    Image2 = makeImage(this, "Image2", twipsRect(5040, 1680, 480, 480));
    Label9 = makeCaptionLabel(this, "Label9", QStringLiteral("気分について"), twipsRect(4680, 2280, 1455, 255));
    Image3 = makeImage(this, "Image3", twipsRect(5040, 2640, 480, 480));
    Label10 = makeCaptionLabel(this, "Label10", QStringLiteral("部屋について"), twipsRect(4680, 3240, 1455, 255));
    Image4 = makeImage(this, "Image4", twipsRect(5040, 3600, 480, 480));

    Command1 = makeButton(this, "Command1", feedCaption, twipsRect(6120, 1560, 1695, 615));
    Command2 = makeButton(this, "Command2", doctorCaption, twipsRect(6120, 2520, 1695, 615));
    Command3 = makeButton(this, "Command3", cleanCaption, twipsRect(6120, 3480, 1695, 615));
    Command4 = makeButton(this, "Command4", sellEggsCaption, twipsRect(6120, 4440, 1695, 615));

    Label18 = makeCaptionLabel(this, "Label18", QString(), twipsRect(120, 4920, 90, 270));
    Label19 = makeCaptionLabel(this, "Label19", QString(), twipsRect(5280, 4860, 135, 135));
    // The small square has the colour of caption text and nothing in it.
    Label19->setAutoFillBackground(true);
    QPalette square = Label19->palette();
    square.setColor(QPalette::Window, square.color(QPalette::HighlightedText));
    Label19->setPalette(square);
    // The longest chatter lines run across the square: the words stay on top
    // and let clicks through, so the square still reacts under them.
    Label18->raise();
    Label18->setAttribute(Qt::WA_TransparentForMouseEvents);

    Command5 = makeButton(this, "Command5", pauseCaption, twipsRect(3360, 5400, 1455, 615));
    Command6 = makeButton(this, "Command6", QStringLiteral("Push to End"), twipsRect(6120, 5400, 1695, 615));

    // Design-time pictures: the pet and the three faces until the first tick.
    const QString designIcon = petTypes().front().iconFile;
    showPicture(Image1, m_pictures.load(designIcon));
    for (QLabel *face : {Image2, Image3, Image4})
        showPicture(face, m_pictures.load(QStringLiteral("muki1.ico")));
    // The other two rooms are read when first shown: many games never leave
    // the first, and each room holds a quarter of a megabyte once decoded.
    imgNupelwha = m_pictures.load(roomPictureFiles[0]);

    // What a screen reader says of the pictures and of the caption-less
    // square; the square is named for what it looks like, nothing more.
    setSpokenName(Picture1, QStringLiteral("部屋"));
    setSpokenName(Image1, QStringLiteral("ペット"));
    setSpokenName(Image2, Label8->text());
    setSpokenName(Image3, Label9->text());
    setSpokenName(Image4, Label10->text());
    setSpokenName(Label19, QStringLiteral("白い四角"));
    for (const MainLabel which : {MainLabel::Label1, MainLabel::Label3, MainLabel::Label5, MainLabel::Label7,
                                  MainLabel::Label12, MainLabel::Label14, MainLabel::Label17, MainLabel::Label18})
        describeLabel(which);
    describePicture(MainImage::Image1, designIcon);
    for (const MainImage face : {MainImage::Image2, MainImage::Image3, MainImage::Image4})
        describePicture(face, QStringLiteral("muki1.ico"));

    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setTimerType(Qt::PreciseTimer);
    Timer1.setInterval(100);
    connectHandlers();
    Timer1.start();
}

void frmMain::connectHandlers()
{
    connect(&Timer1, &QTimer::timeout, this, &frmMain::Timer1_Timer);
    connect(Command1, &QPushButton::clicked, this, &frmMain::command1_click);
    connect(Command2, &QPushButton::clicked, this, &frmMain::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frmMain::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &frmMain::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &frmMain::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &frmMain::Command6_Click);
    connect(Image1, &CaptionLabel::clicked, this, &frmMain::Image1_Click);
    connect(Label4, &CaptionLabel::mouseReleased, this, &frmMain::Label4_MouseUp);
    connect(Label12, &CaptionLabel::doubleClicked, this, &frmMain::Label12_DblClick);
    connect(Label17, &CaptionLabel::doubleClicked, this, &frmMain::Label17_DblClick);
    connect(Label19, &CaptionLabel::clicked, this, &frmMain::Label19_Click);
    connect(Picture1, &PictureBox::clicked, this, &frmMain::Picture1_Click);
}

void frmMain::Form_Load()
{
    startPlay(m_state, *this);
}

void frmMain::Timer1_Timer()
{
    // While a notice of the tick is open the pet waits: a type change cannot
    // start a second one and no laying is lost.
    if (m_petWaits)
        return;
    const QScopedValueRollback waiting(m_petWaits, true);
    mainTimerEvent(m_state, m_random, *this, m_platform);
}

void frmMain::command1_click()
{
    openCareDialog<frmGiveEsa>(m_state, this, m_random, m_platform);
}

void frmMain::Command2_Click()
{
    openCareDialog<frmMedical>(m_state, this, m_platform);
}

void frmMain::Command3_Click()
{
    openCareDialog<frmClean>(m_state, this, m_platform);
}

void frmMain::Command4_Click()
{
    openCareDialog<frmBuyEgg>(m_state, this);
}

void frmMain::Command5_Click()
{
    const PauseChange change = togglePause(m_state);
    if (change == PauseChange::Unchanged)
        return;
    const bool paused = change == PauseChange::Paused;
    Command5->setText(paused ? QStringLiteral("休止解除") : pauseCaption);
    for (QPushButton *button : {Command1, Command2, Command3, Command4, Command6})
        button->setEnabled(!paused);
}

void frmMain::Command6_Click()
{
    suspendForQuit(m_state);
    m_platform.beep();
    hideWindow();
    {
        frmEnding ending(m_state, m_random, m_platform);
        ending.exec();
    }
    // Only a cancelled quit comes back here.
    showWindow();
}

void frmMain::Image1_Click()
{
    setCaption(MainLabel::Label18, chatterLine(m_random));
}

void frmMain::Label4_MouseUp(int Button, int Shift, float, float)
{
    gambleMoney(m_state, m_random, Button, Shift);
}

void frmMain::Label12_DblClick()
{
    setBestEggPrice(m_state);
}

void frmMain::Label17_DblClick()
{
    Timer1.setInterval(toggleTimerSpeed(speedToggle));
}

void frmMain::Label19_Click()
{
    // The pet also waits while the accident is told, so no laying notice
    // opens on top of it.
    const QScopedValueRollback waiting(m_petWaits, true);
    trafficAccident(m_state, m_platform);
}

void frmMain::Picture1_Click()
{
    showRoomPicture(nextRoomPicture(m_state));
}

CaptionLabel *frmMain::label(MainLabel which) const
{
    switch (which) {
    case MainLabel::Label1: return Label1;
    case MainLabel::Label3: return Label3;
    case MainLabel::Label5: return Label5;
    case MainLabel::Label7: return Label7;
    case MainLabel::Label12: return Label12;
    case MainLabel::Label14: return Label14;
    case MainLabel::Label17: return Label17;
    case MainLabel::Label18: return Label18;
    }
    return Label18;
}

QLabel *frmMain::image(MainImage which) const
{
    switch (which) {
    case MainImage::Image1: return Image1;
    case MainImage::Image2: return Image2;
    case MainImage::Image3: return Image3;
    case MainImage::Image4: return Image4;
    }
    return Image1;
}

void frmMain::setCaption(MainLabel which, const QString &text)
{
    label(which)->setCaption(text);
    describeLabel(which);
}

void frmMain::describeLabel(MainLabel which)
{
    // Each figure reads as a whole phrase, its heading and unit included.
    const QString text = label(which)->text();
    switch (which) {
    case MainLabel::Label1: setSpokenName(Label1, QStringLiteral("名前 ") + text); break;
    case MainLabel::Label3: setSpokenName(Label3, QStringLiteral("タイプ ") + text); break;
    case MainLabel::Label5:
    case MainLabel::Label7:
        setSpokenName(Label5, QStringLiteral("世代 ") + Label5->text() + QStringLiteral("代目"));
        setSpokenName(Label7, Label5->text() + QStringLiteral("代目 ") + Label7->text());
        break;
    case MainLabel::Label12: setSpokenName(Label12, QStringLiteral("卵の数 ") + text); break;
    case MainLabel::Label14: setSpokenName(Label14, QStringLiteral("所持金 ") + text); break;
    case MainLabel::Label17: setSpokenName(Label17, QStringLiteral("年齢 ") + text); break;
    case MainLabel::Label18:
        // A new name is announced: the player hears the pet speak.
        setSpokenName(Label18, text.isEmpty() ? QStringLiteral("ペットは黙っています")
                                              : QStringLiteral("ペットの言葉「%1」").arg(text));
        break;
    }
}

void frmMain::describePicture(MainImage which, const QString &fileName)
{
    if (which == MainImage::Image1) {
        for (const PetTypeRow &row : petTypes()) {
            if (row.iconFile == fileName) {
                setSpokenDescription(Image1, row.name + QStringLiteral(" タイプのＮｕｐｅｌ"));
                return;
            }
        }
        return;
    }
    const CaptionLabel *heading = which == MainImage::Image2 ? Label8 : which == MainImage::Image3 ? Label9 : Label10;
    setSpokenDescription(image(which), heading->text() + QLatin1Char(' ') + faceCondition(fileName));
}

void frmMain::loadPicture(MainImage which, const QString &fileName)
{
    // The tick loads the three faces every second, mostly the ones already
    // shown; showing the same picture again leaves the label alone.
    const ScaledPicture picture = m_pictures.load(fileName);
    if (picture.isNull())
        return;
    showPicture(image(which), picture);
    describePicture(which, fileName);
}

void frmMain::showRoomPicture(int number)
{
    const int slot = number == 2 ? 1 : number == 3 ? 2 : 0;
    ScaledPicture &picture = slot == 1 ? imgNupelwh1 : slot == 2 ? imgNupelwh2 : imgNupelwha;
    if (picture.isNull())
        picture = m_pictures.load(roomPictureFiles[slot]);
    if (picture.isNull())
        return;
    Picture1->setPicture(picture);
    static const QString rooms[] = {QStringLiteral("青空に渦巻きの太陽と緑の丘の部屋"),
                                    QStringLiteral("灰色の空に緑の球と青い惑星の部屋"),
                                    QStringLiteral("色とりどりの丸と四角の部屋")};
    setSpokenDescription(Picture1, rooms[slot]);
}

QPoint frmMain::petPosition() const
{
    return m_petTwips;
}

void frmMain::movePet(QPoint twips)
{
    // A screen shows some sixty pictures a second. At the normal pace every
    // step is drawn at once; in fast-forward the pet steps a thousand times a
    // second, and drawing each step would cost most of the event for
    // pictures nobody sees, so only the latest step of a frame is drawn.
    m_petTwips = twips;
    m_petFrames.moved();
}

void frmMain::drawPet()
{
    Image1->move(Picture1->innerOrigin() + m_petTwips / 15);
}

void frmMain::showWindow()
{
    show();
}

void frmMain::hideWindow()
{
    hide();
}

void frmMain::openDeathScreen()
{
    auto *deathScreen = new frmDie(m_state, m_random, m_platform, *this);
    deathScreen->setAttribute(Qt::WA_DeleteOnClose);
    deathScreen->Form_Load();
}

void frmMain::closeEvent(QCloseEvent *event)
{
    // The close box is "Push to End": the quit dialog decides, and the window
    // only hides meanwhile. The dialog opens once the close has been refused,
    // outside the close's own handling; while paused it does not open, as the
    // button cannot be pressed then.
    event->ignore();
    QTimer::singleShot(0, this, [this] {
        if (isVisible() && Command6->isEnabled())
            Command6_Click();
    });
}

} // namespace nupel
