#include "shell/document_names.h"

#include <gtest/gtest.h>

using namespace wertan;

TEST(DocumentNames, TabsOfDocumentsWithTheSameNameShowTheFoldersThatTellThemApart) {
    const struct {
        QStringList captions;
        QStringList paths;
        QStringList texts;
    } cases[] = {
        {{"a.php", "b.php"}, {"/w/a.php", "/w/b.php"}, {"a.php", "b.php"}},
        {{"plik.php", "plik.php"},
         {"/home/u/a/plik.php", "/home/u/b/plik.php"},
         {"plik.php (a)", "plik.php (b)"}},
        // The same last folder: as many folders as it takes.
        {{"plik.php", "plik.php", "plik.php"},
         {"/w/a/plik.php", "/w/b/plik.php", "/x/a/plik.php"},
         {"plik.php (w/a)", "plik.php (b)", "plik.php (x/a)"}},
        // Remote documents count by their remote folders; the same path locally and remotely stays
        // as far apart as the paths go.
        {{"index.php", "index.php"},
         {"[ftp]/www/index.php", "/home/u/www/index.php"},
         {"index.php (www)", "index.php (u/www)"}},
        {{"Beznazwy", "a.php"}, {"", "/a.php"}, {"Beznazwy", "a.php"}},
        // Untitled documents have no folder to show.
        {{"x.php", "x.php"}, {"x.php", "/d/x.php"}, {"x.php", "x.php (d)"}},
        // Letter case counts, as file names on Linux.
        {{"A.php", "a.php"}, {"/p/A.php", "/q/a.php"}, {"A.php", "a.php"}},
    };
    for (const auto& c : cases)
        for (int i = 0; i < c.captions.size(); ++i)
            EXPECT_EQ(distinctTabText(c.captions, c.paths, i), c.texts[i]) << c.paths.join(' ').toStdString();
    EXPECT_EQ(distinctTabText({"a"}, {"/a"}, 3), QString());
}
