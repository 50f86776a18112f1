#pragma once

#include <QLabel>

// A link label: shows a text and opens a target address with the desktop's
// handler when clicked. Unvisited links are in the highlight colour; a link
// that opened once turns purple for as long as the label lives.
class UrlLabel : public QLabel
{
    Q_OBJECT

public:
    explicit UrlLabel(const QString &text, QWidget *parent = nullptr);

    QString url() const { return m_url; }
    void setUrl(const QString &url) { m_url = url; }
    bool visited() const { return m_visited; }

    // The trimmed URL, or the shown text when there is none.
    QString target() const;
    // Opens the target; does nothing for an empty one. A failure shows
    // nothing and leaves the link unvisited.
    void open();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void applyColour();

    QString m_url;
    bool m_visited = false;
};
