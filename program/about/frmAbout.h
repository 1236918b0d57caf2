// The About window: the program's name, its version and a formatted description read
// from text/About.rtf. It does not block the main window and deletes itself when closed.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QTextEdit;

class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget *parent = nullptr);
    ~frmAbout() override;

    // The load step: icon, caption, version, the rich text.
    void Form_Load();

    void cmdOK_Click();

    QLabel *lblTitle = nullptr;
    QLabel *lblVersion = nullptr;
    QTextEdit *rtBox = nullptr;
    QPushButton *cmdOK = nullptr;

    // The largest About text read; a bigger file is no About text.
    static constexpr qint64 MaxTextBytes = 1024 * 1024;
};
