#include "corpus.h"

#include <array>
#include <random>
#include <string_view>

namespace wertan::lexers::bench {

namespace {

// Polish words in Windows-1250, as the texts of the pages are written.
constexpr std::array<std::string_view, 24> kWords = {"klient",
                                                     "zam\xF3wienie",
                                                     "cena",
                                                     "ilo\x9C\xE6",
                                                     "towar",
                                                     "sklep",
                                                     "u\xBFytkownik",
                                                     "has\xB3o",
                                                     "adres",
                                                     "miasto",
                                                     "\xB3\xF3"
                                                     "d\x9F",
                                                     "data",
                                                     "suma",
                                                     "rabat",
                                                     "kategoria",
                                                     "opis",
                                                     "nazwa",
                                                     "koszyk",
                                                     "p\xB3"
                                                     "atno\x9C\xE6",
                                                     "dostawa",
                                                     "faktura",
                                                     "magazyn",
                                                     "stan",
                                                     "warto\x9C\xE6"};
constexpr std::array<std::string_view, 20> kIdents = {
    "klient", "zamowienie", "cena",  "ilosc", "towar", "sklep",  "uzytkownik", "haslo", "adres", "miasto",
    "data",   "suma",       "rabat", "opis",  "nazwa", "koszyk", "platnosc",   "stan",  "wynik", "wiersz"};
constexpr std::array<std::string_view, 10> kPhpFunctions = {"mysql_query",      "mysql_fetch_array",
                                                            "htmlspecialchars", "strlen",
                                                            "substr",           "number_format",
                                                            "str_replace",      "count",
                                                            "sprintf",          "trim"};

class Writer {
public:
    explicit Writer(std::uint32_t seed) : random_(seed) {}

    std::string text;

    std::size_t pick(std::size_t count) { return std::size_t(random_() % count); }
    bool chance(int percent) { return int(random_() % 100) < percent; }
    int number(int low, int high) { return low + int(random_() % std::uint32_t(high - low + 1)); }

    std::string_view word() { return kWords[pick(kWords.size())]; }
    std::string_view ident() { return kIdents[pick(kIdents.size())]; }
    std::string identCamel() {
        std::string name(ident());
        std::string second(ident());
        second[0] = char(second[0] - 32);
        return name + second;
    }
    std::string sentence(int minWords, int maxWords) {
        std::string s;
        const int count = number(minWords, maxWords);
        for (int i = 0; i < count; ++i) {
            if (i) s += ' ';
            s += word();
        }
        s[0] = char(s[0] >= 'a' && s[0] <= 'z' ? s[0] - 32 : s[0]);
        return s + '.';
    }

    void line(int indent, std::string_view content) {
        text.append(std::size_t(indent) * 4, ' ');
        text += content;
        text += "\r\n";
    }

private:
    std::mt19937 random_;
};

std::string SqlSelect(Writer& w) {
    std::string sql =
        "SELECT " + std::string(w.ident()) + ", " + std::string(w.ident()) + ", COUNT(*) AS ile FROM " +
        std::string(w.ident()) + " WHERE " + std::string(w.ident()) + " = '" + std::string(w.word()) +
        "' AND " + std::string(w.ident()) + " > " + std::to_string(w.number(1, 5000)) + " ORDER BY " +
        std::string(w.ident()) + (w.chance(50) ? " DESC" : "") + " LIMIT " + std::to_string(w.number(5, 50));
    return sql;
}

void PhpFunction(Writer& w, int indent) {
    const std::string name = w.identCamel();
    w.line(indent, "/**");
    w.line(indent, " * " + w.sentence(4, 9));
    w.line(indent, " * @param $" + std::string(w.ident()) + " " + w.sentence(2, 5));
    w.line(indent, " */");
    w.line(indent, "function " + name + "($" + std::string(w.ident()) + ", $" + std::string(w.ident()) +
                       " = " + std::to_string(w.number(0, 100)) + ")");
    w.line(indent, "{");
    w.line(indent + 1, "global $db;");
    w.line(indent + 1, "$sql = \"" + SqlSelect(w) + "\";");
    w.line(indent + 1, "$wynik = @mysql_query($sql, $db) or die(\"B\xB3\xB9"
                       "d zapytania: \" . mysql_error());");
    w.line(indent + 1, "$suma = 0;");
    w.line(indent + 1, "while ($wiersz = mysql_fetch_array($wynik)) {");
    w.line(indent + 2, "// " + w.sentence(3, 8));
    w.line(indent + 2, "$suma += $wiersz['" + std::string(w.ident()) + "'] * " +
                           std::to_string(w.number(1, 99)) + "." + std::to_string(w.number(0, 99)) + ";");
    w.line(indent + 2, "if ($wiersz['" + std::string(w.ident()) +
                           "'] >= " + std::to_string(w.number(0, 999)) + " && !empty($" +
                           std::string(w.ident()) + ")) {");
    w.line(indent + 3, "echo \"<tr><td>\" . htmlspecialchars($wiersz['" + std::string(w.ident()) +
                           "']) . \"</td><td class=\\\"cena\\\">{$wiersz['cena']}</td></tr>\\n\";");
    w.line(indent + 2, "} else {");
    w.line(indent + 3, "$" + std::string(w.ident()) + "[] = array('" + std::string(w.ident()) + "' => " +
                           std::to_string(w.number(0, 0xFFFF)) + ", '" + std::string(w.ident()) + "' => 0x" +
                           std::to_string(w.number(10, 99)) + "FF);");
    w.line(indent + 2, "}");
    w.line(indent + 1, "}");
    w.line(indent + 1, "return number_format($suma, 2, ',', ' ');");
    w.line(indent, "}");
    w.line(0, "");
}

void PhpClass(Writer& w) {
    std::string name = w.identCamel();
    name[0] = char(name[0] - 32);
    w.line(0, "class " + name + " extends Baza");
    w.line(0, "{");
    for (int i = 0; i < 3; ++i)
        w.line(1, "var $" + std::string(w.ident()) + " = " +
                      (w.chance(50) ? "array();" : "'" + std::string(w.word()) + "';"));
    w.line(0, "");
    w.line(1, "function " + name + "($" + std::string(w.ident()) + ")");
    w.line(1, "{");
    w.line(2, "$this->" + std::string(w.ident()) + " = $" + std::string(w.ident()) + ";");
    w.line(2,
           "$this->" + std::string(w.ident()) + "[] = new Pozycja(" + std::to_string(w.number(1, 9)) + ");");
    w.line(1, "}");
    w.line(0, "");
    PhpFunction(w, 1);
    w.line(0, "}");
    w.line(0, "");
}

void PhpPage(Writer& w) {
    w.line(0, "<html>");
    w.line(0, "<head><title>" + w.sentence(2, 4) + "</title></head>");
    w.line(0, "<body>");
    w.line(0, "<?php");
    w.line(0, "/*");
    w.line(0, " * " + w.sentence(5, 10));
    w.line(0, " * " + w.sentence(5, 10));
    w.line(0, " */");
    w.line(0, "include(\"config.inc.php\");");
    w.line(0, "require 'funkcje.php';");
    w.line(0, "");
    const int parts = w.number(3, 6);
    for (int i = 0; i < parts; ++i) {
        if (w.chance(30))
            PhpClass(w);
        else
            PhpFunction(w, 0);
    }
    w.line(0, "$" + std::string(w.ident()) + " = " + w.identCamel() + "($_GET['id'], " +
                  std::to_string(w.number(1, 20)) + ");");
    w.line(0, "echo '<p class=\"info\">" + w.sentence(3, 8) + "</p>';");
    w.line(0, "?>");
    w.line(0, "<table border=\"1\" width=\"100%\">");
    w.line(0, "<tr><td><?php echo $" + std::string(w.ident()) + "; ?></td></tr>");
    w.line(0, "</table>");
    w.line(0, "</body>");
    w.line(0, "</html>");
}

void HtmlPage(Writer& w) {
    static constexpr std::string_view kEntities[] = {"&amp;", "&nbsp;", "&lt;", "&gt;", "&copy;", "&quot;"};
    w.line(0, "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">");
    w.line(0, "<HTML>");
    w.line(0, "<HEAD>");
    w.line(0, "<META http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1250\">");
    w.line(0, "<TITLE>" + w.sentence(2, 5) + "</TITLE>");
    w.line(0, "<STYLE type=\"text/css\">");
    w.line(1, "body { font-family: Verdana, Arial; font-size: 10pt; }");
    w.line(0, "</STYLE>");
    w.line(0, "<SCRIPT language=\"JavaScript\">");
    w.line(0, "<!--");
    w.line(0, "function " + w.identCamel() + "() { return confirm(\"" + w.sentence(2, 4) + "\"); }");
    w.line(0, "// -->");
    w.line(0, "</SCRIPT>");
    w.line(0, "</HEAD>");
    w.line(0, "<BODY bgcolor=#FFFFFF text=\"#000000\" onLoad=\"init()\">");
    w.line(0, "<H1>" + w.sentence(2, 5) + "</H1>");
    const int blocks = w.number(4, 10);
    for (int b = 0; b < blocks; ++b) {
        switch (w.pick(4)) {
        case 0: {
            std::string p = "<P align=justify>";
            const int sentences = w.number(2, 6);
            for (int i = 0; i < sentences; ++i) {
                p += w.sentence(4, 12);
                p += ' ';
                if (w.chance(30)) p += std::string(kEntities[w.pick(std::size(kEntities))]) + ' ';
                if (w.chance(20)) p += "<B>" + std::string(w.word()) + "</B> ";
            }
            w.line(0, p + "</P>");
            break;
        }
        case 1: {
            w.line(0, "<TABLE border=1 cellpadding=\"2\" cellspacing=0 width=\"100%\">");
            const int rows = w.number(3, 8);
            for (int r = 0; r < rows; ++r)
                w.line(1, "<TR><TD class=\"nazwa\">" + std::string(w.word()) + "</TD><TD align=right>" +
                              std::to_string(w.number(1, 999)) +
                              ",00&nbsp;z\xB3</TD><TD><A href=\"towar.php?id=" +
                              std::to_string(w.number(1, 9999)) + "\">" + std::string(w.word()) +
                              "</A></TD></TR>");
            w.line(0, "</TABLE>");
            break;
        }
        case 2:
            w.line(0, "<FORM action=\"zamow.php\" method=post name=\"f" + std::to_string(b) + "\">");
            w.line(1, "<INPUT type=\"text\" name=\"" + std::string(w.ident()) + "\" value=\"\" size=20><BR>");
            w.line(1, "<SELECT name=\"" + std::string(w.ident()) + "\"><OPTION value=1>" +
                          std::string(w.word()) + "</OPTION><OPTION value=2 selected>" +
                          std::string(w.word()) + "</OPTION></SELECT>");
            w.line(1, "<INPUT type=submit value=\"Wy\x9C"
                      "lij\">");
            w.line(0, "</FORM>");
            break;
        default:
            w.line(0, "<!-- " + w.sentence(3, 6));
            w.line(0, "     " + w.sentence(3, 6) + " -->");
            if (w.chance(30)) {
                w.line(0, "<% Response.Write(\"" + std::string(w.word()) + "\") %>");
            }
            break;
        }
    }
    w.line(0, "<HR><ADDRESS>Copyright &copy; 2002 " + std::string(w.word()) + "</ADDRESS>");
    w.line(0, "</BODY>");
    w.line(0, "</HTML>");
}

void SqlScript(Writer& w) {
    const std::string table(w.ident());
    w.line(0, "-- " + w.sentence(3, 7));
    w.line(0, "CREATE TABLE " + table + " (");
    w.line(1, "id INTEGER NOT NULL PRIMARY KEY,");
    w.line(1, std::string(w.ident()) + " VARCHAR(" + std::to_string(w.number(10, 200)) + ") NOT NULL,");
    w.line(1, std::string(w.ident()) + " DECIMAL(10,2) DEFAULT 0.00,");
    w.line(1, std::string(w.ident()) + " DATE DEFAULT NULL");
    w.line(0, ");");
    w.line(0, "/* " + w.sentence(4, 8));
    w.line(0, "   " + w.sentence(4, 8) + " */");
    w.line(0, "CREATE UNIQUE INDEX ix_" + table + " ON " + table + " (" + std::string(w.ident()) + ");");
    const int inserts = w.number(5, 15);
    for (int i = 0; i < inserts; ++i)
        w.line(0, "INSERT INTO " + table + " (id, " + std::string(w.ident()) + ", " + std::string(w.ident()) +
                      ") VALUES (" + std::to_string(w.number(1, 99999)) + ", '" + std::string(w.word()) +
                      "', " + std::to_string(w.number(0, 999)) + "." + std::to_string(w.number(0, 99)) +
                      ");");
    w.line(0, SqlSelect(w) + ";");
    w.line(0, "SELECT a." + std::string(w.ident()) + ", b." + std::string(w.ident()) + " FROM " + table +
                  " a LEFT OUTER JOIN " + std::string(w.ident()) + " b ON b.id = a.id");
    w.line(1, "WHERE a." + std::string(w.ident()) + " BETWEEN " + std::to_string(w.number(1, 9)) + " AND " +
                  std::to_string(w.number(10, 99)) + " # " + w.sentence(2, 4));
    w.line(1, "GROUP BY a." + std::string(w.ident()) + " HAVING COUNT(*) > 1;");
    w.line(0, "UPDATE " + table + " SET " + std::string(w.ident()) + " = " + std::string(w.ident()) +
                  " * 1.5e-1 WHERE id = " + std::to_string(w.number(1, 999)) + ";");
    w.line(0, "");
}

void JsScript(Writer& w) {
    const std::string name = w.identCamel();
    w.line(0, "/* " + w.sentence(3, 8));
    w.line(0, "   " + w.sentence(3, 8) + " */");
    w.line(0, "function " + name + "(form) {");
    w.line(1, "var " + std::string(w.ident()) + " = parseInt(form." + std::string(w.ident()) + ".value);");
    w.line(1, "if (isNaN(" + std::string(w.ident()) + ") || form." + std::string(w.ident()) +
                  ".value == \"\") {");
    w.line(2, "alert(\"" + w.sentence(2, 6) + "\");");
    w.line(2, "form." + std::string(w.ident()) + ".focus();");
    w.line(2, "return false;");
    w.line(1, "}");
    w.line(1, "// " + w.sentence(2, 6));
    w.line(1, "var suma = Math.round(" + std::string(w.ident()) + " * " + std::to_string(w.number(1, 99)) +
                  ".5 * 100) / 100;");
    w.line(1, "for (var i = 0; i < form.elements.length; i++) {");
    w.line(2, "if (form.elements[i].type == 'checkbox' && form.elements[i].checked) suma += " +
                  std::to_string(w.number(1, 50)) + ";");
    w.line(1, "}");
    w.line(1, "document.getElementById('" + std::string(w.ident()) + "').innerHTML = suma + ' z\xB3';");
    w.line(1, "window.status = \"" + std::string(w.word()) + ": \" + suma;");
    w.line(1, "return true;");
    w.line(0, "}");
    w.line(0, "");
}

void CssRules(Writer& w) {
    static constexpr std::string_view kSelectors[] = {"BODY",  "H1",       "TD",     "A:hover",
                                                      ".cena", "#menu LI", "P.opis", "TABLE.lista TH"};
    w.line(0, "/* " + w.sentence(2, 6) + " */");
    w.line(0, std::string(kSelectors[w.pick(std::size(kSelectors))]) + " {");
    w.line(1, "font-family: \"Verdana\", Arial, sans-serif;");
    w.line(1, "font-size: " + std::to_string(w.number(8, 14)) + "pt;");
    w.line(1, "color: #" + std::to_string(w.number(100000, 999999)) + ";");
    w.line(1, "background: #FFFFFF url('" + std::string(w.ident()) + ".gif') no-repeat;");
    w.line(1, "margin: " + std::to_string(w.number(0, 20)) + "px " + std::to_string(w.number(0, 20)) + "px;");
    w.line(1, "line-height: 1." + std::to_string(w.number(0, 9)) + "em;");
    w.line(0, "}");
    w.line(0, ".k" + std::to_string(w.number(1, 99)) +
                  " { position: absolute; left: " + std::to_string(w.number(0, 800)) +
                  "px; top: " + std::to_string(w.number(0, 600)) + "px; width: 100%; }");
    w.line(0, "");
}

} // namespace

std::string GenerateCorpus(Language language, std::size_t minBytes, std::uint32_t seed) {
    Writer w(seed);
    w.text.reserve(minBytes + (1u << 16));
    while (w.text.size() < minBytes) {
        switch (language) {
        case Language::Php:
            PhpPage(w);
            break;
        case Language::Html:
            HtmlPage(w);
            break;
        case Language::Sql:
            SqlScript(w);
            break;
        case Language::JavaScript:
            JsScript(w);
            break;
        case Language::Css:
            CssRules(w);
            break;
        }
    }
    return std::move(w.text);
}

} // namespace wertan::lexers::bench
