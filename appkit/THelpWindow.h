#pragma once

#include <QString>
#include <QWidget>

class QPushButton;
class QTextBrowser;

// The help window: the HTML help file of the current language in a browser with back and forward.
// Topics are anchors of the file; its title, once loaded, becomes the window's title. The Close button
// and Escape close it.
class THelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit THelpWindow(const QString& title, QWidget* parent = nullptr);

    // Shows `file` at `topic`, or at its start when the topic is empty, and brings the window to the
    // front. A file that does not exist shows nothing and returns false.
    bool showTopic(const QString& file, const QString& topic = {});

    QTextBrowser* browser() const { return browser_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QTextBrowser* browser_;
    QPushButton* close_;
    bool placed_ = false;
};
