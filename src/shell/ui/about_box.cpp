#include "shell/ui/about_box.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <Qsci/qsciglobal.h>
#include <QtWebEngineCore/qtwebenginecoreversion.h>
#include <jconfig.h>

#ifndef WERTAN_VERSION
#define WERTAN_VERSION "?"
#endif

namespace wertan {

namespace {
QString jpegVersion() {
#ifdef LIBJPEG_TURBO_VERSION_NUMBER
    const int n = LIBJPEG_TURBO_VERSION_NUMBER; // major * 1000000 + minor * 1000 + patch
    return QStringLiteral("%1.%2.%3 (libjpeg-turbo, interfejs libjpeg %4)")
        .arg(n / 1000000)
        .arg(n / 1000 % 1000)
        .arg(n % 1000)
        .arg(QString::number(JPEG_LIB_VERSION / 10) + QLatin1Char('.') +
             QString::number(JPEG_LIB_VERSION % 10));
#else
    return QString::number(JPEG_LIB_VERSION / 10) + QLatin1Char('.') + QString::number(JPEG_LIB_VERSION % 10);
#endif
}
} // namespace

QString programVersion() {
    return QStringLiteral(WERTAN_VERSION);
}

std::vector<BuiltOnLibrary> builtOnLibraries() {
    return {
        {QStringLiteral("Qt"), QString::fromLatin1(qVersion()), QStringLiteral("GNU LGPL 3")},
        {QStringLiteral("QScintilla"), QStringLiteral(QSCINTILLA_VERSION_STR), QStringLiteral("GNU GPL 3")},
        {QStringLiteral("libjpeg"), jpegVersion(),
         QStringLiteral("licencja Independent JPEG Group i zmodyfikowana licencja BSD")},
        {QStringLiteral("Qt WebEngine"), QStringLiteral(QTWEBENGINECORE_VERSION_STR),
         QStringLiteral("GNU LGPL 3 (Chromium: licencje BSD i inne)")},
    };
}

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormAbout"));
    setWindowTitle(QStringLiteral("O programie"));
    auto* layout = new QVBoxLayout(this);
    program_ = new QLabel(this);
    program_->setObjectName(QStringLiteral("LabelProgram"));
    program_->setText(QStringLiteral("<h2>Wertan PHP</h2><p>Wersja %1</p>"
                                     "<p>Środowisko do pisania stron WWW w PHP.</p>")
                          .arg(programVersion().toHtmlEscaped()));
    layout->addWidget(program_);

    QString rows;
    for (const BuiltOnLibrary& library : builtOnLibraries())
        rows += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td><td>%3</td></tr>")
                    .arg(library.name.toHtmlEscaped(), library.version.toHtmlEscaped(),
                         library.licence.toHtmlEscaped());
    libraries_ = new QLabel(this);
    libraries_->setObjectName(QStringLiteral("LabelLibraries"));
    libraries_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    libraries_->setText(QStringLiteral("<p>Program zbudowany na bibliotekach:</p>"
                                       "<table cellspacing=\"4\"><tr><th align=\"left\">Biblioteka</th>"
                                       "<th align=\"left\">Wersja</th><th align=\"left\">Licencja</th></tr>"
                                       "%1</table>")
                            .arg(rows));
    layout->addWidget(libraries_);

    auto* buttons = new QHBoxLayout;
    aboutQt_ = new QPushButton(QStringLiteral("O &Qt..."), this);
    aboutQt_->setToolTip(QStringLiteral("Pokazuje informacje o bibliotece Qt."));
    ok_ = new QPushButton(QStringLiteral("&OK"), this);
    ok_->setDefault(true);
    buttons->addWidget(aboutQt_);
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    layout->addLayout(buttons);
    connect(aboutQt_, &QPushButton::clicked, this,
            [this] { QMessageBox::aboutQt(this, QStringLiteral("O Qt")); });
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
}

void AboutBox::open() {
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
}

} // namespace wertan
