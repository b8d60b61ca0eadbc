#include "browser/ui/browser_frame.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWebEngineNewWindowRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

namespace wertan {

// The page of a frame's view: every navigation, of the program, of a link or of a frame, is told
// to the frame before it happens (the before-navigate notice).
class BrowserPage : public QWebEnginePage {
public:
    BrowserPage(QWebEngineProfile* profile, std::function<void(const QUrl&)> beforeNavigate, QObject* parent)
        : QWebEnginePage(profile, parent), beforeNavigate_(std::move(beforeNavigate)) {
        // A link that asks for a new window opens in this one.
        connect(this, &QWebEnginePage::newWindowRequested, this,
                [this](QWebEngineNewWindowRequest& request) { load(request.requestedUrl()); });
    }

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType, bool) override {
        beforeNavigate_(url);
        return true;
    }

private:
    std::function<void(const QUrl&)> beforeNavigate_;
};

QWebEngineProfile* browserProfile() {
    static QWebEngineProfile* profile = [] {
        auto* p = new QWebEngineProfile(qApp); // private to the run: nothing is kept on disk
        p->setHttpCacheType(QWebEngineProfile::NoCache);
        return p;
    }();
    return profile;
}

QString addressText(const QUrl& url) {
    return url.toString();
}

QUrl addressUrl(const QString& address) {
    const QString text = address.trimmed();
    if (QFileInfo(text).isAbsolute()) return QUrl::fromLocalFile(text);
    return QUrl::fromUserInput(text);
}

namespace {
QAction* frameAction(QObject* parent, const char* name, const QString& caption, const QString& hint,
                     QStyle::StandardPixmap icon) {
    auto* a = new QAction(QApplication::style()->standardIcon(icon), caption, parent);
    a->setObjectName(QString::fromLatin1(name));
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    a->setToolTip(bar < 0 ? hint : hint.left(bar));
    a->setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));
    return a;
}
} // namespace

BrowserFrame::BrowserFrame(Layout layout, QWidget* parent) : QWidget(parent), layout_(layout) {
    setObjectName(layout == Layout::Page ? QStringLiteral("FrameBroswer")
                                         : QStringLiteral("MiniBrowserFrame"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    const bool page = layout == Layout::Page;
    back_ = frameAction(this, "ActBack", QStringLiteral("Wstecz"),
                        page ? QStringLiteral("Wstecz|Wyświetla poprzednią stronę.")
                             : QStringLiteral("Wyświetla poprzednią stronę."),
                        QStyle::SP_ArrowBack);
    next_ = frameAction(this, "ActNext", QStringLiteral("Dalej"),
                        page ? QStringLiteral("Dalej|Wyświetla następną stronę.")
                             : QStringLiteral("Wyświetla następną stronę."),
                        QStyle::SP_ArrowForward);
    reload_ =
        frameAction(this, "ActReLoad", QStringLiteral("Odśwież"),
                    page ? QStringLiteral("Odśwież|Odświeża(wczytuje ponowie) aktualnie oglądaną stronę.")
                         : QStringLiteral("Odświeża(wczytuje ponowie) aktualnie oglądaną stronę."),
                    QStyle::SP_BrowserReload);
    stop_ = frameAction(this, "ActStop", QStringLiteral("Stop"),
                        page ? QStringLiteral("Stop|Przerywa wczytywanie strony.")
                             : QStringLiteral("Przerywa wczytywanie strony."),
                        QStyle::SP_BrowserStop);
    go_ = frameAction(this, "ActGo", QStringLiteral("Idź"),
                      page ? QStringLiteral("Idź|Wczytuje wybraną stronę.")
                           : QStringLiteral("Wczytuje wybraną stronę."),
                      QStyle::SP_CommandLink);
    connect(back_, &QAction::triggered, this, &BrowserFrame::back);
    connect(next_, &QAction::triggered, this, &BrowserFrame::next);
    connect(reload_, &QAction::triggered, this, &BrowserFrame::reload);
    connect(stop_, &QAction::triggered, this, &BrowserFrame::stop);
    connect(go_, &QAction::triggered, this, &BrowserFrame::go);

    address_ = new QComboBox(this);
    address_->setObjectName(page ? QStringLiteral("ComboBoxAddress") : QStringLiteral("ComboBoxMiniAddress"));
    address_->setEditable(true);
    address_->setInsertPolicy(QComboBox::NoInsert); // the list holds the program's navigations only
    address_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    address_->setMinimumWidth(120);
    address_->setEditText(QStringLiteral("http://"));
    connect(address_->lineEdit(), &QLineEdit::returnPressed, this, &BrowserFrame::go);
    // Choosing an entry of the list puts it in the box; "Idź" or Enter loads it.

    help_ = new QToolButton(this);
    help_->setObjectName(page ? QStringLiteral("BtnHelp") : QStringLiteral("BtnMiniHelp"));
    help_->setText(page ? QStringLiteral("Pomoc") : QStringLiteral("Pomoc"));
    help_->setIcon(QApplication::style()->standardIcon(QStyle::SP_MessageBoxQuestion));
    help_->setAutoRaise(true);
    connect(help_, &QToolButton::clicked, this, [this] {
        if (helpPage_) navigateTo(helpPage_());
    });

    tools_ = new QToolBar(this);
    tools_->setObjectName(page ? QStringLiteral("ToolBarBrowser") : QStringLiteral("ToolBarMiniBrowser"));
    tools_->setIconSize(QSize(16, 16));
    tools_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    if (page) {
        tools_->addAction(back_);
        tools_->addAction(next_);
        tools_->addAction(reload_);
        tools_->addAction(stop_);
        tools_->addWidget(help_);
        tools_->addSeparator();
        tools_->addWidget(address_);
        tools_->addAction(go_);
    } else {
        // Two rows, so that the strip fits a narrow docking area: the address list with "Idź", then
        // the buttons.
        auto* addressRow = new QToolBar(this);
        addressRow->setObjectName(QStringLiteral("ToolBarMiniAddress"));
        addressRow->setIconSize(QSize(16, 16));
        addressRow->addWidget(address_);
        addressRow->addAction(go_);
        column->addWidget(addressRow);
        tools_->addAction(back_);
        tools_->addAction(next_);
        tools_->addAction(reload_);
        tools_->addAction(stop_);
        tools_->addWidget(help_);
        tools_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    }
    // The Help button, not an action of the strip, follows the strip's style.
    help_->setToolButtonStyle(tools_->toolButtonStyle());
    connect(tools_, &QToolBar::toolButtonStyleChanged, help_, &QToolButton::setToolButtonStyle);
    // The strip's context menu: "Etykiety tekstowe" shows the buttons' captions beside their icons.
    auto* labels = new QAction(QStringLiteral("Etykiety tekstowe"), tools_);
    labels->setObjectName(QStringLiteral("ActTextLabels"));
    labels->setCheckable(true);
    labels->setChecked(tools_->toolButtonStyle() == Qt::ToolButtonTextBesideIcon);
    connect(labels, &QAction::toggled, tools_, [this](bool on) {
        tools_->setToolButtonStyle(on ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonIconOnly);
    });
    tools_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(tools_, &QWidget::customContextMenuRequested, this, [this, labels](const QPoint& at) {
        QMenu menu;
        menu.addAction(labels);
        menu.exec(tools_->mapToGlobal(at));
    });
    column->addWidget(tools_);

    body_ = new QVBoxLayout;
    body_->setContentsMargins(0, 0, 0, 0);
    placeholder_ = new QWidget(this);
    placeholder_->setObjectName(QStringLiteral("BrowserPlaceholder"));
    placeholder_->setAutoFillBackground(true);
    QPalette white = placeholder_->palette();
    white.setColor(QPalette::Window, Qt::white);
    placeholder_->setPalette(white);
    body_->addWidget(placeholder_);
    column->addLayout(body_, 1);

    auto* status = new QWidget(this);
    status->setObjectName(page ? QStringLiteral("StatusBarBrowser") : QStringLiteral("StatusBarMiniBrowser"));
    auto* statusRow = new QHBoxLayout(status);
    statusRow->setContentsMargins(2, 1, 2, 1);
    auto* progressLabel = new QLabel(QStringLiteral("Postęp:"), status);
    progress_ = new QProgressBar(status);
    progress_->setObjectName(QStringLiteral("ProgressBar"));
    progress_->setTextVisible(false);
    progress_->setFixedWidth(page ? 150 : 80);
    progress_->setFixedHeight(12);
    progress_->setRange(0, 100);
    progress_->setValue(0);
    progress_->setStyleSheet(QStringLiteral("QProgressBar { border: 1px solid gray; background: white; }"
                                            "QProgressBar::chunk { background: #0000ff; }"));
    title_ = new QLabel(status);
    title_->setObjectName(QStringLiteral("StatusTitle"));
    title_->setFrameShape(QFrame::Panel);
    title_->setFrameShadow(QFrame::Sunken);
    title_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    statusRow->addWidget(progressLabel);
    statusRow->addWidget(progress_);
    statusRow->addWidget(title_, 1);
    column->addWidget(status);

    refreshCommands();
}

BrowserFrame::~BrowserFrame() {
    // The page goes before its view, while the profile still lives.
    if (view_) {
        view_->setPage(nullptr);
        delete page_;
        page_ = nullptr;
    }
}

QAction* BrowserFrame::commandAction(const QString& name) const {
    for (QAction* a : {back_, next_, reload_, stop_, go_})
        if (a->objectName() == name) return a;
    return nullptr;
}

QString BrowserFrame::title() const {
    return title_->text();
}

QWebEngineView* BrowserFrame::view() {
    if (view_) return view_;
    view_ = new QWebEngineView(this);
    view_->setObjectName(QStringLiteral("WebBrowser"));
    page_ = new BrowserPage(
        browserProfile(), [this](const QUrl& url) { onBeforeNavigate(url); }, view_);
    view_->setPage(page_);
    connect(page_, &QWebEnginePage::loadStarted, this, &BrowserFrame::onLoadStarted);
    connect(page_, &QWebEnginePage::loadProgress, this, [this](int percent) {
        progress_->setRange(0, 100);
        progress_->setValue(percent);
    });
    connect(page_, &QWebEnginePage::loadFinished, this, &BrowserFrame::onLoadFinished);
    connect(page_, &QWebEnginePage::titleChanged, this, &BrowserFrame::onTitleChanged);
    body_->replaceWidget(placeholder_, view_);
    placeholder_->hide();
    view_->show();
    if (!pending_.isEmpty()) {
        const QString address = pending_;
        pending_.clear();
        page_->load(addressUrl(address));
    }
    return view_;
}

void BrowserFrame::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!view_ && !pending_.isEmpty()) view();
}

QString BrowserFrame::currentAddress() const {
    if (!pending_.isEmpty() || !view_) return pending_;
    return addressText(page_->url());
}

void BrowserFrame::load(const QString& address) {
    // The profile keeps no cache, so the page comes from the server anew.
    if (view_) {
        page_->load(addressUrl(address));
    } else if (isVisible()) {
        pending_ = address;
        view();
    } else {
        pending_ = address; // loaded when the frame is first shown
    }
}

void BrowserFrame::navigateTo(const QString& address) {
    history_.navigateTo(address);
    showInAddressBox(address);
    refreshCommands();
    load(address);
}

void BrowserFrame::go() {
    const QString address = address_->currentText().trimmed();
    if (address.isEmpty()) return;
    navigateTo(address);
}

void BrowserFrame::back() {
    if (!history_.canGoBack()) return;
    showInAddressBox(history_.backAddress());
    if (view_) view_->back();
}

void BrowserFrame::next() {
    if (!history_.canGoNext()) return;
    showInAddressBox(history_.nextAddress());
    if (view_) view_->forward();
}

void BrowserFrame::reload() {
    if (view_) view_->reload();
}

void BrowserFrame::stop() {
    if (view_) view_->stop();
}

void BrowserFrame::onBeforeNavigate(const QUrl& url) {
    const QString address = addressText(url);
    history_.beforeNavigate(address);
    showInAddressBox(address);
    refreshCommands();
}

void BrowserFrame::showInAddressBox(const QString& address) {
    // The list follows the history's drop-down list; the box shows the address.
    const QStringList& list = history_.dropDown();
    bool same = address_->count() == list.size();
    for (int i = 0; same && i < list.size(); ++i)
        same = address_->itemText(i) == list[i];
    if (!same) {
        address_->blockSignals(true);
        address_->clear();
        address_->addItems(list);
        address_->blockSignals(false);
    }
    address_->setEditText(address);
}

void BrowserFrame::onLoadStarted() {
    loading_ = true;
    refreshCommands();
}

void BrowserFrame::onLoadFinished(bool ok) {
    loading_ = false;
    progress_->setValue(0);
    refreshCommands();
    emit loadFinished(ok);
}

void BrowserFrame::onTitleChanged(const QString& title) {
    title_->setText(title);
    title_->setToolTip(title);
    emit titleChanged(title);
}

void BrowserFrame::refreshCommands() {
    back_->setEnabled(history_.canGoBack());
    next_->setEnabled(history_.canGoNext());
    stop_->setEnabled(loading_);
}

} // namespace wertan
