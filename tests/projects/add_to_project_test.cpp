// Adding a file to a project with its "#zkfile" attachments, on small trees of files.
#include "platform/scripted/scripted_prompts.h"
#include "projects/add_to_project.h"
#include "support/temp_dir.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace wertan;
using namespace wertan::test;

namespace {

class AddToProjectTest : public ::testing::Test {
protected:
    TempDir dir;
    ScriptedPrompts prompts;
    QString lib = dir.file("lib");   // where the files to add live
    QString site = dir.file("site"); // the project directory

    void SetUp() override {
        QDir().mkpath(lib);
        QDir().mkpath(site + "/img");
    }
    QString libFile(const QString& name, const QByteArray& bytes) { return dir.write("lib/" + name, bytes); }
    AddToProjectResult add(const QString& source, const QString& target = QStringLiteral("img"),
                           bool follow = true) {
        AddToProjectRequest request;
        request.dir = target;
        request.source = source;
        request.followAttachments = follow;
        request.projectDir = site;
        request.libraryDir = lib + "/";
        return addToProject(request, prompts);
    }
    QString inImg(const QString& name) { return site + "/img/" + name; }
};

TEST_F(AddToProjectTest, AttachmentsComeFirstLowerCasedAndOnlyFromTheFirst101Lines) {
    QByteArray page = "<?php\r\n// header\r\n// #zkfile(B.INC) the menu\r\n";
    for (int line = 4; line <= 100; ++line)
        page += "echo 1;\r\n";
    page += "#ZKFILE(d.inc)\r\n"; // line 101: still read
    page += "#zkfile(e.inc)\r\n"; // line 102: not read
    for (int line = 103; line <= 150; ++line)
        page += line == 150 ? "#zkfile(c.inc)\r\n" : "x\r\n";
    const QString source = libFile("a.php", page);
    for (const char* name : {"b.inc", "c.inc", "d.inc", "e.inc"})
        libFile(QString::fromLatin1(name), QByteArray("<?php ") + name + " ?>");

    const AddToProjectResult result = add(source);
    EXPECT_TRUE(result.completed);
    EXPECT_EQ(result.listed, (QStringList{inImg("b.inc"), inImg("d.inc"), inImg("a.php")}));
    EXPECT_EQ(readAll(inImg("b.inc")), "<?php b.inc ?>");
    EXPECT_EQ(readAll(inImg("a.php")), page);
    EXPECT_FALSE(QFile::exists(inImg("c.inc")));
    EXPECT_FALSE(QFile::exists(inImg("e.inc")));
    EXPECT_TRUE(prompts.asked().empty());
}

TEST_F(AddToProjectTest, ThreeLevelsAreFollowedAndAllAreLookedForBesideTheFirstFile) {
    QDir().mkpath(lib + "/sub");
    const QString source = libFile("a.php", "#zkfile(one.inc)\r\n#zkfile(two.inc)\r\n");
    libFile("one.inc", "#zkfile(one-one.inc)\r\n");
    libFile("one-one.inc", "#zkfile(level3.inc)\r\n");
    libFile("level3.inc", "#zkfile(level4.inc)\r\n");
    libFile("level4.inc", "too deep");
    // A level-2 file in a sub-folder names a file that lies beside it, not beside the first file.
    libFile("sub/three.inc", "#zkfile(near.inc)");
    libFile("sub/near.inc", "near");
    libFile("two.inc", "#zkfile(sub/three.inc)");

    const AddToProjectResult result = add(source);
    EXPECT_EQ(result.listed, (QStringList{inImg("one.inc"), inImg("one-one.inc"), inImg("level3.inc"),
                                          inImg("two.inc"), inImg("three.inc"), inImg("a.php")}));
    EXPECT_FALSE(QFile::exists(inImg("level4.inc")));
    EXPECT_FALSE(QFile::exists(inImg("near.inc")));
    // near.inc was looked for beside a.php, where it is not.
    EXPECT_EQ(result.missing, QStringList{lib + "/near.inc"});
}

TEST_F(AddToProjectTest, WithoutFollowingOnlyTheFileIsCopied) {
    const QString source = libFile("a.php", "#zkfile(b.inc)\r\n");
    libFile("b.inc", "b");
    EXPECT_EQ(add(source, "img", false).listed, QStringList{inImg("a.php")});
    EXPECT_FALSE(QFile::exists(inImg("b.inc")));
}

TEST_F(AddToProjectTest, AnExistingTargetIsReplacedOnlyWhenTheUserSaysYes) {
    const QString source = libFile("a.php", "#zkfile(b.inc)\r\nnew a");
    libFile("b.inc", "#zkfile(c.inc)\r\nnew b");
    libFile("c.inc", "c");
    for (Answer answer : {Answer::No, Answer::Yes}) {
        SCOPED_TRACE(answer == Answer::Yes ? "Yes" : "No");
        dir.write("site/img/b.inc", "old b");
        dir.write("site/img/a.php", "old a");
        QFile::remove(inImg("c.inc"));
        prompts.clear();
        prompts.queueAnswer(answer); // b.inc
        prompts.queueAnswer(answer); // a.php
        const AddToProjectResult result = add(source);
        // Neither is listed again, and the attachments of b.inc are not followed.
        EXPECT_TRUE(result.listed.isEmpty());
        EXPECT_FALSE(QFile::exists(inImg("c.inc")));
        EXPECT_EQ(prompts.askedTexts(AskedPrompt::Kind::Confirm), QStringList(2, overwriteQuestion()));
        EXPECT_EQ(prompts.confirmCaptions(), QStringList(2, QStringLiteral("Błąd kopiowania!")));
        EXPECT_EQ(readAll(inImg("b.inc")), answer == Answer::Yes ? "#zkfile(c.inc)\r\nnew b" : "old b");
        EXPECT_EQ(readAll(inImg("a.php")), answer == Answer::Yes ? "#zkfile(b.inc)\r\nnew a" : "old a");
    }
}

TEST_F(AddToProjectTest, AMissingAttachmentIsNamedAndNotListed) {
    const QString source = libFile("a.php", "#zkfile(gone.inc)\r\n#zkfile(b.inc)\r\n");
    libFile("b.inc", "#zkfile(lost.inc)");
    const AddToProjectResult result = add(source);
    EXPECT_TRUE(result.completed);
    EXPECT_EQ(result.listed, (QStringList{inImg("b.inc"), inImg("a.php")}));
    EXPECT_EQ(result.missing, (QStringList{lib + "/gone.inc", lib + "/lost.inc"}));
    const QStringList notes = prompts.askedTexts(AskedPrompt::Kind::Message);
    ASSERT_EQ(notes.size(), 1);
    EXPECT_TRUE(notes[0].contains(lib + "/gone.inc (wymieniony w pliku " + source + ")"))
        << notes[0].toStdString();
    EXPECT_TRUE(notes[0].contains(lib + "/lost.inc (wymieniony w pliku " + lib + "/b.inc)"))
        << notes[0].toStdString();
    EXPECT_FALSE(QFile::exists(inImg("gone.inc")));
}

TEST_F(AddToProjectTest, AnAttachmentNamedTwiceIsCopiedOnce) {
    const QString source =
        libFile("a.php", "#zkfile(common.inc)\r\n#zkfile(b.inc)\r\n#zkfile(common.inc)\r\n");
    libFile("b.inc", "#zkfile(COMMON.inc)");
    libFile("common.inc", "c");
    EXPECT_EQ(add(source).listed, (QStringList{inImg("common.inc"), inImg("b.inc"), inImg("a.php")}));
    EXPECT_TRUE(prompts.asked().empty());
}

TEST_F(AddToProjectTest, RelativeSourceLiesInTheLibraryAndAbsoluteTargetIsUsedAsItIs) {
    QDir().mkpath(lib + "/menu");
    libFile("menu/menu.php3", "#zkfile(menu.inc)");
    libFile("menu/menu.inc", "m");
    const QString elsewhere = dir.file("elsewhere");
    QDir().mkpath(elsewhere);
    const AddToProjectResult result = add(QStringLiteral("menu/menu.php3"), elsewhere);
    EXPECT_EQ(result.listed, (QStringList{elsewhere + "/menu.inc", elsewhere + "/menu.php3"}));
}

TEST_F(AddToProjectTest, EmptyFileHasNoAttachments) {
    const QString source = libFile("empty.php", "");
    EXPECT_EQ(add(source).listed, QStringList{inImg("empty.php")});
    EXPECT_EQ(readAll(inImg("empty.php")), "");
}

TEST_F(AddToProjectTest, WhatCannotStartCopiesNothing) {
    const QString source = libFile("a.php", "#zkfile(b.inc)");
    libFile("b.inc", "b");
    const struct {
        const char* what;
        QString source;
        QString target;
        QString projectDir;
        const char* says;
    } cases[] = {
        {"missing source", lib + "/none.php", "img", site, "none.php"},
        {"no source", "", "img", site, "Nie wskazano pliku"},
        {"missing target directory", source, "nowhere", site, "nie istnieje"},
        {"relative target with no project", source, "img", "", "nie jest pełną ścieżką"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        prompts.clear();
        AddToProjectRequest request{c.target, c.source, true, c.projectDir, lib + "/"};
        const AddToProjectResult result = addToProject(request, prompts);
        EXPECT_FALSE(result.completed);
        EXPECT_TRUE(result.listed.isEmpty());
        const QStringList errors = prompts.askedTexts(AskedPrompt::Kind::Error);
        ASSERT_EQ(errors.size(), 1);
        EXPECT_TRUE(errors[0].contains(QString::fromUtf8(c.says))) << errors[0].toStdString();
        EXPECT_FALSE(QFile::exists(inImg("b.inc")));
    }
}

TEST(AttachmentNames, OneNamePerMarkedLine) {
    const std::string longLine = "// " + std::string(300, '-') + " #zkfile(Far.Inc)";
    const std::string text = "#zkfile(A.INC)\r\n"
                             "no marker (x.inc)\r\n"
                             "#ZkFile no brackets\r\n"
                             "#zkfile(unclosed\r\n"
                             "#zkfile()\r\n"
                             "(first.inc) #zkfile (second.inc)\r\n"
                             "#zkfile(\xA3\xF3"
                             "d\x9F.inc)\r\n" +
                             longLine + "\r\n";
    EXPECT_EQ(attachmentNames(text),
              (QStringList{"a.inc", "first.inc", QStringLiteral("Łódź.inc"), "far.inc"}));
}

} // namespace
