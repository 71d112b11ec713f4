#include "ui/frmDie.h"

#include "files/score_file.h"
#include "life/hatching.h"
#include "ui/Form10.h"
#include "ui/look.h"

namespace nupel {

namespace {

constexpr int windowWidth = 309;
constexpr int windowHeight = 368;

QLabel *makeLine(QWidget *parent, const char *name, const QString &text, int top)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(0, top, windowWidth, 22);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

frmDie::frmDie(PetState &state, RandomSource &random, Platform &platform, MainView &mainWindow, QWidget *parent)
    : GameDialog("frmDie", QStringLiteral("死亡"), QSize(windowWidth, windowHeight), gameFont(), EscapeKey::Ignored,
                 parent),
      m_state(state), m_random(random), m_platform(platform), m_mainWindow(mainWindow)
{
    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry((windowWidth - 113) / 2, 8, 113, 167);
    showPicture(Picture1, m_pictures.load(QStringLiteral(":/pictures/grave.bmp")));
    Picture1->setAccessibleName(QStringLiteral("お墓"));

    Label1 = makeLine(this, "Label1", QStringLiteral("残念ながら"), 184);
    Label2 = makeLine(this, "Label2", QStringLiteral("貴方の"), 206);
    Label3 = makeLine(this, "Label3", QStringLiteral("Label3"), 228);
    Label4 = makeLine(this, "Label4", QStringLiteral("亡くなりました"), 250);
    Label5 = makeLine(this, "Label5", QStringLiteral("Label5"), 272);

    Command1 = makeButton(this, "Command1", QStringLiteral("埋葬"), QRect((windowWidth - 113) / 2, 310, 113, 36));
    Command1->setDefault(true);
    Command1->setFocus();
    connect(Command1, &QPushButton::clicked, this, &frmDie::command1_click);
}

void frmDie::Form_Load()
{
    show();
    Label3->setText(m_state.petName + QStringLiteral("は") + m_state.deathCause + QStringLiteral("で"));
    Label5->setText(QStringLiteral("享年") + m_state.age.print() + QStringLiteral("歳"));
}

void frmDie::command1_click()
{
    if (hatchingDraw(m_state, m_random)) {
        auto *hatching = new Form10(m_state, m_platform, m_mainWindow);
        hatching->setAttribute(Qt::WA_DeleteOnClose);
        hatching->Form_Load();
        unload();
        return;
    }

    m_platform.messageBox(QStringLiteral("Ｇａｍｅ　Ｏｖｅｒ"), programTitle, NoticeButtons::Ok,
                          NoticeIcon::Exclamation);
    const NoticeAnswer answer =
        m_platform.messageBox(QStringLiteral("スコアファイルを作成しますか？"), QStringLiteral("スコアファイルの作成"),
                              NoticeButtons::YesNo, NoticeIcon::Question);
    if (answer == NoticeAnswer::Yes) {
        const WriteOutcome outcome = appendScoreRecord(m_state, m_random);
        if (outcome.written) {
            m_platform.messageBox(outcome.fileName + QStringLiteral("を作成しました。"), programTitle,
                                  NoticeButtons::Ok, NoticeIcon::None);
        } else {
            // The game is over either way; the player learns why there is no score.
            m_platform.messageBox(
                QStringLiteral("「%1」を作成できませんでした。\n%2").arg(outcome.fileName, outcome.reason),
                programTitle, NoticeButtons::Ok, NoticeIcon::Exclamation);
        }
    }
    m_platform.endProgram();
}

void frmDie::reject()
{
    if (m_unloading) {
        QDialog::reject();
        return;
    }
    m_platform.endProgram();
}

void frmDie::unload()
{
    m_unloading = true;
    close();
}

} // namespace nupel
