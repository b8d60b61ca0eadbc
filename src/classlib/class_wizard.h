#pragma once
// The class wizard ("Kreator CLASS"): its page order and the skeleton of a PHP class written from
// its answers. Texts are Windows-1250 bytes.
#include <string>
#include <vector>

namespace wertan {

struct WizardVariable {
    std::string name;
    std::string value;
    std::string comment;
};

struct WizardFunction {
    std::string name;
    std::string parameters;
    std::string comment;
};

struct ClassWizardOptions {
    std::string className = "nazwaklasy";
    bool withVersion = false;
    std::string version = "1.0";
    bool withAuthor = false;
    std::string author;
    bool withEmail = false;
    std::string email;
    bool withDescription = false;
    std::vector<std::string> descriptionLines;
    bool withBaseClass = false;
    std::string baseClass;

    bool variables = true;   // "Zmienne (VAR)"
    bool functions = true;   // "Funkcje"
    bool constructor = true; // "Funkcja tworząca - tzw. kreator klasy."
    bool setter = false;     // "Funkcja ustawiająca wartości."

    std::vector<WizardVariable> variableRows{WizardVariable{}};
    bool variableComments = false; // "Komentarze zmiennych Class'y"
    std::vector<WizardFunction> functionRows{WizardFunction{}};
    bool functionComments = false; // "Komentarze funkcji Class'y"

    bool intoNewDocument = true;  // "w nowym dokumencie"
    bool elementComments = false; // "Elementy Class'y."
    bool separatorLines = false;  // "Odzielające funkcje."
};

inline constexpr int kWizardPageCount = 8;
inline constexpr int kWizardGridMaxRows = 200; // the title row included

// The page the forward button leads to; kWizardPageCount from the last page (generate and close).
int wizardNextPage(int page, const ClassWizardOptions& options);
// The page "&Wstecz" leads to.
int wizardPreviousPage(int page, const ClassWizardOptions& options);

// The class's lines, in order.
std::vector<std::string> classWizardLines(const ClassWizardOptions& options);

} // namespace wertan
