#pragma once
// Our own help viewer: a help file name and a topic number open an HTML page shipped
// with the program. "<folder>/name.hlp", topic N, is "<folder>/help/name/N.html";
// topic 0 is "<folder>/help/name/index.html".
#include <QDialog>

class QTextBrowser;

namespace platform {

QString HelpTopicPage(const QString& helpFile, int topic);

class HelpViewer : public QDialog {
    Q_OBJECT
public:
    static HelpViewer& Instance();
    void ShowTopic(const QString& helpFile, int topic);

private:
    HelpViewer();
    QTextBrowser* browser_;
};

} // namespace platform
