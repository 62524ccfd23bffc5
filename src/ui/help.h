// Help > Contents: a topic of the help file "qelvorn.chm" beside the program
// (for an installed program: in its data folder, PREFIX/share/qelvorn).
//
// A compiled HTML Help file is handed to the platform's help viewer. The
// help file shipped with the program is one HTML document whose topics are
// named anchors; it is shown in the program's own help window at the topic.
// A missing file shows nothing and no message.
#pragma once

#include <QString>
#include <QTextBrowser>
#include <QUrl>
#include <QWidget>
#include <functional>

namespace qelvorn::ui {

inline constexpr const char* kHelpFile = "qelvorn.chm";
inline constexpr const char* kHelpContentsTopic = "Introduction.htm";

// The program's own help window: the help document with its topic links.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);
    // Loads the document (when it is not the one shown) and scrolls to the
    // topic.
    void ShowTopic(const QString& fileName, const QString& html, const QString& topic);
    QTextBrowser* browser() const { return browser_; }
    QString fileName() const { return fileName_; }
    QString topic() const { return topic_; }

private:
    QTextBrowser* browser_;
    QString fileName_, topic_;
};

class Help {
public:
    // Opens a file with the platform's own viewer for it; the result is
    // ignored by the help command.
    using PlatformOpen = std::function<bool(const QUrl&)>;

    // programDir: the folder of the program; open: the platform's opener
    // (the desktop services unless a test replaces it).
    explicit Help(QString programDir, PlatformOpen open = {});
    ~Help();
    Help(const Help&) = delete;
    Help& operator=(const Help&) = delete;

    // The full name of the help file: beside the program, or where an
    // installed program's data is.
    QString FileName() const;
    // Shows a topic of the help file: by the platform's viewer for a
    // compiled file, in the help window otherwise. False when the file is
    // missing or unreadable; nothing is shown then.
    bool ShowTopic(const QString& topic);
    bool ShowContents() { return ShowTopic(kHelpContentsTopic); }

    // The help window, once a topic has been shown in it.
    HelpWindow* window() const { return window_; }

private:
    QString dir_;
    PlatformOpen open_;
    HelpWindow* window_ = nullptr;
};

}  // namespace qelvorn::ui
