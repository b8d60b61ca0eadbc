#pragma once
// The frame around an embedded web view: its tool strip, the address box with its drop-down list,
// the history that drives Back and Next, and the status bar with the progress gauge and the page
// title. The "Przeglądaj" page and the mini browser each have one.
//
// The web view (and with it Qt WebEngine's browser process) is created when the frame is first
// shown: a navigation before that is kept in the history and loaded then.
#include "browser/browser_history.h"

#include <QUrl>
#include <QWidget>
#include <functional>

class QAction;
class QComboBox;
class QLabel;
class QProgressBar;
class QToolBar;
class QToolButton;
class QVBoxLayout;
class QWebEngineProfile;
class QWebEngineView;

namespace wertan {

class BrowserPage;

// The profile every frame's web view uses: private to the run and without an HTTP cache, so each
// page is fetched from the server anew.
QWebEngineProfile* browserProfile();

// The text an address is kept under in the history (a local file as a file: address).
QString addressText(const QUrl& url);
// An address typed or given as text, as the web view loads it.
QUrl addressUrl(const QString& address);

class BrowserFrame : public QWidget {
    Q_OBJECT
public:
    // The page's tool strip: Back, Next, Reload, Stop, Help, the address box, "Idź". The mini
    // browser's: the address list, "Idź", Back, Next, Reload, Stop, its "Pomoc" button.
    enum class Layout { Page, Mini };
    explicit BrowserFrame(Layout layout, QWidget* parent = nullptr);
    ~BrowserFrame() override;

    // NavigateTo: the history rules, then the view loads the address without its cache.
    void navigateTo(const QString& address);
    // "Idź" and Enter in the address box.
    void go();
    void back();
    void next();
    void reload();
    void stop();

    const BrowserHistory& history() const { return history_; }
    QComboBox* addressBox() const { return address_; }
    QString title() const;
    QProgressBar* progressGauge() const { return progress_; }
    QAction*
    commandAction(const QString& name) const; // "ActBack", "ActNext", "ActReLoad", "ActStop", "ActGo"
    QToolBar* toolStrip() const { return tools_; }
    // The Help button ("Pomoc" in the mini browser); the caller gives it its menu.
    QToolButton* helpButton() const { return help_; }
    // The page the Help button loads (a click on the button itself).
    void setHelpPage(std::function<QString()> page) { helpPage_ = std::move(page); }

    bool hasView() const { return view_ != nullptr; }
    // The web view, created now if it was not yet.
    QWebEngineView* view();
    // The address the view shows, or the one waiting for the view.
    QString currentAddress() const;
    // True while a page loads (between the download-begin and download-complete notices).
    bool isLoading() const { return loading_; }

signals:
    void titleChanged(const QString& title);
    // A load ended (ok: the page arrived).
    void loadFinished(bool ok);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void onBeforeNavigate(const QUrl& url);
    void onLoadStarted();
    void onLoadFinished(bool ok);
    void onTitleChanged(const QString& title);
    void refreshCommands();
    void showInAddressBox(const QString& address);
    void load(const QString& address);

    Layout layout_;
    BrowserHistory history_;
    QToolBar* tools_ = nullptr;
    QComboBox* address_ = nullptr;
    QToolButton* help_ = nullptr;
    QAction* back_ = nullptr;
    QAction* next_ = nullptr;
    QAction* reload_ = nullptr;
    QAction* stop_ = nullptr;
    QAction* go_ = nullptr;
    QVBoxLayout* body_ = nullptr;
    QWidget* placeholder_ = nullptr;
    QWebEngineView* view_ = nullptr;
    BrowserPage* page_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* title_ = nullptr;
    QString pending_;
    bool loading_ = false;
    std::function<QString()> helpPage_;
};

} // namespace wertan
