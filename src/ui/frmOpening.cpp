#include "ui/frmOpening.h"

#include "ui/frmInputName.h"
#include "ui/look.h"

#include <QCloseEvent>

namespace nupel {

namespace {
const QString titlePicture1 = QStringLiteral("nupelwop.bmp");
const QString titlePicture2 = QStringLiteral("nupelwo2.bmp");
const QString titlePicture3 = QStringLiteral("nupelwo3.bmp");
} // namespace

frmOpening::frmOpening(PetState &state, ClockRandom &random, Platform &platform, QWidget *parent)
    : GameDialog("frmOpening", QStringLiteral("Let's play Nupel!!"), QSize(338, 316), gameFont(), EscapeKey::Closes,
                 parent),
      m_state(state), m_random(random), m_platform(platform)
{
    // The picture box's border lies around the 313 × 225 title picture.
    Picture1 = new PictureBox(QRect(10, 8, 317, 229), this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAccessibleName(QStringLiteral("Ｎｕｐｅｌ のタイトル画面"));
    Picture1->setAccessibleDescription(QStringLiteral("Ｎｕｐｅｌ たちが丘に集まる絵"));

    Command1 = makeButton(this, "Command1", QStringLiteral("Push to start"), QRect(64, 247, 209, 57));
    Command1->setFont(gameFont(gothic));
    Command1->setDefault(true);

    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setInterval(1000);
    connect(&Timer1, &QTimer::timeout, this, &frmOpening::Timer1_Timer);
    connect(Command1, &QPushButton::clicked, this, &frmOpening::command1_click);
}

void frmOpening::Form_Load()
{
    Picture1->setPicture(m_pictures.load(titlePicture1));
    m_random.seedFromClock();
    m_state.setNewGameValues();
    Timer1.start();
}

void frmOpening::Timer1_Timer()
{
    m_counter = static_cast<qint16>(m_counter + 1);
    if (m_counter == 0) {
        Picture1->setPicture(m_pictures.load(titlePicture1));
    } else if (m_counter == 1) {
        Picture1->setPicture(m_pictures.load(titlePicture2));
    } else if (m_counter == 2) {
        Picture1->setPicture(m_pictures.load(titlePicture3));
        m_counter = -1;
    }
}

void frmOpening::command1_click()
{
    hide();
    auto *nameEntry = new frmInputName(m_state, m_random, m_platform);
    nameEntry->setAttribute(Qt::WA_DeleteOnClose);
    connect(nameEntry, &frmInputName::loaded, this, &frmOpening::unload);
    nameEntry->Form_Load();
    nameEntry->show();
}

void frmOpening::unload()
{
    Timer1.stop();
    hide();
    deleteLater();
}

void frmOpening::closeEvent(QCloseEvent *event)
{
    event->accept();
    m_platform.endProgram();
}

} // namespace nupel
