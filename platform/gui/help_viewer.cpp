#include "platform/gui/help_viewer.h"

#include "platform/gui/application.h"
#include "platform/gui/scaling.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace platform {

QString HelpTopicPage(const QString& helpFile, int topic)
{
    const QFileInfo info(helpFile);
    const QString page = topic == 0 ? QStringLiteral("index.html") : QStringLiteral("%1.html").arg(topic);
    return info.absolutePath() + "/help/" + info.completeBaseName().toLower() + "/" + page;
}

HelpViewer& HelpViewer::Instance()
{
    static auto* viewer = new HelpViewer; // lives until the application ends
    return *viewer;
}

HelpViewer::HelpViewer()
    : browser_(new QTextBrowser(this))
{
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    browser_->setOpenLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(DesignSize(560, 480));
}

void HelpViewer::ShowTopic(const QString& helpFile, int topic)
{
    const QString page = HelpTopicPage(helpFile, topic);
    setWindowTitle(ApplicationTitle() + QStringLiteral(" Help"));
    if (QFileInfo::exists(page)) {
        browser_->setSource(QUrl::fromLocalFile(page));
    } else {
        browser_->setHtml(QStringLiteral("<h3>No help page</h3><p>Topic %1 of %2 is not installed (%3).</p>")
                              .arg(topic)
                              .arg(QFileInfo(helpFile).fileName().toHtmlEscaped(), page.toHtmlEscaped()));
    }
    show();
    raise();
    activateWindow();
}

} // namespace platform
