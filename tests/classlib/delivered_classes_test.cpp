// Every delivered class as a user inserts it with its default parameters: the object lines and
// the include line written into a page under a document root, the template and its attachments
// copied beside it, and the page run under the command-line PHP without a warning or an error.
#include "classlib/class_catalogue.h"
#include "classlib/template_preprocessor.h"
#include "text/document_text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

using namespace wertan;

namespace {
const QString kProgram = QStringLiteral(WERTAN_PROGRAM_DIR);

QString programFile(std::string relative) {
    std::replace(relative.begin(), relative.end(), '\\', '/');
    return kProgram + "/" + QString::fromStdString(relative);
}

std::vector<std::string> fileLines(const QString& path) {
    std::string bytes;
    QString error;
    EXPECT_TRUE(readFileBytes(path, &bytes, &error)) << error.toStdString();
    return splitTextLines(bytes);
}

// Copies the template and, level by level, the files its "#zkfile" lines name.
void copyWithAttachments(const QString& source, const QString& targetDir) {
    const QString target = targetDir + "/" + QFileInfo(source).fileName();
    if (QFileInfo::exists(target)) return;
    ASSERT_TRUE(QFile::copy(source, target)) << source.toStdString();
    for (const std::string& name : templateAttachments(fileLines(source)))
        copyWithAttachments(QFileInfo(source).absolutePath() + "/" + QString::fromStdString(name), targetDir);
}

std::string defaultValue(const TemplateRow& row) {
    switch (row.item.kind) {
    case ProcessItem::Integer:
        return integerValue(spinSetup(row.item).value);
    case ProcessItem::Text:
        return textValue(row.item.text);
    default: {
        const auto items = listItems(row.item);
        return items.empty() ? std::string() : items.front();
    }
    }
}
} // namespace

TEST(DeliveredClasses, DefaultInsertionRunsUnderPhp) {
    if (!QFileInfo::exists(QStringLiteral("/usr/bin/php"))) GTEST_SKIP() << "php-cli is not installed";
    std::string bytes;
    QString error;
    ASSERT_TRUE(readFileBytes(kProgram + "/data/classes/class.cls", &bytes, &error));
    const CatalogueReadResult catalogue = readCatalogue(bytes);
    ASSERT_TRUE(catalogue.ok);
    int classes = 0;
    std::string property;
    for (const ClassTab& tab : catalogue.tabs) {
        for (const CatalogueClass& entry : tab.classes) {
            SCOPED_TRACE(entry.name);
            ++classes;
            const QString templatePath = programFile(entry.file);
            const TemplateForm form = buildTemplateForm(fileLines(templatePath), "", property);
            ASSERT_TRUE(form.classMode);
            ASSERT_TRUE(form.error.empty());
            ASSERT_FALSE(form.selectedClass.empty());
            ASSERT_FALSE(form.rows.empty());

            QTemporaryDir root;
            ASSERT_TRUE(root.isValid());
            ASSERT_TRUE(QDir(root.path()).mkdir(QStringLiteral("inc")));
            copyWithAttachments(templatePath, root.path() + "/inc");

            std::vector<RowValue> values;
            for (const TemplateRow& row : form.rows)
                values.push_back({row.propertyName, defaultValue(row)});
            std::string page =
                includeLine("require", "inc", QFileInfo(templatePath).fileName().toStdString()) +
                "\r\n<html><body>\r\n<?php\r\n";
            for (const std::string& line : objectLines(objectNameFor(""), form.selectedClass, values))
                page += line + "\r\n";
            page += "$new->pokaz();\r\n?>\r\n</body></html>\r\n";
            ASSERT_TRUE(writeFileAtomically(root.path() + "/index.php", page, &error));

            QProcess php;
            php.setWorkingDirectory(root.path());
            php.start(QStringLiteral("/usr/bin/php"),
                      {"-d", "error_reporting=-1", "-d", "display_errors=1", "-d", "html_errors=0", "-d",
                       "log_errors=0", "-d", "date.timezone=Europe/Warsaw", "-d", "sendmail_path=/bin/false",
                       "index.php"});
            ASSERT_TRUE(php.waitForFinished(60000));
            const QString output =
                QString::fromLatin1(php.readAllStandardOutput() + php.readAllStandardError());
            EXPECT_EQ(php.exitCode(), 0) << output.toStdString();
            EXPECT_FALSE(output.contains(QRegularExpression(
                QStringLiteral("(Warning|Notice|Deprecated|Fatal error|Parse error|Uncaught)\\b"))))
                << page << "\n"
                << output.toStdString();
            EXPECT_TRUE(output.contains(QStringLiteral("<html><body>"))) << output.toStdString();
        }
    }
    EXPECT_GE(classes, 6);
}
