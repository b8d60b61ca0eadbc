#include "shell/ui/main_window.h"

#include "editor/ui/code_editor.h"
#include "editor/ui/editor_environment.h"
#include "platform/keyboard_toggles.h"
#include "platform/prompts.h"
#include "platform/settings_store.h"
#include "shell/tag_menus.h"
#include "shell/ui/document_page.h"
#include "shell/ui/document_workspace.h"
#include "shell/ui/program_windows.h"
#include "shell/ui/shell_commands.h"
#include "text/win1250.h"

#include <QAbstractButton>
#include <QAbstractEventDispatcher>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace wertan {

namespace {
// Ordinals of the enumerations stored in the layout.
enum WindowStateOrdinal { wsNormal = 0, wsMinimized = 1, wsMaximized = 2 };
enum AlignOrdinal { alNone = 0, alTop = 1, alBottom = 2, alLeft = 3, alRight = 4, alClient = 5 };
enum TabPositionOrdinal { tpTop = 0, tpBottom = 1, tpLeft = 2, tpRight = 3 };
constexpr int kPositionDesktopCenter = 5;
// The narrowest the editor area beside the docking area may become through a stored width.
constexpr int kEditorRoom = 200;

// The long part of a hint: after the first "|", or the whole hint when it has none.
QString longHint(const QString& hint) {
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}
QString shortHint(const QString& hint) {
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.left(bar);
}
} // namespace

MainWindow::MainWindow(ShellServices services, QWidget* parent)
    : QMainWindow(parent), services_(std::move(services)) {
    setObjectName(QStringLiteral("FormMainPHP"));
    setWindowTitle(QStringLiteral("Wertan PHP"));
    environment_ = std::make_unique<EditorEnvironment>(services_.settingsStore, services_.prompts);

    buildLayout();
    buildStatusBar();
    buildCommands();
    buildEditorPopupMenu();
    buildToolArea();

    // The creation step.
    statusBar()->setStatusTip(QString()); // the single-text line is kept but the bar stays in panel mode
    settings_.programDir = services_.paths.directory();
    settings_.documentRoot = defaultDocumentRoot();
    settings_.testUrl = defaultTestUrl();
    qApp->installEventFilter(this);
    if (auto* dispatcher = QAbstractEventDispatcher::instance())
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &MainWindow::idleStep);
    settings_.helpNavigation = false;
    settings_.phpBarLast = 13;
    settings_.sqlBarLast = 15;
    settings_.newDocumentsInUtf8 = storedNewDocumentsInUtf8(services_.settingsStore);
    workspace_->createStartupDocument();
    // The tag menus; a missing file ends the creation step here: the menus stay empty, the
    // completion lists unattached and the saved layout is not restored for this run.
    layoutRestorable_ = buildTagMenus();
    if (layoutRestorable_) environment_->attachCompletionLists(workspace_->activeEditor());

    const QRect screen = QApplication::primaryScreen() ? QApplication::primaryScreen()->availableGeometry()
                                                       : QRect(0, 0, 1024, 768);
    resize(std::min(1000, screen.width()), std::min(720, screen.height()));
    move(screen.center() - rect().center());
    if (layoutRestorable_) restoreLayout();
    // A damaged settings file was set aside when the store opened it: said once, at start.
    if (const QString damage = services_.settingsStore.takeDamageReport(); !damage.isEmpty())
        services_.prompts.error(damage);
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
}

void MainWindow::buildLayout() {
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    toolArea_ = new QWidget(central);
    toolArea_->setObjectName(QStringLiteral("PanelTools"));
    column->addWidget(toolArea_);

    splitter_ = new QSplitter(Qt::Horizontal, central);
    splitter_->setObjectName(QStringLiteral("SplitterMain"));
    splitter_->setChildrenCollapsible(false);
    splitter_->setHandleWidth(4);
    panelLeft_ = new QWidget(splitter_);
    panelLeft_->setObjectName(QStringLiteral("PanelLeft"));
    panelLeft_->setMinimumWidth(40);
    auto* dockLayout = new QVBoxLayout(panelLeft_);
    dockLayout->setContentsMargins(0, 0, 0, 0);

    mainPages_ = new QTabWidget(splitter_);
    mainPages_->setObjectName(QStringLiteral("MainPageControl"));
    mainPages_->setTabPosition(QTabWidget::West);
    auto* codePage = new QWidget;
    codePage->setObjectName(QStringLiteral("TabSheetCode"));
    auto* codeLayout = new QVBoxLayout(codePage);
    codeLayout->setContentsMargins(0, 0, 0, 0);
    documentTabs_ = new QTabWidget(codePage);
    documentTabs_->setObjectName(QStringLiteral("PageControl"));
    documentTabs_->setDocumentMode(true);
    documentTabs_->setMovable(false);
    documentTabs_->installEventFilter(this);
    codeLayout->addWidget(documentTabs_);
    auto* browsePage = new QWidget;
    browsePage->setObjectName(QStringLiteral("TabSheetBrowse"));
    mainPages_->addTab(codePage, QStringLiteral("Kod"));
    mainPages_->addTab(browsePage, QStringLiteral("Przeglądaj"));
    connect(mainPages_, &QTabWidget::currentChanged, this, [this](int index) {
        // Back on the "Kod" page the keyboard goes to the document again.
        if (index == 0 && workspace_) workspace_->focusActiveEditor();
    });

    documentListButton_ = new QToolButton(documentTabs_);
    documentListButton_->setObjectName(QStringLiteral("BtnDocumentList"));
    documentListButton_->setText(QStringLiteral("Z"));
    documentListButton_->setAutoRaise(true);
    documentListButton_->setFixedSize(18, 15);
    // The button has its own corner beside the tabs; many tabs scroll instead of running under it.
    documentTabs_->tabBar()->setUsesScrollButtons(true);
    documentTabs_->setCornerWidget(documentListButton_, Qt::TopRightCorner);

    splitter_->addWidget(panelLeft_);
    splitter_->addWidget(mainPages_);
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 1);
    splitter_->setSizes({180, 800});
    column->addWidget(splitter_, 1);
    setCentralWidget(central);

    workspace_ = new DocumentWorkspace(documentTabs_, *environment_, settings_, services_.prompts, this);
    workspace_->hooks().raiseMainWindow = [this] {
        raise();
        activateWindow();
    };
    connect(workspace_, &DocumentWorkspace::statusText, this, &MainWindow::setStatusPanel);
    connect(workspace_, &DocumentWorkspace::colouringApplied, this, &MainWindow::checkHighlighter);
    connect(workspace_, &DocumentWorkspace::userSwitchedTab, this, &MainWindow::syncHighlighterMenu);
    connect(documentListButton_, &QToolButton::clicked, this,
            [this] { workspace_->documentList()->popup(documentListButton_->mapToGlobal(QPoint(18, 0))); });
    placeDocumentListButton();
}

void MainWindow::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    bar->setSizeGripEnabled(true);
    // The panels' widths, widened where the font would cut their longest text.
    const int widths[7] = {50, 50, 60, 35, 35, 35, 50};
    const char* longest[7] = {"Lin 00000", "Kol 0000", "Zmieniony", "Nadp.", "CAP", "NUM", ""};
    for (int i = 0; i < 7; ++i) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        const int needed = panel->fontMetrics().horizontalAdvance(QString::fromLatin1(longest[i])) + 10;
        panel->setMinimumWidth(std::max(widths[i], needed));
        if (i < 6) panel->setFixedWidth(std::max(widths[i], needed));
        panel->setStatusTip(
            QStringLiteral("Lini, Kolumn, Wstawiaj/Nadpisuj, CapsLock, NumLock, Ścieżka pliku"));
        bar->addWidget(panel, i == 6 ? 1 : 0);
        panels_ << panel;
    }
}

QString MainWindow::statusPanelText(int panel) const {
    return panel >= 0 && panel < panels_.size() ? panels_[panel]->text() : QString();
}

void MainWindow::setStatusPanel(int panel, const QString& text) {
    if (panel < 0 || panel >= panels_.size()) return;
    QLabel* label = panels_[panel];
    label->setText(text);
    // A panel of fixed width widens rather than cut its text (a line number past a million).
    const int needed = label->fontMetrics().horizontalAdvance(text) + 10;
    if (panel < 6 && needed > label->maximumWidth()) label->setFixedWidth(needed);
}

QAction* MainWindow::action(const QString& name) const {
    return actions_.value(name);
}

QMenu* MainWindow::menu(const QString& name) const {
    return menus_.value(name);
}

QAction* MainWindow::command(const QString& name, const QString& caption, const QString& hint,
                             const QKeySequence& shortcut) {
    auto* a = new QAction(caption, this);
    a->setObjectName(name);
    if (!hint.isEmpty()) {
        a->setToolTip(shortHint(hint));
        a->setStatusTip(longHint(hint));
    }
    if (!shortcut.isEmpty()) {
        a->setShortcut(shortcut);
        a->setShortcutContext(Qt::WindowShortcut);
        addAction(a); // shortcuts work while the main window is active
    }
    actions_.insert(name, a);
    return a;
}

QMenu* MainWindow::addMenu(const QString& name, const QString& caption, QMenu* parent) {
    QMenu* m = parent ? parent->addMenu(caption) : menuBar()->addMenu(caption);
    m->setObjectName(name);
    m->menuAction()->setObjectName(name);
    menus_.insert(name, m);
    return m;
}

void MainWindow::setCommandHandler(const QString& name, std::function<void()> handler) {
    QAction* a = action(name);
    if (!a) return;
    if (laterNotes_.contains(name)) disconnect(laterNotes_.take(name));
    connect(a, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
}

void MainWindow::laterPart(const QString& name) {
    if (QAction* a = action(name))
        laterNotes_[name] = connect(a, &QAction::triggered, this, [this, a] {
            QString caption = a->text();
            caption.remove(QLatin1Char('&'));
            services_.prompts.message(
                QStringLiteral("Polecenie \"%1\" nie jest jeszcze dostępne w tej wersji programu.")
                    .arg(caption));
        });
}

bool MainWindow::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::StatusTip:
        // The long hint of the control or menu item under the mouse goes to the last panel.
        setStatusPanel(6, static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    case QEvent::WindowActivate:
        activationStep();
        // Once the window system has given the focus back (to the control that had it, or to the
        // first control that takes it), a button or a tab bar hands it on to the document.
        QMetaObject::invokeMethod(this, &MainWindow::keepKeyboardInDocument, Qt::QueuedConnection);
        break;
    case QEvent::WindowDeactivate:
        deactivationStep();
        break;
    default:
        break;
    }
    return QMainWindow::event(event);
}

void MainWindow::keepKeyboardInDocument() {
    if (!isActiveWindow() || mainPages_->currentIndex() != 0) return;
    QWidget* focus = QApplication::focusWidget();
    // A page whose editor was made while the window was in the background can hold the focus
    // itself (the tab set hands it the focus of the page before it).
    const bool inDocumentArea =
        focus && documentTabs_->isAncestorOf(focus) && !qobject_cast<CodeEditor*>(focus);
    if (!focus || focus->window() != this || inDocumentArea || qobject_cast<QTabBar*>(focus) ||
        qobject_cast<QAbstractButton*>(focus))
        workspace_->focusActiveEditor();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched == QApplication::focusWidget() &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Insert) {
        services_.keyboard.insertPressed();
    }
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this && watched == QApplication::focusWidget()) {
        // Key presses in the window refresh the toggle panels after the key has had its effect.
        QMetaObject::invokeMethod(this, &MainWindow::refreshKeyboardPanels, Qt::QueuedConnection);
    }
    if (watched == documentTabs_ && event->type() == QEvent::Resize) placeDocumentListButton();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    refreshKeyboardPanels();
    QMainWindow::keyPressEvent(event);
}

void MainWindow::refreshKeyboardPanels() {
    setStatusPanel(3, services_.keyboard.insertOn() ? QStringLiteral("Wst.") : QStringLiteral("Nadp."));
    setStatusPanel(4, services_.keyboard.capsLockOn() ? QStringLiteral("CAP") : QString());
    setStatusPanel(5, services_.keyboard.numLockOn() ? QStringLiteral("NUM") : QString());
}

void MainWindow::idleStep() {
    refreshKeyboardPanels();
    if (QAction* a = action(QStringLiteral("PopupMenu_OpenAtCursor")))
        a->setEnabled(workspace_->canOpenFileAtSelection());
}

void MainWindow::activationStep() {
    splitter_->setStyleSheet(QStringLiteral("QSplitter::handle { background: %1; }")
                                 .arg(palette().color(QPalette::Active, QPalette::Highlight).name()));
    placeDockingArea(action(QStringLiteral("MenuView_DockingArea_Left"))->isChecked());
    applyProjectCommandState();
}

void MainWindow::deactivationStep() {
    splitter_->setStyleSheet(
        QStringLiteral("QSplitter::handle { background: %1; }").arg(palette().color(QPalette::Mid).name()));
}

void MainWindow::applyProjectCommandState() {
    const bool open = settings_.project.projectOpen;
    if (QMenu* m = menu(QStringLiteral("MenuProject"))) m->menuAction()->setEnabled(open);
    for (const char* name : {"MenuFile_CloseProject", "MenuFile_SaveProject"})
        action(QString::fromLatin1(name))->setEnabled(open);
    for (const char* name : {"BtnAddFile", "BtnRemoveFile", "BtnInsertDir", "BtnProjectFiles"})
        if (QToolButton* b = toolButtons_.value(QString::fromLatin1(name))) b->setEnabled(open);
}

bool MainWindow::buildTagMenus() {
    const struct {
        const char* file;
        const char* menu;
    } menus[] = {{"data\\styltags.dat", "PopupMenuStyles"}, {"data\\zkphptags.dat", "MenuInsert_zkPHPTags"}};
    for (const auto& m : menus) {
        TagMenu tags;
        QString error;
        if (!loadTagMenu(services_.paths.file(QString::fromLatin1(m.file)), &tags, &error)) {
            services_.prompts.error(error);
            return false;
        }
        QMenu* target = menu(QString::fromLatin1(m.menu));
        for (const TagMenuEntry& entry : tags.entries) {
            if (entry.isSeparator()) {
                target->addSeparator();
                continue;
            }
            QAction* item = target->addAction(fromWin1250(entry.caption));
            item->setToolTip(fromWin1250(entry.shortHint()));
            item->setStatusTip(fromWin1250(entry.longHint()));
            connect(item, &QAction::triggered, this,
                    [this, entry] { workspace_->insertText(entry.insertText(settings_.lowerCaseTags)); });
        }
    }
    return true;
}

bool MainWindow::dockingAreaOnLeft() const {
    return splitter_->indexOf(panelLeft_) == 0;
}

void MainWindow::placeDockingArea(bool left) {
    if (dockingAreaOnLeft() == left) return;
    const QList<int> sizes = splitter_->sizes();
    splitter_->insertWidget(left ? 0 : 1, panelLeft_);
    QList<int> swapped = sizes;
    std::reverse(swapped.begin(), swapped.end());
    splitter_->setSizes(swapped);
}

void MainWindow::toggleDockingArea() {
    QAction* show = action(QStringLiteral("MenuView_DockingArea_Show"));
    panelLeft_->setVisible(show->isChecked());
}

void MainWindow::switchDockingSide() {
    // One action for both items: the area moves to the other side, whichever item was chosen.
    const bool toLeft = !dockingAreaOnLeft();
    placeDockingArea(toLeft);
    action(QStringLiteral("MenuView_DockingArea_Left"))->setChecked(toLeft);
    action(QStringLiteral("MenuView_DockingArea_Right"))->setChecked(!toLeft);
}

void MainWindow::toggleDocumentTabs() {
    documentTabsShown_ = action(QStringLiteral("MenuView_ShowCodeTabs_Show"))->isChecked();
    tabHeight_ = documentTabsShown_ ? 0 : 1;
    tabWidth_ = documentTabsShown_ ? 0 : 1;
    applyDocumentTabSize();
}

void MainWindow::applyDocumentTabSize() {
    // One pixel high and wide hides the tabs; 0 is their natural size.
    QTabBar* bar = documentTabs_->tabBar();
    if (tabHeight_ == 1 && tabWidth_ == 1) {
        bar->setStyleSheet(
            QStringLiteral("QTabBar::tab { height: 1px; width: 1px; padding: 0; margin: 0; border: 0; }"));
        bar->setMaximumSize(1, 1);
    } else {
        bar->setStyleSheet(QString());
        bar->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    documentTabs_->updateGeometry();
    placeDocumentListButton();
}

void MainWindow::setDocumentTabPosition(int tag) {
    const char* names[] = {"MenuView_ShowCodeTabs_Left", "MenuView_ShowCodeTabs_Right",
                           "MenuView_ShowCodeTabs_Top", "MenuView_ShowCodeTabs_Bottom"};
    const QTabWidget::TabPosition positions[] = {QTabWidget::West, QTabWidget::East, QTabWidget::North,
                                                 QTabWidget::South};
    const int i = tag - 1221;
    if (i < 0 || i > 3) return;
    for (int k = 0; k < 4; ++k)
        action(QString::fromLatin1(names[k]))->setChecked(k == i);
    documentTabs_->setTabPosition(positions[i]);
    placeDocumentListButton();
}

void MainWindow::placeDocumentListButton() {
    const QTabWidget::TabPosition position = documentTabs_->tabPosition();
    if (position == QTabWidget::North || position == QTabWidget::South) {
        // The tab set's right corner: beside the tabs on top, or at the bottom with the tabs there.
        if (!documentTabs_->styleSheet().isEmpty()) documentTabs_->setStyleSheet(QString());
        if (documentTabs_->cornerWidget(Qt::TopRightCorner) != documentListButton_)
            documentTabs_->setCornerWidget(documentListButton_, Qt::TopRightCorner);
        return;
    }
    // Tabs at a side get no corner from the tab set: the tab column starts below the button,
    // which heads the column.
    if (documentTabs_->cornerWidget(Qt::TopRightCorner) == documentListButton_) {
        documentTabs_->setCornerWidget(nullptr, Qt::TopRightCorner);
        documentListButton_->setParent(documentTabs_);
    }
    const QString sheet =
        QStringLiteral("QTabWidget::tab-bar { top: %1px; }").arg(documentListButton_->height() + 2);
    if (documentTabs_->styleSheet() != sheet) documentTabs_->setStyleSheet(sheet);
    const QTabBar* bar = documentTabs_->tabBar();
    const int columnWidth = std::max(bar->isVisible() ? bar->width() : 0, documentListButton_->width());
    const int x = position == QTabWidget::West
                      ? (columnWidth - documentListButton_->width()) / 2
                      : documentTabs_->width() - (columnWidth + documentListButton_->width()) / 2;
    documentListButton_->move(x, 0);
    documentListButton_->show();
    documentListButton_->raise();
}

void MainWindow::checkHighlighter(ColouringKind kind) {
    const char* names[] = {"PopupMenu_HLPHP", "PopupMenu_HLCSS", "PopupMenu_HLSQL", "PopupMenu_HLHTML",
                           "PopupMenu_HLJavaScript"};
    action(QString::fromLatin1(names[int(kind)]))->setChecked(true);
}

void MainWindow::syncHighlighterMenu() {
    CodeEditor* editor = workspace_->activeEditor();
    const auto kind = editor ? environment_->colouringOf(editor) : std::nullopt;
    if (kind)
        checkHighlighter(*kind);
    else
        action(QStringLiteral("PopupMenu_HLOFF"))->setChecked(true);
}

void MainWindow::editorClipboard(const char* slot) {
    // The clipboard commands act on the focused control; the active editor when nothing else has it.
    QWidget* target = QApplication::focusWidget();
    if (!target || target->window() != this || target->metaObject()->indexOfSlot(QByteArray(slot) + "()") < 0)
        target = workspace_->activeEditor();
    if (target) QMetaObject::invokeMethod(target, slot);
}

void MainWindow::createOtherWindows(const QStringList& arguments) {
    createProgramWindows(*this, arguments);
    // The keyboard belongs to the document: typing after start-up goes into its text.
    workspace_->focusActiveEditor();
}

bool MainWindow::closingCheck() {
    bool cancelled = false;
    for (int i = 0; i < workspace_->count(); ++i) {
        DocumentPage* p = workspace_->page(i);
        if (!p->isChanged()) continue;
        switch (services_.prompts.confirm(DocumentWorkspace::changedQuestion(p->caption()),
                                          Buttons::YesNoCancel)) {
        case Answer::Yes:
            workspace_->activate(i);
            // A save that was cancelled or failed keeps the program open, so no text is lost.
            if (!workspace_->saveDocument()) cancelled = true;
            break;
        case Answer::No:
            break;
        default:
            cancelled = true; // the remaining documents are still asked about
            break;
        }
    }
    return !cancelled;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!closingCheck()) {
        event->ignore();
        return;
    }
    saveLayout();
    emit closing();
    environment_->save();
    event->accept();
}

QString MainWindow::layoutKey() {
    return QStringLiteral("\\Software\\Wertan PHP\\Main\\FormMainPHP");
}

void MainWindow::saveLayout() {
    SettingsStore& store = services_.settingsStore;
    const QString key = layoutKey();
    auto put = [&](const char* name, int value) {
        store.writeText(key, QString::fromLatin1(name), QString::number(value));
    };
    auto checked = [&](const char* name) { return action(QString::fromLatin1(name))->isChecked() ? 1 : 0; };
    const int state = isMaximized() ? wsMaximized : (isMinimized() ? wsMinimized : wsNormal);
    const bool left = dockingAreaOnLeft();
    const QRect panel = panelLeft_->geometry();
    put("FormMainPHP.WindowState", state);
    put("FormMainPHP.Position", kPositionDesktopCenter);
    put("PanelLeft.Left", panel.left());
    put("PanelLeft.Top", panel.top());
    put("PanelLeft.Width",
        panelLeft_->isVisible() ? splitter_->sizes().value(left ? 0 : 1) : panelLeft_->width());
    put("PanelLeft.Height", panel.height());
    put("MenuView_DockingArea_Show.Checked", checked("MenuView_DockingArea_Show"));
    put("MenuView_DockingArea_Left.Checked", checked("MenuView_DockingArea_Left"));
    put("MenuView_DockingArea_Right.Checked", checked("MenuView_DockingArea_Right"));
    put("PanelLeft.Align", left ? alLeft : alRight);
    put("MenuView_ShowCodeTabs_Left.Checked", checked("MenuView_ShowCodeTabs_Left"));
    put("MenuView_ShowCodeTabs_Right.Checked", checked("MenuView_ShowCodeTabs_Right"));
    put("MenuView_ShowCodeTabs_Top.Checked", checked("MenuView_ShowCodeTabs_Top"));
    put("MenuView_ShowCodeTabs_Bottom.Checked", checked("MenuView_ShowCodeTabs_Bottom"));
    put("MenuView_ShowCodeTabs_Show.Checked", checked("MenuView_ShowCodeTabs_Show"));
    int position = tpTop;
    switch (documentTabs_->tabPosition()) {
    case QTabWidget::South:
        position = tpBottom;
        break;
    case QTabWidget::West:
        position = tpLeft;
        break;
    case QTabWidget::East:
        position = tpRight;
        break;
    default:
        break;
    }
    put("PageControl.TabPosition", position);
    put("PageControl.TabHeight", tabHeight_);
    put("PageControl.TabWidth", tabWidth_);
    put("MenuView_Help_InBroserw.Checked", checked("MenuView_Help_InBroserw"));
    put("MenuView_Help_InLeftArea.Checked", checked("MenuView_Help_InLeftArea"));
    put("PanelLeft.Visible", panelLeft_->isVisibleTo(this) ? 1 : 0);
    put("MenuView_Help_Window.Checked", checked("MenuView_Help_Window"));
    put("SplitterMain.Visible", panelLeft_->isVisibleTo(this) ? 1 : 0);
    put("SplitterMain.Align", left ? alLeft : alRight);
    const QString failure = store.sync();
    if (!failure.isEmpty()) services_.prompts.error(failure);
}

void MainWindow::restoreLayout() {
    SettingsStore& store = services_.settingsStore;
    const QString key = layoutKey();
    // A value missing from the store (or not a number) leaves the property as it is.
    auto get = [&](const char* name) -> std::optional<int> {
        const auto text = store.readText(key, QString::fromLatin1(name));
        if (!text) return std::nullopt;
        bool ok = false;
        const int value = text->toInt(&ok);
        return ok ? std::optional<int>(value) : std::nullopt;
    };
    auto check = [&](const char* name) {
        if (const auto v = get(name))
            action(QString::fromLatin1(name).section(QLatin1Char('.'), 0, 0))->setChecked(*v != 0);
    };
    if (const auto state = get("FormMainPHP.WindowState")) {
        if (*state == wsMaximized)
            setWindowState(windowState() | Qt::WindowMaximized);
        else if (*state == wsMinimized)
            setWindowState(windowState() | Qt::WindowMinimized);
    }
    if (auto width = get("PanelLeft.Width"); width && *width > 0) {
        // Kept on the screen, with room for the editor beside it, like the editor options are.
        const QRect screen = QApplication::primaryScreen()
                                 ? QApplication::primaryScreen()->availableGeometry()
                                 : QRect(0, 0, 1024, 768);
        const int widest = std::max(panelLeft_->minimumWidth(), screen.width() - kEditorRoom);
        width = std::clamp(*width, panelLeft_->minimumWidth(), widest);
        QList<int> sizes = splitter_->sizes();
        const int total = std::max(sizes.value(0) + sizes.value(1), *width + 100);
        if (dockingAreaOnLeft())
            splitter_->setSizes({*width, total - *width});
        else
            splitter_->setSizes({total - *width, *width});
    }
    check("MenuView_DockingArea_Show.Checked");
    check("MenuView_DockingArea_Left.Checked");
    check("MenuView_DockingArea_Right.Checked");
    if (const auto align = get("PanelLeft.Align"); align && (*align == alLeft || *align == alRight)) {
        placeDockingArea(*align == alLeft);
    }
    check("MenuView_ShowCodeTabs_Left.Checked");
    check("MenuView_ShowCodeTabs_Right.Checked");
    check("MenuView_ShowCodeTabs_Top.Checked");
    check("MenuView_ShowCodeTabs_Bottom.Checked");
    check("MenuView_ShowCodeTabs_Show.Checked");
    if (const auto position = get("PageControl.TabPosition")) {
        const QTabWidget::TabPosition positions[] = {QTabWidget::North, QTabWidget::South, QTabWidget::West,
                                                     QTabWidget::East};
        if (*position >= 0 && *position <= 3) documentTabs_->setTabPosition(positions[*position]);
    }
    // 1 hides the tabs; any other value is their natural size.
    if (const auto h = get("PageControl.TabHeight")) tabHeight_ = *h == 1 ? 1 : 0;
    if (const auto w = get("PageControl.TabWidth")) tabWidth_ = *w == 1 ? 1 : 0;
    documentTabsShown_ = action(QStringLiteral("MenuView_ShowCodeTabs_Show"))->isChecked();
    applyDocumentTabSize();
    check("MenuView_Help_InBroserw.Checked");
    check("MenuView_Help_InLeftArea.Checked");
    if (const auto visible = get("PanelLeft.Visible")) panelLeft_->setVisible(*visible != 0);
    check("MenuView_Help_Window.Checked");
    if (const auto align = get("SplitterMain.Align"); align && (*align == alLeft || *align == alRight))
        placeDockingArea(*align == alLeft);
}

} // namespace wertan
