#include "catalogue/ui/hint_window.h"

#include "platform/program_paths.h"
#include "text/win1250.h"

#include <QBoxLayout>
#include <QFileInfo>
#include <QPushButton>
#include <QUrl>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

namespace wertan {

HintWindow::HintWindow(const ProgramPaths& paths, QWidget* dockingArea, QWidget* owner)
    : DockableToolWindow(QStringLiteral("Podpowiedzi PHP"), dockingArea, owner), paths_(paths),
      pages_([this](const std::string& relative) {
          return QFileInfo(paths_.file(fromWin1250(relative))).isFile();
      }) {
    setObjectName(QStringLiteral("HintWindow"));
    auto* row = new QHBoxLayout;
    back_ = new QPushButton(QStringLiteral("Wstecz"), this);
    back_->setObjectName(QStringLiteral("BtnBack"));
    back_->setToolTip(QStringLiteral("Wyświetla poprzednią stronę."));
    back_->setStatusTip(back_->toolTip());
    row->addWidget(back_);
    row->addStretch(1);
    body()->addLayout(row);

    // A profile of its own that keeps nothing in a cache: an edited manual page shows as it is now.
    profile_ = new QWebEngineProfile(this);
    profile_->setHttpCacheType(QWebEngineProfile::NoCache);
    view_ = new QWebEngineView(this);
    view_->setPage(new QWebEnginePage(profile_, view_));
    view_->setObjectName(QStringLiteral("HintBrowser"));
    body()->addWidget(view_, 1);
    connect(back_, &QPushButton::clicked, view_, &QWebEngineView::back);
    resize(320, 420);
}

HintWindow::~HintWindow() {
    // The page goes before the profile it was made with.
    delete view_;
    view_ = nullptr;
}

void HintWindow::showHint(const std::string& word) {
    const auto page = pages_.lookup(word);
    if (!page) return;
    const QString path = paths_.file(fromWin1250(*page));
    emit pageRequested(path);
    view_->load(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
}

} // namespace wertan
