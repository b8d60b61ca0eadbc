#include "shell/tag_menus.h"
#include "support/temp_dir.h"

#include <QFile>
#include <algorithm>
#include <gtest/gtest.h>

using namespace wertan;
using wertan::test::TempDir;

namespace {

std::string numberedLines(int count) {
    std::string s;
    for (int i = 1; i <= count; ++i)
        s += "line" + std::to_string(i) + "\r\n";
    return s;
}

TagMenu loadDelivered(const char* name) {
    TagMenu menu;
    QString error;
    EXPECT_TRUE(loadTagMenu(QStringLiteral(WERTAN_PROGRAM_SOURCE_DIR "/data/") + QString::fromLatin1(name),
                            &menu, &error))
        << error.toStdString();
    return menu;
}

} // namespace

TEST(TagMenus, SplitsLinesAtCrLfLfAndCr) {
    using Lines = std::vector<std::string>;
    const struct {
        std::string bytes;
        Lines lines;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\r\nb", {"a", "b"}},
        {"a\nb\rc\r\n\r\nd", {"a", "b", "c", "", "d"}},
        {"\r\n", {""}},
        {"x\r\r\n", {"x", ""}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(splitTagFileLines(c.bytes), c.lines) << c.bytes;
}

TEST(TagMenus, EntriesAreLinePairsAndAnOddLastLineIsIgnored) {
    const TagMenu menu =
        parseTagMenu("Nag\xB3\xF3wek &1\r\n<H1>\r\n-\r\n-\r\n&Pogrubienie\r\n<B>\r\norphan\r\n");
    ASSERT_EQ(menu.entries.size(), 3u);
    EXPECT_EQ(menu.ignoredLines, 1);
    EXPECT_EQ(menu.entries[0].caption, "Nag\xB3\xF3wek &1");
    EXPECT_EQ(menu.entries[0].text, "<H1>");
    EXPECT_FALSE(menu.entries[0].isSeparator());
    EXPECT_TRUE(menu.entries[1].isSeparator());
    EXPECT_EQ(menu.entries[2].caption, "&Pogrubienie");

    EXPECT_TRUE(parseTagMenu("").entries.empty());
    EXPECT_EQ(parseTagMenu("only\r\n").ignoredLines, 1);
    EXPECT_EQ(parseTagMenu(numberedLines(5)).entries.size(), 2u);
    // Blank lines count like any other line.
    const TagMenu blanks = parseTagMenu("\r\n<P>\r\n");
    ASSERT_EQ(blanks.entries.size(), 1u);
    EXPECT_EQ(blanks.entries[0].caption, "");
    EXPECT_FALSE(parseTagMenu("- \r\nx\r\n").entries[0].isSeparator());
}

TEST(TagMenus, AtMost128EntriesAreRead) {
    const struct {
        int lines;
        std::size_t entries;
        int ignored;
    } cases[] = {{254, 127, 0}, {255, 127, 1}, {256, 128, 0}, {257, 128, 1}, {258, 128, 2}, {600, 128, 344}};
    for (const auto& c : cases) {
        const TagMenu menu = parseTagMenu(numberedLines(c.lines));
        EXPECT_EQ(menu.entries.size(), c.entries) << c.lines;
        EXPECT_EQ(menu.ignoredLines, c.ignored) << c.lines;
        EXPECT_EQ(menu.entries.back().text, "line" + std::to_string(2 * c.entries)) << c.lines;
    }
}

TEST(TagMenus, HintsAndInsertedText) {
    const struct {
        std::string text;
        std::string shortHint;
        std::string longHint;
        std::string upper;
        std::string lower;
    } cases[] = {
        {"<H1>", "<H1>", "Wstawia <H1> do aktualnego dokumentu", "<H1>", "<h1>"},
        {"<B>", "<B>", "Wstawia <B> do aktualnego dokumentu", "<B>", "<b>"},
        {"#zkPHP", "#zkPHP", "Wstawia #zkPHP do aktualnego dokumentu", "#zkPHP", "#zkphp"},
        // A "|" cuts the inserted text; the long hint is what follows the hint's first "|".
        {"<A HREF=\"\">|odsy\xB3\x61\x63z", "<A HREF=\"\">",
         "odsy\xB3\x61\x63z|Wstawia <A HREF=\"\">|odsy\xB3\x61\x63z do aktualnego dokumentu", "<A HREF=\"\">",
         "<a href=\"\">"},
        {"|", "", "|Wstawia | do aktualnego dokumentu", "", ""},
        {"", "", "Wstawia  do aktualnego dokumentu", "", ""},
    };
    for (const auto& c : cases) {
        const TagMenuEntry entry{"caption", c.text};
        EXPECT_EQ(entry.hint(), c.text + "|Wstawia " + c.text + " do aktualnego dokumentu");
        EXPECT_EQ(entry.shortHint(), c.shortHint) << c.text;
        EXPECT_EQ(entry.longHint(), c.longHint) << c.text;
        EXPECT_EQ(entry.insertText(false), c.upper) << c.text;
        EXPECT_EQ(entry.insertText(true), c.lower) << c.text;
    }
}

TEST(TagMenus, LoadingAMissingFileFailsWithTheReason) {
    TempDir dir;
    const QString path = dir.file(QStringLiteral("data/styltags.dat"));
    TagMenu menu;
    menu.entries.push_back({"stale", "stale"});
    QString error;
    EXPECT_FALSE(loadTagMenu(path, &menu, &error));
    EXPECT_TRUE(menu.entries.empty());
    EXPECT_TRUE(error.startsWith(QStringLiteral("Nie można otworzyć pliku ") + path)) << error.toStdString();

    dir.write(QStringLiteral("data/styltags.dat"), QByteArray("&Akapit\r\n<P>\r\n"));
    error.clear();
    ASSERT_TRUE(loadTagMenu(path, &menu, &error));
    EXPECT_TRUE(error.isEmpty());
    ASSERT_EQ(menu.entries.size(), 1u);
    EXPECT_EQ(menu.entries[0].insertText(true), "<p>");

    // A folder in the file's place cannot be read either.
    EXPECT_FALSE(loadTagMenu(dir.path(), &menu, &error));
    EXPECT_TRUE(menu.entries.empty());
}

TEST(DeliveredTagFiles, AreWindows1250PairsWithCrLfLineEnds) {
    for (const char* name : {"styltags.dat", "zkphptags.dat"}) {
        const QByteArray bytes =
            test::readAll(QStringLiteral(WERTAN_PROGRAM_SOURCE_DIR "/data/") + QString::fromLatin1(name));
        ASSERT_FALSE(bytes.isEmpty()) << name;
        const std::string s(bytes.constData(), std::size_t(bytes.size()));
        // Every line ends in CR LF; no control characters, and no byte the code page leaves unassigned.
        EXPECT_TRUE(s.ends_with("\r\n")) << name;
        for (std::size_t i = 0; i < s.size(); ++i) {
            const auto b = static_cast<unsigned char>(s[i]);
            if (b == '\n') {
                EXPECT_TRUE(i > 0 && s[i - 1] == '\r') << name << " at " << i;
            } else if (b == '\r') {
                EXPECT_TRUE(i + 1 < s.size() && s[i + 1] == '\n') << name << " at " << i;
            } else {
                EXPECT_TRUE(b >= 0x20 && b != 0x7F && b != 0x81 && b != 0x83 && b != 0x88 && b != 0x90 &&
                            b != 0x98)
                    << name << " at " << i;
            }
        }
        const TagMenu menu = parseTagMenu(s);
        EXPECT_EQ(menu.ignoredLines, 0) << name;
        EXPECT_GT(menu.entries.size(), 10u) << name;
        EXPECT_LE(menu.entries.size(), std::size_t(kMaxTagMenuEntries)) << name;
        for (const TagMenuEntry& e : menu.entries) {
            EXPECT_FALSE(e.caption.empty()) << name;
            if (!e.isSeparator()) {
                EXPECT_EQ(e.shortHint(), e.text) << name << ": " << e.caption; // no "|" cuts
            }
        }
    }
}

TEST(DeliveredTagFiles, StyleMenuOffersTheEverydayTags) {
    const TagMenu menu = loadDelivered("styltags.dat");
    std::string all;
    for (const TagMenuEntry& e : menu.entries)
        all += e.text + "\n";
    for (const char* tag :
         {"<H1>", "<H2>",     "<H3>",      "<H4>",  "<H5>",         "<H6>",     "<P>",   "<BR>",
          "<HR>", "<B>",      "<I>",       "<U>",   "<EM>",         "<STRONG>", "<UL>",  "<OL>",
          "<LI>", "<A HREF=", "<IMG SRC=", "<PRE>", "<BLOCKQUOTE>", "<SUP>",    "<SUB>", "<CENTER>"})
        EXPECT_NE(all.find(tag), std::string::npos) << tag;
    // Stored in upper case, so the tag-case rule has something to do.
    EXPECT_EQ(menu.entries[0].insertText(false), "<H1></H1>");
    EXPECT_EQ(menu.entries[0].insertText(true), "<h1></h1>");
}

TEST(DeliveredTagFiles, TemplateTagMenuOffersEveryTemplateTag) {
    const TagMenu menu = loadDelivered("zkphptags.dat");
    std::vector<std::string> texts;
    for (const TagMenuEntry& e : menu.entries)
        if (!e.isSeparator()) texts.push_back(e.text);
    const char* tags[] = {"#zkPHP",       "#zkClassBegin", "#zkClassName",  "#zkClassEnd",   "#zkPHPBegin",
                          "#zkPHPEnd",    "#zkText",       "#zkName",       "#zkInt",        "#zkIntMinMax",
                          "#zkIntValue",  "#zkString",     "#zkStringText", "#zkStringLeng", "#zkItems",
                          "#zkItemFirst", "#zkItem",       "#zkfile"};
    for (const char* tag : tags) {
        // An entry whose text is the tag itself, or the tag with its value brackets.
        const bool found = std::any_of(texts.begin(), texts.end(), [&](const std::string& t) {
            return t == tag || t == std::string(tag) + "()" || t == std::string(tag) + "(,)";
        });
        EXPECT_TRUE(found) << tag;
    }
    EXPECT_EQ(texts.size(), std::size(tags));
}
