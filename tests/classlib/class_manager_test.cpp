// The class manager's operations on the catalogue, the adding of a class from its init file and
// the writing of an init file.
#include "classlib/class_installer.h"
#include "classlib/class_manager.h"
#include "platform/scripted/scripted_prompts.h"
#include "projects/add_to_project.h"
#include "support/temp_dir.h"
#include "text/document_text.h"
#include "text/win1250.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>
#include <gtest/gtest.h>

using namespace wertan;
using namespace wertan::test;

namespace {

const QString kFixtures = QStringLiteral(WERTAN_CLASSLIB_FIXTURES);

std::string w(const char* utf8) {
    return utf8ToWin1250(utf8);
}

CatalogueClass entry(const std::string& name, ClassType type = ClassType::Ordinary) {
    return {name, "zklib\\" + name + "\\" + name + ".php", "data\\classes\\" + name + "\\" + name + ".bmp",
            type};
}

std::vector<ClassTab> twoTabs() {
    return {{w("Główna"), {entry("koszyk")}}, {"Inne", {entry("a", ClassType::Attachment), entry("b")}}};
}

std::vector<std::string> names(const std::vector<CatalogueClass>& rows) {
    std::vector<std::string> result;
    for (const CatalogueClass& row : rows)
        result.push_back(row.name);
    return result;
}

std::string fileContents(const QString& path) {
    std::string bytes;
    QString error;
    EXPECT_TRUE(readFileBytes(path, &bytes, &error)) << error.toStdString();
    return bytes;
}

} // namespace

TEST(ClassManagerModel, Operations) {
    struct Case {
        const char* name;
        std::function<bool(ClassManagerModel&)> act;
        std::vector<ClassTab> tabs; // the catalogue in memory afterwards
        int edited;
        std::vector<std::string> grid;
    };
    const Case cases[] = {
        {"starts on the first tab", [](ClassManagerModel&) { return true; }, twoTabs(), 0, {"koszyk"}},
        {"a tab change takes the grid into the edited tab",
         [](ClassManagerModel& m) {
             m.grid()[0].name = "kosz";
             m.grid()[0].type = ClassType::Attachment;
             m.chooseTab(1);
             return true;
         },
         {{w("Główna"), {{"kosz", entry("koszyk").file, entry("koszyk").icon, ClassType::Attachment}}},
          twoTabs()[1]},
         1,
         {"a", "b"}},
        {"grid edits stay in the grid until taken",
         [](ClassManagerModel& m) {
             m.grid()[0].name = "kosz";
             return m.addClass();
         },
         twoTabs(),
         0,
         {"kosz", ""}},
        {"an added class joins the tab when the grid is taken",
         [](ClassManagerModel& m) {
             const bool added = m.addClass();
             m.chooseTab(1);
             return added;
         },
         {{w("Główna"), {entry("koszyk"), {}}}, twoTabs()[1]},
         1,
         {"a", "b"}},
        {"a removed class",
         [](ClassManagerModel& m) {
             m.chooseTab(1);
             const bool removed = m.removeClass(0);
             m.chooseTab(0);
             return removed;
         },
         {twoTabs()[0], {"Inne", {entry("b")}}},
         0,
         {"koszyk"}},
        {"the last class of a tab may go",
         [](ClassManagerModel& m) {
             const bool removed = m.removeClass(0);
             m.takeGrid();
             return removed && !m.removeClass(0);
         },
         {{w("Główna"), {}}, twoTabs()[1]},
         0,
         {}},
        {"a row dragged to a new place",
         [](ClassManagerModel& m) {
             m.chooseTab(1);
             const bool moved = m.moveClass(1, 0) && !m.moveClass(0, 2);
             m.takeGrid();
             return moved;
         },
         {twoTabs()[0], {"Inne", {entry("b"), entry("a", ClassType::Attachment)}}},
         1,
         {"b", "a"}},
        {"an added tab holds one empty class and is edited",
         [](ClassManagerModel& m) {
             m.grid()[0].name = "kosz";
             return m.addTab(w("Nowa Zakładka"));
         },
         {{w("Główna"), {{"kosz", entry("koszyk").file, entry("koszyk").icon}}},
          twoTabs()[1],
          {w("Nowa Zakładka"), {{}}}},
         2,
         {""}},
        {"the edited tab removed: the grid shows the tab in its place",
         [](ClassManagerModel& m) {
             m.grid()[0].name = "lost";
             return m.removeTab(0);
         },
         {twoTabs()[1]},
         0,
         {"a", "b"}},
        {"a tab before the edited one removed: the grid's edits stay",
         [](ClassManagerModel& m) {
             m.chooseTab(1);
             m.grid()[0].name = "a2";
             const bool removed = m.removeTab(0);
             m.takeGrid();
             return removed;
         },
         {{"Inne", {{"a2", entry("a").file, entry("a").icon, ClassType::Attachment}, entry("b")}}},
         0,
         {"a2", "b"}},
        {"the only tab stays",
         [](ClassManagerModel& m) { return m.removeTab(1) && !m.removeTab(0) && !m.removeTab(5); },
         {twoTabs()[0]},
         0,
         {"koszyk"}},
        {"reload drops grid edits not taken",
         [](ClassManagerModel& m) {
             m.chooseTab(1);
             m.grid().clear();
             m.reload();
             return true;
         },
         twoTabs(),
         1,
         {"a", "b"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<ClassTab> catalogue = twoTabs();
        ClassManagerModel model(catalogue);
        EXPECT_TRUE(c.act(model));
        EXPECT_EQ(catalogue, c.tabs);
        EXPECT_EQ(model.editedTab(), c.edited);
        EXPECT_EQ(names(model.grid()), c.grid);
    }
}

TEST(ClassManagerModel, LimitsOfClassesAndTabs) {
    std::vector<ClassTab> catalogue = twoTabs();
    ClassManagerModel model(catalogue);
    while (model.addClass()) {
    }
    EXPECT_EQ(model.grid().size(), static_cast<std::size_t>(kMaxClassesPerTab));
    while (model.addTab("t")) {
    }
    EXPECT_EQ(catalogue.size(), static_cast<std::size_t>(kMaxClassTabs));
    EXPECT_EQ(catalogue[0].classes.size(), static_cast<std::size_t>(kMaxClassesPerTab));

    std::vector<ClassTab> none;
    ClassManagerModel empty(none);
    EXPECT_EQ(empty.editedTab(), -1);
    EXPECT_FALSE(empty.addClass());
    EXPECT_TRUE(empty.addTab("Pierwsza"));
    EXPECT_EQ(empty.editedTab(), 0);
}

TEST(ClassManagerModel, ConfirmedCatalogueReadsBackEqualIncludingAnEmptyTab) {
    std::vector<ClassTab> catalogue = twoTabs();
    ClassManagerModel model(catalogue);
    model.removeClass(0); // Główna keeps no class
    model.chooseTab(1);
    model.grid()[1].name = w("bęben");
    const std::string bytes = model.confirmedCatalogue("/p/data\\classes\\class.cls");
    const CatalogueReadResult read = readCatalogue(bytes);
    ASSERT_TRUE(read.ok) << read.error;
    EXPECT_EQ(read.tabs, catalogue);
    EXPECT_TRUE(read.tabs[0].classes.empty());
    EXPECT_EQ(read.tabs[1].classes[1].name, w("bęben"));
}

namespace {
struct InstallFixture : ::testing::Test {
    TempDir dir;
    QString program = dir.file(QStringLiteral("program"));
    std::vector<ClassTab> catalogue = twoTabs();

    QString acls(const QString& folder, const char* name, const char* tab, const char* file, const char* icon,
                 bool withFiles = true) {
        ClassInitFile init{w(name), w(tab), w(file), w(icon), ClassType::Ordinary};
        QDir().mkpath(dir.file(folder));
        if (withFiles) {
            QFile::copy(kFixtures + QStringLiteral("/koszyk.php"),
                        dir.file(folder + QLatin1Char('/') + QString::fromUtf8(file)));
            QFile::copy(kFixtures + QStringLiteral("/koszyk-acls/koszyk.bmp"),
                        dir.file(folder + QLatin1Char('/') + QString::fromUtf8(icon)));
        }
        return dir.write(folder + QStringLiteral("/init.acls"),
                         QByteArray::fromStdString(writeClassInitFile(init)));
    }
};
} // namespace

TEST_F(InstallFixture, AddsTheClassFromTheFixtureAndCopiesItsFiles) {
    QDir().mkpath(program + QStringLiteral("/zklib/koszyk"));
    dir.write(QStringLiteral("program/zklib/koszyk/koszyk.php"), "stary"); // replaced
    const AddClassOutcome outcome = addClassFromInitFile(
        catalogue, program, kFixtures + QStringLiteral("/koszyk-acls/koszyk.acls"), std::nullopt);
    ASSERT_TRUE(outcome.ok) << outcome.error.toStdString();
    EXPECT_TRUE(outcome.tabCreated); // "Bazy danych" is not among the two tabs
    ASSERT_EQ(catalogue.size(), 3u);
    EXPECT_EQ(catalogue[2].name, "Bazy danych");
    EXPECT_EQ(outcome.tab, 2);
    ASSERT_EQ(catalogue[2].classes.size(), 1u);
    EXPECT_EQ(catalogue[2].classes[0],
              (CatalogueClass{"koszyk", "zklib\\koszyk\\koszyk.php", "data\\classes\\koszyk\\koszyk.bmp",
                              ClassType::Attachment}));
    EXPECT_EQ(fileContents(program + QStringLiteral("/zklib/koszyk/koszyk.php")),
              fileContents(kFixtures + QStringLiteral("/koszyk.php")));
    EXPECT_EQ(fileContents(program + QStringLiteral("/data/classes/koszyk/koszyk.bmp")),
              fileContents(kFixtures + QStringLiteral("/koszyk-acls/koszyk.bmp")));
}

TEST_F(InstallFixture, TabOfTheFileOrTheChosenOne) {
    struct Case {
        const char* name;
        const char* tab;
        std::optional<int> chosen;
        int expectedTab;
        bool created;
    } cases[] = {
        {"the tab the file names", "Inne", std::nullopt, 1, false},
        {"a tab name differing in case is another tab", "inne", std::nullopt, 2, true},
        {"a missing tab is made", "Sklep", std::nullopt, 2, true},
        {"the chosen tab when the box is cleared", "Sklep", 0, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        catalogue = twoTabs();
        const QString init = acls(QStringLiteral("src"), "klasa", c.tab, "k.php", "k.bmp");
        const AddClassOutcome outcome = addClassFromInitFile(catalogue, program, init, c.chosen);
        ASSERT_TRUE(outcome.ok) << outcome.error.toStdString();
        EXPECT_EQ(outcome.tab, c.expectedTab);
        EXPECT_EQ(outcome.tabCreated, c.created);
        EXPECT_EQ(catalogue[c.expectedTab].classes.back().name, "klasa");
        if (c.created) {
            EXPECT_EQ(catalogue[c.expectedTab].name, c.tab);
        }
    }
}

TEST_F(InstallFixture, FaultsAreReportedAndAddNothing) {
    const QString good = acls(QStringLiteral("good"), "klasa", "Inne", "k.php", "k.bmp");
    std::vector<ClassTab> full = twoTabs();
    full[1].classes.resize(kMaxClassesPerTab);
    struct Case {
        const char* name;
        QString init;
        std::vector<ClassTab> start;
        const char* inError;
    } cases[] = {
        {"no file chosen", QString(), twoTabs(), "Wskaż plik"},
        {"a missing init file", dir.file(QStringLiteral("brak.acls")), twoTabs(), "brak.acls"},
        {"a short init file", dir.write(QStringLiteral("krotki.acls"), "// Plik\r\n// Nazwa:\r\nx\r\n"),
         twoTabs(), "niepełny"},
        {"the template is missing", acls(QStringLiteral("bez"), "klasa", "Inne", "k.php", "k.bmp", false),
         twoTabs(), "nie została dodana"},
        {"a class name that leaves the library",
         acls(QStringLiteral("zla"), "../klasa", "Inne", "k.php", "k.bmp"), twoTabs(), "../klasa"},
        {"a file name with a folder", acls(QStringLiteral("zla2"), "klasa", "Inne", "../k.php", "k.bmp"),
         twoTabs(), "../k.php"},
        {"a full tab", good, full, "255"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        catalogue = c.start;
        const AddClassOutcome outcome = addClassFromInitFile(catalogue, program, c.init, std::nullopt);
        EXPECT_FALSE(outcome.ok);
        EXPECT_TRUE(outcome.error.contains(QString::fromUtf8(c.inError))) << outcome.error.toStdString();
        EXPECT_EQ(catalogue, c.start);
    }
    EXPECT_FALSE(QFileInfo::exists(dir.file(QStringLiteral("klasa"))));
}

TEST_F(InstallFixture, CreatedInitFileIsReadByTheAddClassReader) {
    const QString source = dir.file(QStringLiteral("zrodla"));
    QDir().mkpath(source);
    dir.write(QStringLiteral("zrodla/pomoc.inc"), "<?php // pomocnik\n");
    dir.write(QStringLiteral("zrodla/sklep.php"), "<?php\n// #zkfile(pomoc.inc)\nclass sklep {}\n");
    QFile::copy(kFixtures + QStringLiteral("/koszyk-acls/koszyk.bmp"),
                dir.file(QStringLiteral("zrodla/sklep.bmp")));
    const QString target = dir.file(QStringLiteral("cel"));
    QDir().mkpath(target);
    dir.write(QStringLiteral("cel/sklep.bmp"), "stary obrazek"); // a picture already there is kept

    ScriptedPrompts prompts;
    QStringList copied;
    auto copy = [&](const QString& folder, const QString& file) {
        const AddToProjectResult result =
            addToProject(AddToProjectRequest{folder, file, true, {}, {}}, prompts);
        copied = result.listed;
        return result.completed && result.errors.isEmpty();
    };
    InitFileRequest request;
    request.type = ClassType::Attachment;
    request.className = QStringLiteral("sklep");
    request.tab = QStringLiteral("Zakupy");
    request.picture = dir.file(QStringLiteral("zrodla/sklep.bmp"));
    request.templateFile = dir.file(QStringLiteral("zrodla/sklep.php"));
    request.target = target;
    const InitFileOutcome outcome = createClassInitFile(request, copy);
    ASSERT_TRUE(outcome.ok) << outcome.error.toStdString();
    EXPECT_EQ(outcome.initFile, target + QStringLiteral("/sklep.acls"));
    EXPECT_TRUE(QFileInfo::exists(target + QStringLiteral("/sklep.php")));
    EXPECT_TRUE(QFileInfo::exists(target + QStringLiteral("/pomoc.inc")));
    EXPECT_EQ(fileContents(target + QStringLiteral("/sklep.bmp")), "stary obrazek");
    EXPECT_TRUE(prompts.asked().empty());

    const ClassInitReadResult read = readClassInitFile(fileContents(outcome.initFile));
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.init, (ClassInitFile{"sklep", "Zakupy", "sklep.php", "sklep.bmp", ClassType::Attachment}));

    // The add-class dialog's reader takes it into a library.
    QFile::remove(target + QStringLiteral("/sklep.bmp"));
    QFile::copy(kFixtures + QStringLiteral("/koszyk-acls/koszyk.bmp"), target + QStringLiteral("/sklep.bmp"));
    const AddClassOutcome added = addClassFromInitFile(catalogue, program, outcome.initFile, std::nullopt);
    ASSERT_TRUE(added.ok) << added.error.toStdString();
    EXPECT_EQ(catalogue.back().name, "Zakupy");
    EXPECT_TRUE(QFileInfo::exists(program + QStringLiteral("/zklib/sklep/sklep.php")));
}

TEST_F(InstallFixture, InitFileDefaultsAndFaults) {
    const QString target = dir.file(QStringLiteral("cel"));
    QDir().mkpath(target);
    const QString templ = dir.write(QStringLiteral("t.php"), "<?php\n");
    const QString picture = dir.write(QStringLiteral("t.bmp"), "BM");
    bool copyAnswer = true;
    int copies = 0;
    auto copy = [&](const QString& folder, const QString& file) {
        ++copies;
        if (!copyAnswer) return false;
        return QFile::copy(file, folder + QLatin1Char('/') + QFileInfo(file).fileName()) || true;
    };

    InitFileRequest blank{ClassType::Ordinary, QStringLiteral(" "), QString(), picture, templ, target};
    InitFileOutcome outcome = createClassInitFile(blank, copy);
    ASSERT_TRUE(outcome.ok) << outcome.error.toStdString();
    EXPECT_EQ(QFileInfo(outcome.initFile).fileName(), QStringLiteral("Nowa klasa.acls"));
    const ClassInitReadResult read = readClassInitFile(fileContents(outcome.initFile));
    EXPECT_EQ(read.init.name, "Nowa klasa");
    EXPECT_EQ(read.init.tab, "Inne");

    struct Case {
        const char* name;
        InitFileRequest request;
        bool copyWorks;
        const char* inError;
        int copiesMade;
    } cases[] = {
        {"the template was not copied",
         {ClassType::Ordinary, QStringLiteral("k1"), QStringLiteral("A"), picture, templ, target},
         false,
         "nie został skopiowany",
         1},
        {"no template",
         {ClassType::Ordinary, QStringLiteral("k2"), QStringLiteral("A"), picture, target, target},
         true,
         "plik główny",
         0},
        {"no picture",
         {ClassType::Ordinary, QStringLiteral("k3"), QStringLiteral("A"), dir.file(QStringLiteral("x.bmp")),
          templ, target},
         true,
         "ikony",
         0},
        {"no target folder",
         {ClassType::Ordinary, QStringLiteral("k4"), QStringLiteral("A"), picture, templ,
          dir.file(QStringLiteral("brak"))},
         true,
         "nie istnieje",
         0},
        {"a class name with a folder",
         {ClassType::Ordinary, QStringLiteral("a/b"), QStringLiteral("A"), picture, templ, target},
         true,
         "a/b",
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        copyAnswer = c.copyWorks;
        copies = 0;
        outcome = createClassInitFile(c.request, copy);
        EXPECT_FALSE(outcome.ok);
        EXPECT_TRUE(outcome.error.contains(QString::fromUtf8(c.inError))) << outcome.error.toStdString();
        EXPECT_EQ(copies, c.copiesMade);
        EXPECT_FALSE(
            QFileInfo::exists(target + QLatin1Char('/') + c.request.className + QStringLiteral(".acls")));
    }
}
