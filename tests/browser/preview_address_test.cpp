#include "browser/preview_address.h"
#include "support/temp_dir.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace wertan;
using wertan::test::TempDir;

TEST(PreviewAddress, DocumentUnderTheRootGetsItsAddress) {
    TempDir dir;
    const QString root = dir.file(QStringLiteral("public_html"));
    const QString page = dir.write(QStringLiteral("public_html/dział/kontakt.php"), "x");
    const struct {
        const char* testUrl;
        QString rootText;
        const char* expected;
    } cases[] = {
        {"http://localhost:8000/index.php3", root, "http://localhost:8000/dział/kontakt.php"},
        {"http://localhost:8000/index.php3", root + QStringLiteral("/"),
         "http://localhost:8000/dział/kontakt.php"},
        {"http://127.0.0.1/deep/index.php3", root, "http://127.0.0.1/dział/kontakt.php"},
        {"https://example.org:8443/", root, "https://example.org:8443/dział/kontakt.php"},
    };
    for (const auto& c : cases) {
        QString error;
        const auto address = documentAddress(page, c.rootText, QString::fromUtf8(c.testUrl), &error);
        ASSERT_TRUE(address.has_value()) << c.testUrl << error.toStdString();
        EXPECT_EQ(*address, QString::fromUtf8(c.expected));
    }
    // A root reached through a link still holds the document.
    QFile::link(root, dir.file(QStringLiteral("www")));
    EXPECT_EQ(documentAddress(page, dir.file(QStringLiteral("www")), QStringLiteral("http://localhost:8000/"),
                              nullptr),
              QStringLiteral("http://localhost:8000/dział/kontakt.php"));
    // An address as the web view shows it: a space stays a space, a percent sign is escaped.
    const QString spaced = dir.write(QStringLiteral("public_html/moja strona 100%.php3"), "x");
    EXPECT_EQ(documentAddress(spaced, root, QStringLiteral("http://localhost:8000/"), nullptr),
              QStringLiteral("http://localhost:8000/moja strona 100%25.php3"));
}

TEST(PreviewAddress, NoAddressWithAReason) {
    TempDir dir;
    const QString root = dir.file(QStringLiteral("public_html"));
    QDir().mkpath(root);
    const QString outside = dir.write(QStringLiteral("inne/a.php"), "x");
    const QString sibling = dir.write(QStringLiteral("public_html2/a.php"), "x");
    const struct {
        QString document;
        QString root;
        const char* testUrl;
        const char* reason;
    } cases[] = {
        {outside, root, "http://localhost:8000/", "nie leży w głównym katalogu serwera"},
        {sibling, root, "http://localhost:8000/", "nie leży w głównym katalogu serwera"},
        {root, root, "http://localhost:8000/", "nie leży w głównym katalogu serwera"},
        {outside, QString(), "http://localhost:8000/", "Nie podano głównego katalogu"},
        {outside, root, "index.php3", "Adres testowy"},
    };
    for (const auto& c : cases) {
        QString error;
        EXPECT_FALSE(documentAddress(c.document, c.root, QString::fromUtf8(c.testUrl), &error).has_value())
            << c.reason;
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.reason))) << error.toStdString();
    }
}

TEST(PreviewAddress, ChoiceSelectsTheAddress) {
    TempDir dir;
    const QString page = dir.write(QStringLiteral("root/a.php"), "x");
    const QString test = QStringLiteral("http://localhost:8000/index.php3");
    const QString root = dir.file(QStringLiteral("root"));
    EXPECT_EQ(previewAddress(PreviewChoice::TestAddress, test, page, root, nullptr), test);
    EXPECT_EQ(previewAddress(PreviewChoice::ActiveDocument, test, page, root, nullptr),
              QStringLiteral("http://localhost:8000/a.php"));
    QString error;
    EXPECT_FALSE(previewAddress(PreviewChoice::Nothing, test, page, root, &error).has_value());
    EXPECT_TRUE(error.isEmpty());
}
