#include "ui/frmInputName.h"

#include "files/name_probe.h"
#include "files/save_file.h"
#include "ui/controls.h"
#include "ui/frmMain.h"
#include "ui/look.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QValidator>

namespace nupel {

namespace {

// Refuses any edit, typed or pasted, after which the name would no longer
// fit the box.
class NameBoxValidator final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override { return fitsNameBox(input) ? Acceptable : Invalid; }
};

} // namespace

frmInputName::frmInputName(PetState &state, RandomSource &random, Platform &platform, QWidget *parent)
    : GameDialog("frmInputName", QStringLiteral("名前の入力"), QSize(378, 173), gameFont(), EscapeKey::Closes, parent),
      m_state(state), m_random(random), m_platform(platform)
{
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(8, 8, 153, 71);
    PictureFiles pictures;
    showPicture(Image1, pictures.load(QStringLiteral(":/pictures/nameban.bmp")));
    Image1->setAccessibleName(QStringLiteral("Ｎｕｐｅｌ の看板"));

    Label1 = new QLabel(QStringLiteral("名前を入力してください (全角で10文字まで)"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(8, 92, 240, 20);
    Label1->setFont(gameFont(pGothic, 9, false));

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setAccessibleName(QStringLiteral("ペットの名前"));
    Text1->setGeometry(8, 118, 232, 28);
    Text1->setFont(gameFont(pGothic, 12, false));
    Text1->setValidator(new NameBoxValidator(Text1));
    Text1->installEventFilter(this);

    Command1 = makeButton(this, "Command1", QStringLiteral("Ｏ．Ｋ．"), QRect(254, 8, 116, 74));
    Command1->setFont(gameFont(pMincho));
    Command1->setDefault(true);

    Command2 = makeButton(this, "Command2", QStringLiteral("Ｌｏａｄ"), QRect(254, 91, 116, 74));
    Command2->setFont(gameFont(pMincho));

    connect(Command1, &QPushButton::clicked, this, &frmInputName::command1_click);
    connect(Command2, &QPushButton::clicked, this, &frmInputName::Command2_Click);
}

void frmInputName::Form_Load()
{
    Text1->setFocus();
    emit loaded();
}

bool frmInputName::Text1_KeyPress(int KeyAscii)
{
    if (KeyAscii != 13)
        return false;
    command1_click();
    return true;
}

bool frmInputName::eventFilter(QObject *watched, QEvent *event)
{
    // Enter is taken here, before the default button could answer it too.
    if (watched == Text1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return Text1_KeyPress(13);
    }
    return QDialog::eventFilter(watched, event);
}

void frmInputName::command1_click()
{
    if (!namePet(m_state, Text1->text())) {
        m_platform.messageBox(QStringLiteral("ファイル名として不適当な名前をつけることはできません。"), programTitle,
                              NoticeButtons::Ok, NoticeIcon::None);
        return;
    }
    startGame();
}

void frmInputName::Command2_Click()
{
    if (loadGame(m_state, m_platform))
        startGame();
}

void frmInputName::startGame()
{
    // The main window lives for the rest of the run.
    auto *mainWindow = new frmMain(m_state, m_random, m_platform);
    mainWindow->Form_Load();
    hide();
    deleteLater();
}

void frmInputName::closeEvent(QCloseEvent *event)
{
    event->accept();
    m_platform.endProgram();
}

} // namespace nupel
