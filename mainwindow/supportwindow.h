#pragma once

#include <QDialog>
#include <QList>

class QGridLayout;
class QLabel;
class UrlLabel;

// The support window: the program's version, the data folder
// (a link that opens it in the file manager) and the support contacts from
// the "支援" section of sys.ini; rows without data are hidden. Created once
// and filled afresh each time it opens; closing only hides it, so links
// keep their visited colour.
class SupportWindow : public QDialog
{
    Q_OBJECT

public:
    explicit SupportWindow(QWidget *parent = nullptr);

    UrlLabel *folderLink() const { return m_folder; }
    // The shown contact links, in key order.
    QList<UrlLabel *> links() const;
    // Reads sys.ini in the working directory again.
    void refresh();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLabel *addRow(const QString &name, const QString &caption, QLabel *value);
    void setRow(QLabel *value, const QString &text);

    QGridLayout *m_rows;
    QLabel *m_version;
    UrlLabel *m_folder;
    QLabel *m_phone;
    QLabel *m_fax;
    QLabel *m_remote;
    QList<UrlLabel *> m_links; // one per possible link, hidden when unused
};
