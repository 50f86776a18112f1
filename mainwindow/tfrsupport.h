#pragma once

#include <QDialog>

class UrlLabel;

// The support window FrSupport: how to reach technical support. Created
// once; closing only hides it, so links keep their visited colour.
class TFrSupport : public QDialog
{
    Q_OBJECT

public:
    explicit TFrSupport(QWidget *parent = nullptr);

    UrlLabel *siteLink() const { return lbl2; }
    UrlLabel *productLink() const { return lbl1; }

private:
    UrlLabel *lbl2;
    UrlLabel *lbl1;
};
