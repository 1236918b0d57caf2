#include "about/frmAbout.h"

#include "about/RtfReader.h"
#include "controls/AppInfo.h"
#include "controls/Builders.h"
#include "controls/Twips.h"
#include "startup/modGlobal.h"

#include <QFile>
#include <QIcon>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>

namespace {

// Client area in twips.
constexpr int ClientWidth = 4875;
constexpr int ClientHeight = 3750;

// The About text, or a short notice when it cannot be read: the window opens either way.
QByteArray aboutText(const QString &path) {
    QFile file(path);
    if (file.open(QIODevice::ReadOnly) && file.size() <= frmAbout::MaxTextBytes)
        return file.read(frmAbout::MaxTextBytes);
    return QByteArray();
}

} // namespace

frmAbout::frmAbout(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    // A fixed dialog border without minimize or maximize buttons.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setModal(false);
    setFont(QFont(QStringLiteral("Verdana"), 8));
    setFixedSize(Twips::ToPixels(ClientWidth), Twips::ToPixels(ClientHeight));

    lblTitle = new QLabel(QString::fromLatin1(controls::AppTitle), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setGeometry(Twips::Rect(120, 120, 4635, 435));
    lblTitle->setAlignment(Qt::AlignCenter);
    QFont titleFont(QStringLiteral("Comic Sans MS"), 12);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    QPalette titlePalette = lblTitle->palette();
    titlePalette.setColor(QPalette::Window, QColor(255, 255, 0));
    titlePalette.setColor(QPalette::WindowText, QColor(0, 0, 0));
    lblTitle->setPalette(titlePalette);
    lblTitle->setAutoFillBackground(true);

    lblVersion = new QLabel(this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblVersion->setGeometry(Twips::Rect(3960, 600, 735, 195));
    QFont versionFont(QStringLiteral("Verdana"));
    versionFont.setPointSizeF(8.25);
    versionFont.setBold(true);
    lblVersion->setFont(versionFont);

    rtBox = new QTextEdit(this);
    rtBox->setObjectName(QStringLiteral("rtBox"));
    rtBox->setGeometry(Twips::Rect(120, 840, 4635, 2295));
    rtBox->setReadOnly(true);
    // The scroll bar is there from the start: appearing once the text is laid out, it would
    // narrow the box and have a long text laid out a second time.
    rtBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    rtBox->setTabChangesFocus(true);
    controls::NameInput(rtBox, QStringLiteral("About ") + QString::fromLatin1(controls::AppTitle));

    cmdOK = controls::Button(this, QStringLiteral("cmdOK"), QStringLiteral("&OK"),
                             Twips::Rect(3060, 3225, 1680, 405));
    cmdOK->setStyleSheet(QStringLiteral("QPushButton { background-color: #e0e0e0; color: black;"
                                        " border: 1px solid #808080; border-radius: 2px; }"
                                        " QPushButton:focus { border: 2px solid #404040; }"
                                        " QPushButton:pressed { background-color: #c8c8c8; }"));
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    cmdOK->setFocus();
}

frmAbout::~frmAbout() = default;

void frmAbout::Form_Load() {
    const QIcon icon(modGlobal::AppPath(QStringLiteral("images/earth.ico")));
    if (!icon.availableSizes().isEmpty())
        setWindowIcon(icon);
    setWindowTitle(QStringLiteral("About ") + QString::fromLatin1(controls::AppTitle));
    lblVersion->setText(QLatin1Char('v') + controls::AppVersion());

    const QByteArray text = aboutText(modGlobal::AppPath(QStringLiteral("text/About.rtf")));
    if (text.isEmpty())
        rtBox->setPlainText(QString::fromLatin1(controls::AppTitle) + QStringLiteral(" ") +
                            controls::AppVersion() +
                            QStringLiteral("\n\nThe description of the program (text/About.rtf) could not "
                                           "be read."));
    else
        rtf::Read(text, *rtBox->document());
    // Read from the top.
    rtBox->moveCursor(QTextCursor::Start);
}

void frmAbout::cmdOK_Click() {
    close();
}
