#pragma once
// A collapsible band of a dialog: a heading that folds the band's fields in and out.
#include <QWidget>

class QFrame;
class QToolButton;

namespace wertan {

class FtpOptionsBand : public QWidget {
    Q_OBJECT
public:
    FtpOptionsBand(const QString& caption, bool expanded, QWidget* parent);
    QFrame* body() const { return body_; }
    bool expanded() const;
    void setExpanded(bool on);

private:
    QToolButton* heading_;
    QFrame* body_;
};

} // namespace wertan
