#include "classlib/ui/class_pages.h"

#include "platform/prompts.h"
#include "text/win1250.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPixmap>
#include <QScrollArea>
#include <QTabWidget>
#include <QToolButton>

namespace wertan {

ClassPages::ClassPages(QTabWidget* toolPages, int fixedPages, QString programDirectory, Prompts& prompts,
                       std::function<void(const QString&)> openTemplate, QObject* parent)
    : QObject(parent), toolPages_(toolPages), fixedPages_(fixedPages),
      programDirectory_(std::move(programDirectory)), prompts_(prompts),
      openTemplate_(std::move(openTemplate)) {
    if (!programDirectory_.isEmpty() && !programDirectory_.endsWith(QLatin1Char('/')))
        programDirectory_ += QLatin1Char('/');
}

QString ClassPages::resolve(const std::string& path) const {
    QString text = fromWin1250(path);
    text.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (hasDriveLetter(path) || text.startsWith(QLatin1Char('/'))) return text;
    return programDirectory_ + text;
}

void ClassPages::build() {
    QStringList unreadable;
    for (const ClassTab& tab : catalogue_) {
        auto* strip = new QScrollArea;
        strip->setObjectName(QStringLiteral("ClassPage"));
        strip->setToolTip(QStringLiteral("To jest zagłądka klas."));
        strip->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        strip->setFrameShape(QFrame::NoFrame);
        auto* buttons = new QWidget;
        int left = 0;
        for (const CatalogueClass& entry : tab.classes) {
            auto* button = new QToolButton(buttons);
            button->setAutoRaise(true);
            button->setGeometry(left, 0, 30, 30);
            left += 32;
            const QString templatePath = resolve(entry.file);
            button->setObjectName(fromWin1250(entry.name));
            button->setToolTip(fromWin1250(entry.name));
            button->setStatusTip(fromWin1250(entry.file));
            QImageReader reader(resolve(entry.icon));
            const QImage picture = reader.read();
            if (picture.isNull()) {
                // The button stays usable with its name; the user hears about the picture once.
                unreadable << QStringLiteral("%1 (%2)").arg(resolve(entry.icon), reader.errorString());
                button->setText(fromWin1250(entry.name).left(3));
            } else {
                button->setIcon(QPixmap::fromImage(picture));
                button->setIconSize(picture.size().boundedTo(QSize(26, 26)));
            }
            connect(button, &QToolButton::clicked, this, [this, templatePath] {
                if (openTemplate_) openTemplate_(templatePath);
            });
        }
        buttons->setFixedSize(std::max(left, 1), 30);
        strip->setWidget(buttons);
        toolPages_->setCurrentIndex(toolPages_->addTab(strip, fromWin1250(tab.name)));
    }
    if (!unreadable.isEmpty())
        prompts_.error(QStringLiteral("Nie można odczytać obrazków klas:\n") +
                       unreadable.join(QLatin1Char('\n')));
}

void ClassPages::refresh() {
    while (toolPages_->count() > fixedPages_) {
        QWidget* page = toolPages_->widget(toolPages_->count() - 1);
        toolPages_->removeTab(toolPages_->count() - 1);
        delete page;
    }
    build();
}

} // namespace wertan
