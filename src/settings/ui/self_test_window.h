#pragma once
// The window "Autotest programu": the report of the delivered files, "Start", "&Zapisz jako..." and
// "&OK". Made once at start-up, which runs the test; commands it disables stay disabled.
#include "settings/self_test.h"

#include <QDialog>
#include <QSet>

class QPlainTextEdit;
class QPushButton;

namespace wertan {

class Prompts;

class SelfTestWindow : public QDialog {
    Q_OBJECT
public:
    // `disableCommand` disables one command by its stored name.
    SelfTestWindow(ProgramPaths paths, Prompts& prompts, SelfTestSetup setup, SelfTestFileCheck exists,
                   RestoreProgramOptions restore, std::function<void(const QString&)> disableCommand,
                   QWidget* parent = nullptr);

    // Clears the report, checks the files and disables the commands of missing ones.
    void runTest();
    // "&Zapisz jako...": asks for a file and writes the report's lines to it.
    void saveReport();
    // The window shown modally.
    void open() override;

    QStringList reportLines() const;
    // Every command the test has disabled in this run of the program.
    const QSet<QString>& disabledCommands() const { return disabled_; }
    QPlainTextEdit* reportField() const { return report_; }
    QPushButton* startButton() const { return start_; }
    QPushButton* saveButton() const { return save_; }
    QPushButton* okButton() const { return ok_; }

private:
    ProgramPaths paths_;
    Prompts& prompts_;
    SelfTestSetup setup_;
    SelfTestFileCheck exists_;
    RestoreProgramOptions restore_;
    std::function<void(const QString&)> disableCommand_;
    QSet<QString> disabled_;
    QPlainTextEdit* report_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* ok_ = nullptr;
};

} // namespace wertan
