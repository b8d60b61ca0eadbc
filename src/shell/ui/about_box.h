#pragma once
// The about box "O programie": the program's name and version, the libraries it is built on with
// their versions and licences, and Qt's own about box.
#include <QDialog>
#include <QString>
#include <vector>

class QLabel;
class QPushButton;

namespace wertan {

struct BuiltOnLibrary {
    QString name;
    QString version;
    QString licence;
};

// The libraries the program is built on, with the versions it runs with or was built against.
std::vector<BuiltOnLibrary> builtOnLibraries();
// The program's version (the project version of the build).
QString programVersion();

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);
    void open() override;

    QLabel* programLabel() const { return program_; }
    QLabel* librariesLabel() const { return libraries_; }
    QPushButton* aboutQtButton() const { return aboutQt_; }
    QPushButton* okButton() const { return ok_; }

private:
    QLabel* program_ = nullptr;
    QLabel* libraries_ = nullptr;
    QPushButton* aboutQt_ = nullptr;
    QPushButton* ok_ = nullptr;
};

} // namespace wertan
