#include "tools/FrmGenerateCRC.h"

#include "common/AppIcon.h"
#include "common/Dialogs.h"
#include "common/DataFolder.h"
#include "common/WindowMetrics.h"
#include "tools/CRCfile.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

FrmGenerateCRC::FrmGenerateCRC(QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("FrmGenerateCRC"));
    setWindowTitle(QStringLiteral("Generate CRC String"));
    setWindowIcon(AppIcon());

    Files = new QListWidget(this);
    Files->setObjectName(QStringLiteral("Files"));
    Files->setSelectionMode(QAbstractItemView::SingleSelection);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    Text1->setEnabled(false);
    Text1->setFont(QFont(QStringLiteral("Monospace")));
    Command1 = new QPushButton(QStringLiteral("&Generate CRC"), this);
    Command1->setObjectName(QStringLiteral("Command1"));

    auto *side = new QVBoxLayout;
    side->addWidget(Label1);
    side->addWidget(Label2);
    side->addSpacing(TwipsToPixels(120, this));
    side->addWidget(Text1);
    side->addStretch(1);
    side->addWidget(Command1);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(Files, 1);
    layout->addLayout(side, 1);
    setFixedSize(TwipsSize(6600, 3600, this));

    connect(Files, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) { Files_Click(item->text()); });
    // Moving through the list with the keyboard picks a file as a click does.
    connect(Files, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem *> selected = Files->selectedItems();
        if (!selected.isEmpty())
            Files_Click(selected.first()->text());
    });
    connect(Command1, &QPushButton::clicked, this, &FrmGenerateCRC::Command1_Click);
}

void FrmGenerateCRC::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        Form_Load();
    QWidget::showEvent(event);
}

void FrmGenerateCRC::Form_Load()
{
    m_sFolder = DataFolder::DataDir();
    const QSignalBlocker block(Files);
    Files->clear();
    Files->addItems(QDir(m_sFolder).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase));
}

void FrmGenerateCRC::Files_Click(const QString &sName)
{
    m_sSelectedFile = sName;
    Label1->setText(sName);
    const QFileInfo file(m_sFolder + QLatin1Char('/') + sName);
    // A file removed since the list was filled has no size to show.
    Label2->setText(file.isFile() ? QStringLiteral("Size: %1 Bytes").arg(file.size())
                                  : QStringLiteral("This file no longer exists."));
}

void FrmGenerateCRC::Command1_Click()
{
    if (m_sSelectedFile.isEmpty())
        return;
    const std::optional<QString> sCRC = CRCfile::GetCRCforFile(m_sFolder + QLatin1Char('/') + m_sSelectedFile);
    if (!sCRC)
        Dialogs::ShowFailure(CRCfile::kReadFailure);
    // A file that could not be read leaves no stale CRC beside its name.
    Text1->setText(sCRC.value_or(QString()));
    if (sCRC)
        Text1->setEnabled(true);
}
