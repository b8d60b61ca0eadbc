// The class catalogue and the class init file: round trips, type words, counts, comments below
// the end line, and the delivered catalogue.
#include "classlib/class_catalogue.h"
#include "text/document_text.h"
#include "text/win1250.h"

#include <QFileInfo>
#include <algorithm>
#include <gtest/gtest.h>

using namespace wertan;

namespace {
std::string w(const char* utf8) {
    return utf8ToWin1250(utf8);
}

std::vector<ClassTab> twoTabs() {
    return {
        {w("Główna"),
         {{"koszyk", "zklib\\koszyk\\koszyk.php", "data\\classes\\koszyk\\koszyk.bmp", ClassType::Ordinary}}},
        {"Inne",
         {{"a", "zklib\\a\\a.php", "data\\classes\\a\\a.bmp", ClassType::Attachment},
          {"b", "c:\\b\\b.php", "data\\classes\\b\\b.bmp", ClassType::Ordinary}}},
    };
}
} // namespace

TEST(ClassCatalogue, WritesTheFixedLayoutAndReadsItBack) {
    const std::string bytes = writeCatalogue(twoTabs(), "/opt/wertan/data\\classes\\class.cls");
    const std::string expected =
        w("// Plik klas, modyfikować tylko w ostateczności\r\n"
          "// Więcej informacji o budowie tego pliku można znaleźć w pomocy\r\n"
          "// Lokalizacja pliku\r\n"
          "/opt/wertan/data\\classes\\class.cls\r\n"
          "// Wersja klas: 1.0 z 1.03.2000\r\n"
          "// Liczba zakładek:\r\n"
          "2\r\n"
          "// Nazwa zakładki:\r\n"
          "Główna\r\n"
          "// Liczna klas na zakładce:\r\n"
          "1\r\n"
          "// Dane klas (Nazwa/plik/ikona)\r\n"
          "koszyk\r\nzklib\\koszyk\\koszyk.php\r\ndata\\classes\\koszyk\\koszyk.bmp\r\nzwykły\r\n"
          "// Nazwa zakładki:\r\n"
          "Inne\r\n"
          "// Liczna klas na zakładce:\r\n"
          "2\r\n"
          "// Dane klas (Nazwa/plik/ikona)\r\n"
          "a\r\nzklib\\a\\a.php\r\ndata\\classes\\a\\a.bmp\r\nzałącznik\r\n"
          "b\r\nc:\\b\\b.php\r\ndata\\classes\\b\\b.bmp\r\nzwykły\r\n"
          "// Koniec pliku (Poniżej można wstawiać komentarze)\r\n");
    EXPECT_EQ(bytes, expected);
    const CatalogueReadResult read = readCatalogue(bytes);
    ASSERT_TRUE(read.ok) << read.error;
    EXPECT_EQ(read.tabs, twoTabs());
}

TEST(ClassCatalogue, CommentsBelowTheEndLineAreIgnoredAndDroppedOnWrite) {
    const std::string withComments = writeCatalogue(twoTabs(), "x") + "komentarz\r\n2\r\n// inny\r\n";
    const CatalogueReadResult read = readCatalogue(withComments);
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.tabs, twoTabs());
    EXPECT_EQ(writeCatalogue(read.tabs, "x"), writeCatalogue(twoTabs(), "x"));
}

TEST(ClassCatalogue, ReaderSkipsCommentLinesByPositionOnly) {
    std::string bytes = writeCatalogue(twoTabs(), "x");
    // Comment lines replaced by anything: the reader does not look at them.
    for (const char* comment : {"// Nazwa zak", "// Liczna klas", "// Dane klas"}) {
        std::size_t at = 0;
        const std::string needle = w(comment);
        while ((at = bytes.find(needle, at)) != std::string::npos)
            bytes.replace(at, needle.size(), "?? ");
    }
    const CatalogueReadResult read = readCatalogue(bytes);
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.tabs, twoTabs());
}

TEST(ClassCatalogue, TypeWords) {
    struct Case {
        const char* word;
        ClassType type;
    } cases[] = {
        {"załącznik", ClassType::Attachment},
        {"Załącznik", ClassType::Attachment}, // only the first letter a
                                              // capital: ASCII, folded
        {"ZAŁĄCZNIK", ClassType::Ordinary},   // Polish capitals are not folded
        {"ZAłąCZNIK", ClassType::Attachment},
        {"zwykły", ClassType::Ordinary},
        {"", ClassType::Ordinary},
        {"cokolwiek", ClassType::Ordinary},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.word);
        EXPECT_EQ(classTypeFromWord(w(c.word)), c.type);
    }
    EXPECT_EQ(classTypeWord(ClassType::Attachment), w("załącznik"));
    EXPECT_EQ(classTypeWord(ClassType::Ordinary), w("zwykły"));
}

TEST(ClassCatalogue, CountsThatAreNotNumbersStopTheReading) {
    const std::string good = writeCatalogue(twoTabs(), "x");
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t at; (at = good.find("\r\n", start)) != std::string::npos; start = at + 2)
        lines.push_back(good.substr(start, at - start));
    struct Case {
        std::size_t line;
        const char* text;
    } cases[] = {{6, "dwa"}, {6, ""}, {10, "1x"}, {6, "300"}, {10, "-1"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::vector<std::string> changed = lines;
        changed[c.line] = c.text;
        std::string bytes;
        for (const std::string& l : changed)
            bytes += l + "\r\n";
        const CatalogueReadResult read = readCatalogue(bytes);
        EXPECT_FALSE(read.ok);
        EXPECT_NE(read.error.find(c.text), std::string::npos) << read.error;
    }
    // Blanks before the digits are taken, as the runtime's conversion takes them.
    lines[6] = " 2";
    std::string bytes;
    for (const std::string& l : lines)
        bytes += l + "\r\n";
    EXPECT_TRUE(readCatalogue(bytes).ok);
}

TEST(ClassInitFile, RoundTripAndLayout) {
    const ClassInitFile init{"koszyk", w("Główna"), "koszyk.php", "koszyk.bmp", ClassType::Attachment};
    const std::string bytes = writeClassInitFile(init);
    EXPECT_EQ(bytes, w("// Plik inincjujący klasy\r\n// Nazwa:\r\nkoszyk\r\n// Zakładka:\r\nGłówna\r\n"
                       "// Plik:\r\nkoszyk.php\r\n// Ikona:\r\nkoszyk.bmp\r\n// Typ:\r\nzałącznik\r\n"));
    const ClassInitReadResult read = readClassInitFile(bytes);
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.init, init);
    EXPECT_FALSE(readClassInitFile("// Plik\r\n// Nazwa:\r\nx\r\n").ok);
}

TEST(ClassCatalogue, DeliveredCatalogueListsExistingFiles) {
    std::string bytes;
    QString error;
    const QString program = QStringLiteral(WERTAN_PROGRAM_DIR);
    ASSERT_TRUE(readFileBytes(program + "/data/classes/class.cls", &bytes, &error)) << error.toStdString();
    const CatalogueReadResult read = readCatalogue(bytes);
    ASSERT_TRUE(read.ok);
    ASSERT_GE(read.tabs.size(), 2u);
    for (const ClassTab& tab : read.tabs)
        for (const CatalogueClass& entry : tab.classes) {
            for (std::string path : {entry.file, entry.icon}) {
                std::replace(path.begin(), path.end(), '\\', '/');
                EXPECT_TRUE(QFileInfo::exists(program + "/" + QString::fromStdString(path))) << path;
            }
        }
    EXPECT_EQ(writeCatalogue(read.tabs, "data\\classes\\class.cls"), bytes);
}

TEST(ConvertInteger, RuntimeConversion) {
    struct Case {
        const char* text;
        bool ok;
        long long value;
    } cases[] = {{"12", true, 12},  {"-5", true, -5},  {" 7", true, 7},
                 {"$1F", true, 31}, {"", false, 0},    {"7 ", false, 0},
                 {"1.5", false, 0}, {"abc", false, 0}, {"99999999999", false, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        long long value = 0;
        EXPECT_EQ(convertInteger(c.text, &value), c.ok);
        if (c.ok) {
            EXPECT_EQ(value, c.value);
        }
    }
}
