#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// Lists the data folder's files and shows the size and CRC string of the one
// the user picks.
class FrmGenerateCRC : public QWidget {
    Q_OBJECT

public:
    explicit FrmGenerateCRC(QWidget *parent = nullptr);

    QListWidget *Files = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *Text1 = nullptr;
    QPushButton *Command1 = nullptr;


protected:
    void showEvent(QShowEvent *event) override;

private:
    void Form_Load();
    void Files_Click(const QString &sName);
    void Command1_Click();

    QString m_sFolder;
    QString m_sSelectedFile;
};
