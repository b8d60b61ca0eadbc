#include "classlib/class_wizard.h"

#include "text/win1250.h"

namespace wertan {

namespace {
// A cell counts as given when it is neither empty nor a single space.
bool given(const std::string& cell) {
    return !cell.empty() && cell != " ";
}
} // namespace

int wizardNextPage(int page, const ClassWizardOptions& o) {
    switch (page) {
    case 0:
        return 1;
    case 1:
        return 2;
    case 2:
        return o.variables ? 3 : o.functions ? 5 : o.constructor ? 4 : 7;
    case 3:
        return o.constructor ? 4 : o.functions ? 5 : 7;
    case 4:
        return o.functions ? 5 : 7;
    case 5:
    case 6:
        return 7;
    default:
        return kWizardPageCount;
    }
}

int wizardPreviousPage(int page, const ClassWizardOptions& o) {
    auto fromFive = [&o] { return o.constructor ? 4 : o.variables ? 3 : 2; };
    auto fromSix = [&] { return o.functions ? 5 : fromFive(); };
    switch (page) {
    case 0:
        return 0;
    case 5:
        return fromFive();
    case 6:
        return fromSix();
    case 7:
        return o.setter ? 6 : fromSix();
    default:
        return page - 1;
    }
}

std::vector<std::string> classWizardLines(const ClassWizardOptions& o) {
    std::vector<std::string> lines;
    const std::string blank = " ";
    const std::string dashes = "//--------------------------------";
    auto putDashes = [&] {
        if (o.separatorLines) lines.push_back(dashes);
    };
    auto heading = [&](const std::string& text) {
        if (o.elementComments) {
            lines.push_back(blank);
            lines.push_back(text);
        }
    };

    putDashes();
    std::string head = "class " + o.className;
    if (o.withBaseClass) head += " extends " + o.baseClass;
    lines.push_back(head + " {");
    if (o.withVersion) lines.push_back("// Wersja: " + o.version);
    if (o.withAuthor) lines.push_back("// Autor:  " + o.author);
    if (o.withEmail) lines.push_back("// E-mail: " + o.email);
    if (o.withDescription)
        for (const std::string& line : o.descriptionLines)
            lines.push_back("// " + line);

    if (o.variables) {
        heading("//--- Zmienne:");
        for (const WizardVariable& v : o.variableRows) {
            std::string line = " var " + v.name;
            if (given(v.value)) line += " = " + v.value;
            line += ";";
            if (o.variableComments && given(v.comment)) line += " # " + v.comment;
            lines.push_back(line);
        }
    }

    if (o.constructor) {
        heading(utf8ToWin1250("//--- Funkcja tworząca:"));
        std::string parameters;
        for (std::size_t i = 0; i < o.variableRows.size(); ++i) {
            const WizardVariable& v = o.variableRows[i];
            if (i > 0) parameters += ",";
            parameters += v.name;
            if (given(v.value)) parameters += " = " + v.value;
        }
        lines.push_back(" function " + o.className + "(" + parameters + "){");
        lines.push_back(blank);
        lines.push_back(" }");
    }

    if (o.functions) {
        putDashes();
        heading("//--- Funkcje:");
        for (const WizardFunction& f : o.functionRows) {
            putDashes();
            lines.push_back(" function " + f.name + "(" + f.parameters + "){");
            if (o.functionComments) lines.push_back("// " + f.comment);
            lines.push_back(blank);
            lines.push_back(" }");
            lines.push_back(blank);
        }
    }

    if (o.setter) {
        putDashes();
        if (o.elementComments) {
            if (!o.separatorLines) lines.push_back(blank);
            lines.push_back(utf8ToWin1250("//--- Funckja usawiająca wartości"));
        }
        lines.push_back(" function Set($what,$value){");
        lines.push_back("  $this->$what = $value;");
        lines.push_back(" }");
    }

    lines.push_back(blank);
    heading("//--- Koniec Class'y");
    lines.push_back("}");
    return lines;
}

} // namespace wertan
