#pragma once

#include <QDialog>

class QComboBox;
class QGroupBox;
class QPushButton;

// "Time Server List Edit": edits the server list file. Created for one use, shown modally,
// released when it closes; it reads the file afresh each time and writes it only on OK.
class TForm4 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm4(QWidget *parent = nullptr);

    QGroupBox *GroupBox1 = nullptr;
    QComboBox *ServerList = nullptr;
    QPushButton *AddButton = nullptr;
    QPushButton *DeleteButton = nullptr;
    QPushButton *OKButton = nullptr;
    QPushButton *CancelButton = nullptr;

public slots:
    void AddButtonClick();
    void DeleteButtonClick();
    void OKButtonClick();
    void CancelButtonClick();

private:
    void FormCreate();
};
