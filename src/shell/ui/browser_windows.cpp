// The browser of the "Przeglądaj" page, the preview of the active document, the browser menu of the
// tool area, the mini browser and the help commands.
#include "browser/help_pages.h"
#include "browser/preview_address.h"
#include "browser/ui/browser_frame.h"
#include "browser/ui/mini_browser_window.h"
#include "platform/launcher.h"
#include "platform/prompts.h"
#include "shell/ui/docking.h"
#include "shell/ui/document_page.h"
#include "shell/ui/document_workspace.h"
#include "shell/ui/main_window.h"
#include "shell/ui/program_windows.h"

#include <QAction>
#include <QFileInfo>
#include <QTabWidget>
#include <QVBoxLayout>

namespace wertan {

namespace {

// The product's page: the program has no site of its own, so its page is the help's main page.
const QString kHomePage = kHelpMainPage;

class BrowserWiring : public QObject {
public:
    BrowserWiring(MainWindow& main, BrowserFrame* frame, MiniBrowserWindow* mini)
        : QObject(&main), main_(main), frame_(frame), mini_(mini) {}

    QAction* action(const char* name) const { return main_.action(QString::fromLatin1(name)); }
    QString page(const QString& relative) const {
        return programPageAddress(main_.services().paths, relative);
    }

    HelpDisplayMode helpMode() const {
        if (action("MenuView_Help_Window")->isChecked()) return HelpDisplayMode::InWindow;
        if (action("MenuView_Help_InLeftArea")->isChecked()) return HelpDisplayMode::InDockingArea;
        return HelpDisplayMode::InBrowser;
    }

    // The page the Help buttons load.
    QString helpButtonAddress() const { return page(helpButtonPage(action("MenuHelp_Main")->isEnabled())); }

    // Shows the browser page without the switch counting as a preview.
    void showBrowserPage() {
        QTabWidget* pages = main_.mainPageControl();
        main_.settings().helpNavigation = true;
        pages->setCurrentIndex(1);
        // Already on the page, the switch did not happen: the flag must not swallow the next preview.
        main_.settings().helpNavigation = false;
    }

    void showIn(HelpTarget target, const QString& address) {
        switch (target) {
        case HelpTarget::Nothing:
            return;
        case HelpTarget::BrowserPage:
            showBrowserPage();
            frame_->navigateTo(address);
            return;
        case HelpTarget::MiniBrowserFloat:
            floatWindow(main_, mini_);
            action("MenuPop_MiniBrowser")->setChecked(true);
            mini_->frame()->navigateTo(address);
            return;
        case HelpTarget::MiniBrowserDocked:
            dockWindow(main_, mini_);
            action("MenuPop_MiniBrowser")->setChecked(true);
            mini_->frame()->navigateTo(address);
            return;
        }
    }

    // ShowHelpPage.
    void showHelpPage(const QString& relative) {
        showIn(helpTarget(helpMode(), main_.dockingArea()->isVisibleTo(&main_)), page(relative));
    }

    PreviewChoice choice() const { return choice_; }
    void setChoice(PreviewChoice choice) {
        choice_ = choice;
        action("MenuPop_BrosFile")->setChecked(choice == PreviewChoice::TestAddress);
        action("MenuPop_BrosDocument")->setChecked(choice == PreviewChoice::ActiveDocument);
        action("MenuPop_NoBros")->setChecked(choice == PreviewChoice::Nothing);
    }

    // The address a preview or another browser gets for the current choice; empty for none.
    QString chosenAddress(bool reportProblem) {
        ShellSettings& s = main_.settings();
        DocumentPage* p = main_.workspace().activePage();
        QString error;
        const auto address = previewAddress(choice_, s.testUrl, p && !p->isRemote() ? p->path() : QString(),
                                            s.documentRoot, &error);
        if (!address && !error.isEmpty() && reportProblem) main_.services().prompts.message(error);
        return address.value_or(QString());
    }

    // PreviewActiveDocument: the user switched to the "Przeglądaj" page.
    void previewActiveDocument() {
        ShellSettings& s = main_.settings();
        if (s.helpNavigation) {
            s.helpNavigation = false;
            return;
        }
        // An untitled or remote document is neither saved nor previewed.
        if (!main_.workspace().writeActiveForPreview()) return;
        const QString address = chosenAddress(true);
        if (!address.isEmpty()) frame_->navigateTo(address);
    }

    void askForTestAddress() {
        ShellSettings& s = main_.settings();
        const auto answer = main_.services().prompts.inputText(
            QStringLiteral("Plik do przeglądania?"), QStringLiteral("Podaj nazwę pliku:"), s.testUrl);
        if (answer && *answer != s.testUrl) {
            s.testUrl = *answer;
            setChoice(PreviewChoice::TestAddress);
        } else {
            setChoice(choice_); // an unchanged or cancelled answer changes nothing
        }
    }

    void startBrowserProgram() {
        const ShellSettings& s = main_.settings();
        const QString program = s.browserPath.trimmed();
        if (program.isEmpty()) {
            main_.services().prompts.message(
                QStringLiteral("Nie podano przeglądarki internetowej. Podaj ją w oknie \"Konfiguracja Wertan "
                               "PHP\" (Narzędzia > "
                               "Opcje...)."));
            return;
        }
        QStringList arguments;
        if (choice_ != PreviewChoice::Nothing) {
            const QString address = chosenAddress(true);
            if (address.isEmpty()) return;
            arguments << address;
        }
        QString error;
        if (!main_.services().launcher.startProgram(program, arguments, QString(), &error))
            main_.services().prompts.error(error);
    }

    void openInSystemBrowser() {
        QString address = main_.settings().testUrl;
        if (choice_ == PreviewChoice::ActiveDocument) {
            address = chosenAddress(true);
            if (address.isEmpty()) return;
        }
        QString error;
        if (!main_.services().launcher.openDocument(address, &error)) main_.services().prompts.error(error);
    }

    void toggleMiniBrowser() {
        // The item is checkable: its check has already flipped.
        if (action("MenuPop_MiniBrowser")->isChecked())
            dockWindow(main_, mini_);
        else
            mini_->hide();
    }

    MainWindow& main_;
    BrowserFrame* frame_;
    MiniBrowserWindow* mini_;
    PreviewChoice choice_ = PreviewChoice::TestAddress;
};

} // namespace

void createBrowserWindows(MainWindow& main) {
    QWidget* browsePage = main.mainPageControl()->widget(1);
    auto* layout = new QVBoxLayout(browsePage);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* frame = new BrowserFrame(BrowserFrame::Layout::Page, browsePage);
    layout->addWidget(frame);
    auto* mini = new MiniBrowserWindow(main.services().paths, &main);
    mini->hide();
    auto* wiring = new BrowserWiring(main, frame, mini);
    frame->setHelpPage([wiring] { return wiring->helpButtonAddress(); });
    mini->frame()->setHelpPage([wiring] { return wiring->helpButtonAddress(); });

    // The frame's own actions carry hints for the main window's hint panel.
    QObject::connect(main.mainPageControl(), &QTabWidget::currentChanged, wiring, [wiring](int index) {
        if (index == 1) wiring->previewActiveDocument();
    });

    main.setCommandHandler(QStringLiteral("MenuPop_MiniBrowser"), [wiring] { wiring->toggleMiniBrowser(); });
    QObject::connect(mini, &MiniBrowserWindow::closed, wiring,
                     [wiring] { wiring->action("MenuPop_MiniBrowser")->setChecked(false); });
    main.setCommandHandler(QStringLiteral("MenuPop_Browser"), [wiring] { wiring->startBrowserProgram(); });
    main.setCommandHandler(QStringLiteral("MenuPop_SystemBrowser"),
                           [wiring] { wiring->openInSystemBrowser(); });
    main.setCommandHandler(QStringLiteral("MenuPop_BrosFile"), [wiring] { wiring->askForTestAddress(); });
    main.setCommandHandler(QStringLiteral("MenuPop_BrosDocument"),
                           [wiring] { wiring->setChoice(PreviewChoice::ActiveDocument); });
    main.setCommandHandler(QStringLiteral("MenuPop_NoBros"),
                           [wiring] { wiring->setChoice(PreviewChoice::Nothing); });
    wiring->setChoice(PreviewChoice::TestAddress);

    main.setCommandHandler(QStringLiteral("MenuHelp_Main"),
                           [wiring] { wiring->showHelpPage(kHelpMainPage); });
    main.setCommandHandler(QStringLiteral("MenuHelp_Program"),
                           [wiring] { wiring->showHelpPage(kHelpProgramPage); });
    main.setCommandHandler(QStringLiteral("MenuHelp_Index"),
                           [wiring] { wiring->showHelpPage(kHelpIndexPage); });
    main.setCommandHandler(QStringLiteral("MenuHelp_HomePage"), [wiring] {
        wiring->showIn(homePageTarget(wiring->helpMode()), wiring->page(kHomePage));
    });

    // Start-up: an empty history, then the help's main page (loaded when the page is first shown).
    frame->navigateTo(wiring->page(kHelpMainPage));
}

} // namespace wertan
