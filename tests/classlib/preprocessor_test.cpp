// The zkPHP preprocessor: the Koszyk worked example, class lists, the order of checks on a line,
// the property name that carries across blocks and files, limits, bad numbers, incomplete blocks,
// and the object and include lines.
#include "classlib/class_catalogue.h"
#include "classlib/template_preprocessor.h"
#include "text/document_text.h"
#include "text/win1250.h"

#include <climits>
#include <gtest/gtest.h>

using namespace wertan;

namespace {
std::string w(const char* utf8) {
    return utf8ToWin1250(utf8);
}

std::vector<std::string> fixtureLines(const char* name) {
    std::string bytes;
    QString error;
    EXPECT_TRUE(readFileBytes(QStringLiteral(WERTAN_CLASSLIB_FIXTURES "/") + name, &bytes, &error));
    return splitTextLines(bytes);
}

std::vector<std::string> lines(std::initializer_list<const char*> texts) {
    std::vector<std::string> result;
    for (const char* t : texts)
        result.push_back(w(t));
    return result;
}

// The object lines a form writes with every input at its initial value.
std::vector<std::string> defaultObjectLines(const TemplateForm& form) {
    std::vector<RowValue> values;
    for (const TemplateRow& row : form.rows) {
        std::string value;
        switch (row.item.kind) {
        case ProcessItem::Integer:
            value = integerValue(spinSetup(row.item).value);
            break;
        case ProcessItem::Text:
            value = textValue(row.item.text);
            break;
        default:
            value = listItems(row.item).empty() ? std::string() : listItems(row.item).front();
        }
        values.push_back({row.propertyName, value});
    }
    return objectLines(objectNameFor(""), form.selectedClass, values);
}
} // namespace

TEST(TemplatePreprocessor, KoszykWorkedExample) {
    std::string property;
    const TemplateForm form = buildTemplateForm(fixtureLines("koszyk.php"), "", property);
    ASSERT_TRUE(form.classMode);
    EXPECT_TRUE(form.error.empty());
    EXPECT_EQ(form.classes, std::vector<std::string>{"koszyk"});
    EXPECT_EQ(form.selectedClass, "koszyk");
    ASSERT_EQ(form.rows.size(), 2u);
    EXPECT_EQ(form.rows[0].label, w("ilość"));
    EXPECT_EQ(form.rows[0].propertyName, "ilosc");
    EXPECT_EQ(form.rows[0].item.kind, ProcessItem::Integer);
    EXPECT_EQ(form.rows[0].item.minValue, 1);
    EXPECT_EQ(form.rows[0].item.maxValue, 10);
    EXPECT_EQ(form.rows[0].item.value, 2);
    EXPECT_EQ(form.rows[1].label, "kolor");
    EXPECT_EQ(form.rows[1].propertyName, "kolor");
    EXPECT_EQ(form.rows[1].item.kind, ProcessItem::List);
    // The "#zkItems" line has no value: an empty item, not shown.
    EXPECT_EQ(listItems(form.rows[1].item), (std::vector<std::string>{"czerwony", "zielony"}));
    EXPECT_EQ(property, "kolor");

    EXPECT_EQ(defaultObjectLines(form),
              (std::vector<std::string>{"$new = new koszyk;", "$new->ilosc=2;", "$new->kolor=czerwony;"}));
    EXPECT_EQ(includeLine("include", "inc", "koszyk.php"), "<?php include('inc/koszyk.php'); ?>");
    EXPECT_EQ(objectNameFor(form.selectedClass), "$koszyknew");

    // Choosing koszyk again builds the same rows for the wanted name.
    const TemplateForm again = buildTemplateForm(fixtureLines("koszyk.php"), "koszyk", property);
    EXPECT_EQ(again.rows, form.rows);
    EXPECT_EQ(again.selectedClass, "koszyk");
}

TEST(TemplatePreprocessor, PlainAndEmptyClassModes) {
    std::string property = "keep";
    const TemplateForm plain = buildTemplateForm(lines({"<?php", "function f() {}"}), "", property);
    EXPECT_FALSE(plain.classMode);
    EXPECT_TRUE(plain.rows.empty());
    EXPECT_TRUE(plain.classes.empty());

    // The first line is never searched for a class start.
    const TemplateForm firstLine = buildTemplateForm(
        lines({"// #zkClassBegin #zkClassName(a) #zkPHP", "// #zkPHPBegin", "// #zkName(x)", "// #zkPHPEnd"}),
        "", property);
    EXPECT_TRUE(firstLine.classMode);
    EXPECT_TRUE(firstLine.classes.empty());
    EXPECT_TRUE(firstLine.selectedClass.empty());
    EXPECT_TRUE(firstLine.rows.empty());
    EXPECT_EQ(property, "keep");
}

TEST(TemplatePreprocessor, SeveralClassesAndTheWantedOne) {
    const auto file =
        lines({"<?php // #zkPHP", "// #zkClassBegin", "// #zkClassName(Pierwsza)", "// #zkPHPBegin",
               "// #zkText(A) #zkName(a) #zkString", "// #zkPHPEnd", "// #zkClassEnd", "// #zkClassBegin",
               "// #zkClassName(DRUGA)", "// #zkPHPBegin", "// #zkText(B)", "// #zkPHPEnd", "// #zkPHPBegin",
               "// #zkName(c)", "// #zkItems(jeden)", "// #zkPHPEnd", "// #zkClassEnd"});
    std::string property;
    const TemplateForm first = buildTemplateForm(file, "", property);
    EXPECT_EQ(first.classes, (std::vector<std::string>{"pierwsza", "druga"}));
    EXPECT_EQ(first.selectedClass, "pierwsza");
    ASSERT_EQ(first.rows.size(), 1u); // blocks after "#zkClassEnd" belong to the next class
    EXPECT_EQ(first.rows[0].item.kind, ProcessItem::Text);

    const TemplateForm second = buildTemplateForm(file, "druga", property);
    EXPECT_EQ(second.selectedClass, "druga");
    ASSERT_EQ(second.rows.size(), 2u);
    // No "#zkName" in the first block: the name of the earlier block stays.
    EXPECT_EQ(second.rows[0].propertyName, "a");
    EXPECT_EQ(second.rows[0].label, "b");
    EXPECT_EQ(second.rows[0].item.kind, ProcessItem::Integer);
    // "#zkItems(jeden)" both makes a list and adds its value.
    EXPECT_EQ(second.rows[1].propertyName, "c");
    EXPECT_EQ(listItems(second.rows[1].item), std::vector<std::string>{"jeden"});

    // The property name carries into the next file.
    const TemplateForm next = buildTemplateForm(
        lines({"<?php", "// #zkClassBegin #zkClassName(k) #zkPHPBegin #zkPHPEnd"}), "", property);
    ASSERT_EQ(next.rows.size(), 1u);
    EXPECT_EQ(next.rows[0].propertyName, "c");
}

TEST(TemplatePreprocessor, KindTagsAndTheirValues) {
    struct Case {
        const char* name;
        std::vector<std::string> block;
        ProcessItem expected;
    };
    auto item = [](auto fill) {
        ProcessItem i;
        fill(i);
        return i;
    };
    const std::vector<Case> cases = {
        {"no kind tag is an integer", lines({"#zkIntValue(5)"}), item([](ProcessItem& i) { i.value = 5; })},
        {"limits", lines({"#zkInt", "#zkIntMinMax(-3, 40)"}), item([](ProcessItem& i) {
             i.minValue = -3;
             i.maxValue = 40;
         })},
        // "#zkIntValue" also matches "#zkInt": the block turns integer again.
        {"integer tag after a text tag", lines({"#zkString", "#zkIntValue(5)"}),
         item([](ProcessItem& i) { i.value = 5; })},
        {"item tags in a text block are ignored", lines({"#zkString", "#zkItem(a)"}),
         item([](ProcessItem& i) { i.kind = ProcessItem::Text; })},
        {"text", lines({"#zkString", "#zkStringText(Ala (ma) kota)", "#zkStringLeng(5)"}),
         item([](ProcessItem& i) {
             i.kind = ProcessItem::Text;
             i.text = "ala (ma";
             i.maxLength = 5;
         })},
        {"length clamped", lines({"#zkStringLeng(300)"}), item([](ProcessItem& i) {
             i.kind = ProcessItem::Text;
             i.maxLength = 255;
         })},
        {"text without closing parenthesis", lines({"#zkStringText(abc"}),
         item([](ProcessItem& i) { i.kind = ProcessItem::Text; })},
        {"first item is also an item", lines({"#zkItems", "#zkItem(A)", "#zkItemFirst(2)"}),
         item([](ProcessItem& i) {
             i.kind = ProcessItem::List;
             i.firstItem = 2;
             i.items = {"", "a", "2"};
         })},
        {"tags in any case", lines({"#ZKSTRING", "#zkstringtext(X)"}), item([](ProcessItem& i) {
             i.kind = ProcessItem::Text;
             i.text = "x";
         })},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> file = lines({"<?php", "#zkClassBegin #zkClassName(k)", "#zkPHPBegin"});
        file.insert(file.end(), c.block.begin(), c.block.end());
        file.push_back("#zkPHPEnd");
        std::string property;
        const TemplateForm form = buildTemplateForm(file, "", property);
        ASSERT_EQ(form.rows.size(), 1u);
        EXPECT_EQ(form.rows[0].item, c.expected);
    }
}

TEST(TemplatePreprocessor, ItemsBeyondTheLimitAreIgnored) {
    std::vector<std::string> file =
        lines({"<?php", "#zkClassBegin #zkClassName(k)", "#zkPHPBegin #zkItems(x)"});
    for (int i = 0; i < 300; ++i)
        file.push_back("#zkItem(" + std::to_string(i) + ")");
    file.push_back("#zkPHPEnd");
    std::string property;
    const TemplateForm form = buildTemplateForm(file, "", property);
    ASSERT_EQ(form.rows.size(), 1u);
    ASSERT_EQ(form.rows[0].item.items.size(), kMaxProcessItems);
    EXPECT_EQ(form.rows[0].item.items.back(), "254");
}

TEST(TemplatePreprocessor, BlockWithoutEndLineCreatesNoRowAndEndsParsing) {
    const auto file = lines({"<?php", "#zkClassBegin #zkClassName(k)", "#zkPHPBegin #zkName(a)", "#zkPHPEnd",
                             "#zkPHPBegin #zkName(b)", "#zkClassEnd", "#zkPHPBegin #zkName(c)"});
    std::string property;
    const TemplateForm form = buildTemplateForm(file, "", property);
    ASSERT_EQ(form.rows.size(), 1u);
    EXPECT_EQ(form.rows[0].propertyName, "a");
    EXPECT_TRUE(form.error.empty());
}

TEST(TemplatePreprocessor, NumberThatIsNotAnIntegerKeepsEarlierRows) {
    const char* bad[] = {"#zkIntMinMax(1,x)", "#zkIntValue(dwa)", "#zkStringLeng(5a) #zkString",
                         "#zkItems #zkItemFirst(pierwszy)"};
    for (const char* line : bad) {
        SCOPED_TRACE(line);
        const auto file = lines({"<?php", "#zkClassBegin #zkClassName(k)", "#zkPHPBegin #zkName(a)",
                                 "#zkPHPEnd", "#zkPHPBegin", line, "#zkPHPEnd"});
        std::string property;
        const TemplateForm form = buildTemplateForm(file, "", property);
        EXPECT_EQ(form.rows.size(), 1u);
        EXPECT_FALSE(form.error.empty());
        EXPECT_NE(form.error.find(w("nie jest poprawną liczbą")), std::string::npos);
    }
}

TEST(TemplatePreprocessor, SpinSetupAndValues) {
    struct Case {
        std::int32_t min, max, value;
        SpinSetup expected;
    } cases[] = {
        {1, 10, 2, {1, 10, 2}}, {0, 0, 0, {INT_MIN, INT_MAX, 0}}, {0, 0, -7, {INT_MIN, INT_MAX, -7}},
        {0, 10, 0, {0, 10, 0}}, {5, 0, 0, {5, INT_MAX, 5}},       {1, 10, 50, {1, 10, 10}},
        {10, 1, 0, {1, 10, 1}},
    };
    for (const Case& c : cases) {
        ProcessItem item;
        item.minValue = c.min;
        item.maxValue = c.max;
        item.value = c.value;
        const SpinSetup s = spinSetup(item);
        EXPECT_EQ(s.minimum, c.expected.minimum);
        EXPECT_EQ(s.maximum, c.expected.maximum);
        EXPECT_EQ(s.value, c.expected.value);
    }
    EXPECT_EQ(textValue("abc"), "'abc'");
    EXPECT_EQ(textValue("it's"), "'it's'"); // written unchanged
    EXPECT_EQ(objectLines("$o", "k", {{"a", "'x'"}, {"b", "3"}}),
              (std::vector<std::string>{"$o = new k;", "$o->a='x';", "$o->b=3;"}));
}

TEST(TemplatePreprocessor, IncludeLines) {
    struct Case {
        const char *mode, *dir, *file, *expected;
    } cases[] = {
        {"include", "inc", "koszyk.php", "<?php include('inc/koszyk.php'); ?>"},
        {"require", "inc\\klasy\\", "k.php", "<?php require('inc/klasy/k.php'); ?>"},
        {"REQUIRE", "", "k.php", "<?php require('k.php'); ?>"},
        {"include", "o'neil", "k.php", "<?php include('o\\'neil/k.php'); ?>"},
        {"(brak)", "inc", "k.php", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(includeLine(c.mode, c.dir, c.file), c.expected);
    }
}

TEST(TemplatePreprocessor, AttachmentsNamedByTheTemplate) {
    EXPECT_EQ(templateAttachments(
                  lines({"<?php", "// #zkfile(wspolne.php)", "// #ZKFILE(Baza.php) x", "// #zkfile()"})),
              (std::vector<std::string>{"wspolne.php", "Baza.php"}));
}
