#include "startup/frmSplash.h"

#include "controls/AppInfo.h"
#include "controls/Builders.h"
#include "controls/Twips.h"
#include "controls/WaitPointer.h"

#include "startup/modGlobal.h"

#include <QFont>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QScreen>

namespace {

constexpr int SplashWidth = 7380;
constexpr int SplashHeight = 4800;

std::function<void()> &waitOverride() {
    static std::function<void()> wait;
    return wait;
}

void waitForNextSecond() {
    if (waitOverride()) {
        waitOverride()();
        return;
    }
    short seconds = 0;
    modGlobal::Pause(seconds);
}

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, const QRect &geometry,
                  int pointSize, bool bold, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    QLabel *label = controls::Label(parent, text, geometry);
    label->setObjectName(QString::fromLatin1(name));
    QFont font(QStringLiteral("Arial"), pointSize);
    font.setBold(bold);
    label->setFont(font);
    label->setAlignment(alignment);
    return label;
}

} // namespace

frmSplash::frmSplash(QWidget *parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QString::fromLatin1(controls::AppTitle));
    setFixedSize(Twips::ToPixels(SplashWidth), Twips::ToPixels(SplashHeight));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(255, 255, 255));
    palette.setColor(QPalette::WindowText, QColor(0, 0, 0));
    setPalette(palette);

    auto *frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameShape(QFrame::Box);
    frame->setGeometry(Twips::Rect(120, 120, SplashWidth - 240, SplashHeight - 240));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(Twips::Rect(360, 540, 2400, 2400));
    Image1->setAlignment(Qt::AlignCenter);

    lblCompanyProduct = makeLabel(this, "lblCompanyProduct", QStringLiteral("Corvanth Software"),
                                  Twips::Rect(3000, 450, 4050, 360), 12, true);
    lblProductName = makeLabel(this, "lblProductName", QStringLiteral("Brisola"),
                               Twips::Rect(3000, 930, 4050, 840), 32, true);
    QPalette productPalette = lblProductName->palette();
    productPalette.setColor(QPalette::WindowText, QColor(0, 64, 128));
    lblProductName->setPalette(productPalette);
    lblVersion = makeLabel(this, "lblVersion", QStringLiteral("Version"), Twips::Rect(3000, 1860, 4050, 330),
                           11, true, Qt::AlignRight | Qt::AlignVCenter);
    Label1 = makeLabel(this, "Label1", QStringLiteral("Initializing..."), Twips::Rect(3000, 2550, 4050, 300),
                       9, false);

    proBar = new QProgressBar(this);
    proBar->setObjectName(QStringLiteral("proBar"));
    proBar->setGeometry(Twips::Rect(360, 3180, SplashWidth - 720, 300));
    proBar->setTextVisible(false);
    proBar->setVisible(false);

    lblCompany = makeLabel(this, "lblCompany", QStringLiteral("Corvanth Software and Web Design"),
                           Twips::Rect(360, 3720, SplashWidth - 720, 300), 9, true);
    Label2 = makeLabel(this, "Label2", QStringLiteral("www.corvanth.example"),
                       Twips::Rect(360, 4050, SplashWidth - 720, 300), 9, false);
}

frmSplash::~frmSplash() = default;

void frmSplash::SetWait(std::function<void()> wait) {
    waitOverride() = std::move(wait);
}

void frmSplash::Form_Load() {
    const controls::WaitPointer wait;
    lblVersion->setText(controls::AppVersion());
    // A missing or unreadable picture leaves the place empty.
    const QPixmap picture(modGlobal::AppPath(QStringLiteral("images/qd02_.png")));
    if (!picture.isNull())
        Image1->setPixmap(picture.scaled(Image1->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    proBar->setVisible(true);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    RunProgressBar();
}

void frmSplash::RunProgressBar() {
    proBar->setMinimum(0);
    proBar->setMaximum(16);
    int i = 0;
    for (;;) {
        proBar->setValue(i);
        ++i;
        if (i >= 16)
            break;
        waitForNextSecond();
        ++i;
    }
    unsetCursor();
}
