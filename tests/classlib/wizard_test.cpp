// The class wizard: the lines of its defaults and of each option, and its page order.
#include "classlib/class_wizard.h"
#include "text/win1250.h"

#include <gtest/gtest.h>

using namespace wertan;

namespace {
using Lines = std::vector<std::string>;
std::string w(const char* utf8) {
    return utf8ToWin1250(utf8);
}
} // namespace

TEST(ClassWizard, DefaultsGiveElevenLines) {
    EXPECT_EQ(classWizardLines(ClassWizardOptions{}),
              (Lines{"class nazwaklasy {", " var ;", " function nazwaklasy(){", " ", " }", " function (){",
                     " ", " }", " ", " ", "}"}));
}

TEST(ClassWizard, FullClassWithCommentsAndSeparators) {
    ClassWizardOptions o;
    o.className = "Koszyk";
    o.withVersion = true;
    o.withAuthor = true;
    o.author = "Jan";
    o.withEmail = true;
    o.email = "jan@example.com";
    o.withDescription = true;
    o.descriptionLines = {"Pierwszy", "drugi"};
    o.withBaseClass = true;
    o.baseClass = "Baza";
    o.variableRows = {{"$a", "1", "licznik"}, {"$b", " ", " "}, {"$c", "", ""}};
    o.variableComments = true;
    o.functionRows = {{"dodaj", "$x", "dodaje"}, {"usun", "", ""}};
    o.functionComments = true;
    o.setter = true;
    o.elementComments = true;
    o.separatorLines = true;
    EXPECT_EQ(classWizardLines(o), (Lines{"//--------------------------------",
                                          "class Koszyk extends Baza {",
                                          "// Wersja: 1.0",
                                          "// Autor:  Jan",
                                          "// E-mail: jan@example.com",
                                          "// Pierwszy",
                                          "// drugi",
                                          " ",
                                          "//--- Zmienne:",
                                          " var $a = 1; # licznik",
                                          " var $b;",
                                          " var $c;",
                                          " ",
                                          w("//--- Funkcja tworząca:"),
                                          " function Koszyk($a = 1,$b,$c){",
                                          " ",
                                          " }",
                                          "//--------------------------------",
                                          " ",
                                          "//--- Funkcje:",
                                          "//--------------------------------",
                                          " function dodaj($x){",
                                          "// dodaje",
                                          " ",
                                          " }",
                                          " ",
                                          "//--------------------------------",
                                          " function usun(){",
                                          "// ",
                                          " ",
                                          " }",
                                          " ",
                                          "//--------------------------------",
                                          w("//--- Funckja usawiająca wartości"),
                                          " function Set($what,$value){",
                                          "  $this->$what = $value;",
                                          " }",
                                          " ",
                                          " ",
                                          "//--- Koniec Class'y",
                                          "}"}));
}

TEST(ClassWizard, CommentOptionsOnTheSetter) {
    ClassWizardOptions o;
    o.variables = o.functions = o.constructor = false;
    o.setter = true;
    const Lines tail{" function Set($what,$value){", "  $this->$what = $value;", " }", " "};
    struct Case {
        bool elements, separators;
        Lines expected;
    } cases[] = {
        {false, false, {"class nazwaklasy {"}},
        {true,
         true,
         {"//--------------------------------", "class nazwaklasy {", "//--------------------------------",
          w("//--- Funckja usawiająca wartości")}},
        {true, false, {"class nazwaklasy {", " ", w("//--- Funckja usawiająca wartości")}},
        {false,
         true,
         {"//--------------------------------", "class nazwaklasy {", "//--------------------------------"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.elements) + std::to_string(c.separators));
        o.elementComments = c.elements;
        o.separatorLines = c.separators;
        Lines expected = c.expected;
        expected.insert(expected.end(), tail.begin(), tail.end());
        if (c.elements) {
            expected.push_back(" ");
            expected.push_back("//--- Koniec Class'y");
        }
        expected.push_back("}");
        EXPECT_EQ(classWizardLines(o), expected);
    }
}

TEST(ClassWizard, DescriptionAndCommentCells) {
    ClassWizardOptions o;
    o.functions = o.constructor = false;
    o.withDescription = true;
    o.descriptionLines = {"jedna"};
    o.variableRows = {{"$a", "", "bez"}, {"$b", "2", " "}};
    EXPECT_EQ(classWizardLines(o),
              (Lines{"class nazwaklasy {", "// jedna", " var $a;", " var $b = 2;", " ", "}"}));
    o.variableComments = true;
    EXPECT_EQ(classWizardLines(o)[2], " var $a; # bez");
    EXPECT_EQ(classWizardLines(o)[3], " var $b = 2;");
}

TEST(ClassWizard, Navigation) {
    struct Case {
        bool vars, functions, constructor, setter;
        int page, next, previous;
    } cases[] = {
        {true, true, true, false, 0, 1, 0},    {true, true, true, false, 1, 2, 0},
        {true, true, true, false, 2, 3, 1},    {false, true, true, false, 2, 5, 1},
        {false, false, true, false, 2, 4, 1},  {false, false, false, false, 2, 7, 1},
        {true, true, true, false, 3, 4, 2},    {true, true, false, false, 3, 5, 2},
        {true, false, false, false, 3, 7, 2},  {true, true, true, false, 4, 5, 3},
        {true, false, true, false, 4, 7, 3},   {true, true, true, false, 5, 7, 4},
        {true, true, false, false, 5, 7, 3},   {false, true, false, false, 5, 7, 2},
        {true, true, true, false, 6, 7, 5},    {true, false, false, false, 6, 7, 3},
        {true, true, true, true, 7, 8, 6},     {true, true, true, false, 7, 8, 5},
        {false, false, false, false, 7, 8, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page);
        ClassWizardOptions o;
        o.variables = c.vars;
        o.functions = c.functions;
        o.constructor = c.constructor;
        o.setter = c.setter;
        EXPECT_EQ(wizardNextPage(c.page, o), c.next);
        EXPECT_EQ(wizardPreviousPage(c.page, o), c.previous);
    }
}
