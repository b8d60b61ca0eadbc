#include "shell/print_layout.h"

#include <gtest/gtest.h>

using namespace wertan;

TEST(PrintLayout, HeaderThenEveryLineInTheEditorsFont) {
    const auto lines = printJobLines(QStringLiteral("/home/ala/strony/a.php"),
                                     {QStringLiteral("<?php"), QString(), QStringLiteral("?>")});
    const struct {
        const char* text;
        int sizeDelta;
        bool bold;
    } expected[] = {
        {" ", 4, true},
        {"       Wertan PHP wersja 1.0", 4, true},
        {"  Plik: /home/ala/strony/a.php", 1, true},
        {" ", 1, true},
        {"<?php", 0, false},
        {"", 0, false},
        {"?>", 0, false},
    };
    ASSERT_EQ(lines.size(), std::size(expected));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].text, QString::fromLatin1(expected[i].text)) << i;
        EXPECT_EQ(lines[i].sizeDelta, expected[i].sizeDelta) << i;
        EXPECT_EQ(lines[i].forceBold, expected[i].bold) << i;
    }
    EXPECT_EQ(printingStatusText(QStringLiteral("/home/ala/strony/a.php")),
              QStringLiteral("Drukuje /home/ala/strony/a.php"));
}

TEST(PrintLayout, ADocumentWithoutPathHasNoFileLine) {
    const auto header = printHeaderLines(QString());
    ASSERT_EQ(header.size(), 3u);
    EXPECT_EQ(header[1].text, QStringLiteral("       Wertan PHP wersja 1.0"));
    EXPECT_EQ(header[2].text, QStringLiteral(" "));
    EXPECT_EQ(printJobLines(QString(), {}).size(), 3u);
    EXPECT_EQ(printingStatusText(QString()), QStringLiteral("Drukuje "));
}
