#include "atomara/main/frm_splash.h"

#include "atomara/main/app_icon.h"
#include "atomara/main/version.h"
#include "platform/gui/application.h"
#include "platform/gui/scaling.h"

#include <QLabel>
#include <QTimer>

namespace atomara {

using platform::DesignPx;
using platform::DesignRect;

TfrmSplash::TfrmSplash(int timerIntervalMs)
    : QFrame(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , imgIcon_(new QLabel(this))
    , lblVer_(new QLabel(this))
    , tmrSplash_(new QTimer(this))
{
    // A raised frame although there is no caption bar.
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(DesignPx(3));
    setFixedSize(platform::DesignSize(460, 196));
    setAutoFillBackground(true);

    imgIcon_->setPixmap(AppIcon().pixmap(DesignPx(32), DesignPx(32)));
    imgIcon_->setGeometry(DesignRect(24, 24, 32, 32));

    auto* title = new QLabel(QStringLiteral("Atomara"), this);
    QFont titleFont = font();
    titleFont.setPixelSize(DesignPx(28));
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->move(DesignPx(76), DesignPx(18));
    title->adjustSize();

    lblVer_->setText(QString::fromLatin1(kVersionText));
    QFont versionFont = font();
    versionFont.setPixelSize(DesignPx(16));
    lblVer_->setFont(versionFont);
    lblVer_->move(DesignPx(78), DesignPx(64));
    lblVer_->adjustSize();

    auto* subtitle = new QLabel(QStringLiteral("The periodic table of the elements 1 to 109"), this);
    subtitle->setWordWrap(true);
    subtitle->setGeometry(DesignRect(78, 100, 370, 40));
    auto* loading = new QLabel(QStringLiteral("Loading element data..."), this);
    loading->move(DesignPx(78), DesignPx(150));
    loading->adjustSize();

    // Clicks on the labels reach the window, so any click ends the wait.
    for (QLabel* label : findChildren<QLabel*>())
        label->setAttribute(Qt::WA_TransparentForMouseEvents);

    platform::CenterOnScreen(*this);

    tmrSplash_->setInterval(timerIntervalMs);
    connect(tmrSplash_, &QTimer::timeout, this, [this] { tmrSplashTimer(); });
    tmrSplash_->start();
}

void TfrmSplash::mousePressEvent(QMouseEvent*) { SplashClick(); }

} // namespace atomara
