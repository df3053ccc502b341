#include "app/frmAbout.h"

#include "chat/ChatLook.h"
#include "common/AppIcon.h"
#include "startup/ProgramFolder.h"
#include "common/WindowMetrics.h"
#include "common/modPublic.h"

#include <QFrame>
#include <QLabel>

frmAbout::frmAbout(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Orvia"));
    setWindowIcon(AppIcon());
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(TwipsSize(7200, 4800, this));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);
    setAutoFillBackground(true);

    lblTitle = new QLabel(QStringLiteral("About Orvia - The Chatterbot"), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setFont(ImpactFont(24));
    lblTitle->setGeometry(TwipsRect(240, 180, 6720, 600, this));
    FitCaption(lblTitle);

    linRule = new QFrame(this);
    linRule->setObjectName(QStringLiteral("linRule"));
    linRule->setFrameShape(QFrame::NoFrame);
    linRule->setAutoFillBackground(true);
    QPalette rule = linRule->palette();
    rule.setColor(QPalette::Window, QColor(128, 128, 128));
    linRule->setPalette(rule);
    linRule->setGeometry(TwipsRect(240, 840, 6720, 30, this));

    lblAbout = new QLabel(this);
    lblAbout->setObjectName(QStringLiteral("lblAbout"));
    lblAbout->setWordWrap(true);
    lblAbout->setTextFormat(Qt::PlainText);
    lblAbout->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblAbout->setFont(MsSansSerifFont(9));
    lblAbout->setText(QStringLiteral(
        "Orvia is a chatterbot: a program that chats with you in plain sentences. Choose \"Talk to Orvia\" "
        "from the Orvia menu, and she greets you and asks for your name. Type one word, your first name, "
        "and press Enter; after that, type whatever you want to say and press Enter again. Orvia looks for "
        "words she knows in your sentence and answers from the knowledge files in her data folder, so the "
        "more you tell her, the more she has to go on. To watch her talk to herself, choose \"Orvia and "
        "Orvia\".\n\n"
        "Her knowledge files are in the data folder and her logs in the logs folder of her program folder, "
        "here %1. That is the program's own folder when a data folder sits beside the program; otherwise, "
        "as for an installed Orvia, it is %2 ($XDG_DATA_HOME/orvia, by default ~/.local/share/orvia), made "
        "at the first start with a copy of the knowledge base she ships with and never overwritten "
        "afterwards.\n\nVersion %3")
                          .arg(modPublic::ProgramFolder, PerUserProgramFolder(), QStringLiteral(ORVIA_VERSION)));
    lblAbout->setGeometry(TwipsRect(240, 1020, 6720, 3600, this));
}
