#pragma once

#include <QColor>
#include <QLabel>

class QMenu;

// A label that works as a hyperlink: blue and underlined, purple while the mouse button is down,
// a hand cursor over it, and a pop-up menu whose "Copy" puts the caption on the clipboard. A click
// asks for its target to be opened: the URL, or the caption when the URL is blank.
class TUrlLabel : public QLabel {
    Q_OBJECT
public:
    static QColor normalColor() { return {0, 0, 255}; }
    static QColor activeColor() { return {128, 0, 128}; }

    explicit TUrlLabel(QWidget* parent = nullptr);

    QString URL() const { return url_; }
    void setURL(const QString& url) { url_ = url; }
    // The trimmed URL, or the trimmed caption when the URL is blank.
    QString target() const;
    QColor fontColor() const;
    QMenu* popupMenu() const { return popupMenu_; }

signals:
    // The target to open with the desktop's default handler; never empty.
    void openRequested(const QString& target);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void setFontColor(const QColor& color);

    QString url_;
    QColor rememberedColor_;
    bool pressed_ = false;
    QMenu* popupMenu_;
};
