#include "browser/help_pages.h"

namespace wertan {

HelpTarget helpTarget(HelpDisplayMode mode, bool dockingAreaVisible) {
    switch (mode) {
    case HelpDisplayMode::InWindow:
        return HelpTarget::MiniBrowserFloat;
    case HelpDisplayMode::InDockingArea:
        return dockingAreaVisible ? HelpTarget::MiniBrowserDocked : HelpTarget::Nothing;
    case HelpDisplayMode::InBrowser:
        break;
    }
    return HelpTarget::BrowserPage;
}

HelpTarget homePageTarget(HelpDisplayMode mode) {
    return mode == HelpDisplayMode::InWindow ? HelpTarget::MiniBrowserFloat : HelpTarget::BrowserPage;
}

QString helpButtonPage(bool mainPageAvailable) {
    return mainPageAvailable ? kHelpMainPage : kHelpProgramPage;
}

namespace {

std::vector<HelpLink> buildHelpLinks() {
    const QString html = QStringLiteral("Referencje (Ang.)/HTML 4.01");
    const QString css = QStringLiteral("Referencje (Ang.)/Cascading Style Sheets (CSS)");
    const QString manual = QStringLiteral("Podręcznik PHP (Ang.)");
    const QString functions = manual + QStringLiteral("/IV Funkcje");
    std::vector<HelpLink> links = {
        {{}, QStringLiteral("&Główna strona pomocy"), kHelpMainPage, {}, {}},
        {{}, {}, {}, {}, {}},
        {{},
         QStringLiteral("Pomoc programu"),
         kHelpProgramPage,
         QStringLiteral("F1"),
         QStringLiteral("Otwiera konteksową pomoc programu.")},
        {{},
         QStringLiteral("&Indeks pomocy"),
         kHelpIndexPage,
         QStringLiteral("Shift+F1"),
         QStringLiteral("Otwiera indeks pomocy programu.")},
        {{}, {}, {}, {}, {}},
        {html, QStringLiteral("Specyfikacja"), QStringLiteral("pomoc\\ref\\html\\cover.html"), {}, {}},
        {html, QStringLiteral("Referencje"), QStringLiteral("pomoc\\ref\\html\\references.html"), {}, {}},
        {html,
         QStringLiteral("Wymagania i zalecenia"),
         QStringLiteral("pomoc\\ref\\html\\conform.html"),
         {},
         {}},
        {html, QStringLiteral("Prezentacja"), QStringLiteral("pomoc\\ref\\html\\charset.html"), {}, {}},
        {html, QStringLiteral("Podstawowe typy"), QStringLiteral("pomoc\\ref\\html\\types.html"), {}, {}},
        {QStringLiteral("Referencje (Ang.)"),
         QStringLiteral("XHTML"),
         QStringLiteral("pomoc\\ref\\xhtml\\Overview.html"),
         {},
         {}},
        {css, QStringLiteral("Kontekst"), QStringLiteral("pomoc\\ref\\css\\cover.html"), {}, {}},
        {css, QStringLiteral("Indeks"), QStringLiteral("pomoc\\ref\\css\\indexlist.html"), {}, {}},
        {manual, QStringLiteral("Strona główna"), QStringLiteral("pomoc\\manual\\manual.html"), {}, {}},
        {manual, {}, {}, {}, {}},
        {manual, QStringLiteral("I Początki"), QStringLiteral("pomoc\\manual\\getting-started.html"), {}, {}},
        {manual,
         QStringLiteral("II Referencje języka"),
         QStringLiteral("pomoc\\manual\\langref.html"),
         {},
         {}},
        {manual, QStringLiteral("III Cechy języka"), QStringLiteral("pomoc\\manual\\features.html"), {}, {}},
        {functions,
         QStringLiteral("Wszystkie funkcje"),
         QStringLiteral("pomoc\\manual\\funcref.html"),
         {},
         {}},
        {functions, {}, {}, {}, {}},
    };
    // The function groups, as caption and page under pomoc\manual\.
    static const char* const groups[][2] = {
        {"Adabas D", "ref.adabas.html"},
        {"Apache-specific", "ref.apache.html"},
        {"Array", "ref.array.html"},
        {"Aspell", "ref.aspell.html"},
        {"Arbitrary precision mathematics", "ref.bc.html"},
        {"Calendar", "ref.calendar.html"},
        {"ClibPDF ", "ref.cpdf.html"},
        {"Compression", "ref.zlib.html"},
        {"Date and Time", "ref.datetime.html"},
        {"Database (dbm-style) abstraction layer", "ref.dba.html"},
        {"dBase", "ref.dbase.html"},
        {"dbm", "ref.dbm.html"},
        {"Directory", "ref.dir.html"},
        {"Dynamic Loading", "ref.dl.html"},
        {"Program Execution", "ref.exec.html"},
        {"Forms Data Format", "ref.fdf.html"},
        {"Encryption", "ref.mcrypt.html"},
        {"filePro", "ref.filepro.html"},
        {"Filesystem", "ref.filesystem.html"},
        {"HTTP", "ref.http.html"},
        {"Hyperwave", "ref.hyperwave.html"},
        {"ICAP", "ref.icap.html"},
        {"Image", "ref.image.html"},
        {"IMAP", "ref.imap.html"},
        {"PHP options and information", "ref.info.html"},
        {"Informix", "ref.ifx.html"},
        {"InterBase", "ref.ibase.html"},
        {"LDAP", "ref.ldap.html"},
        {"Mail", "ref.mail.html"},
        {"Mathematical", "ref.math.html"},
        {"Hash", "ref.mhash.html"},
        {"Miscellaneous", "ref.misc.html"},
        {"mSQL", "ref.msql.html"},
        {"Microsoft SQL Server", "ref.mssql.html"},
        {"MySQL ", "ref.mysql.html"},
        {"Sybase", "ref.sybase.html"},
        {"Network", "ref.network.html"},
        {"NIS", "ref.nis.html"},
        {"ODBC", "ref.odbc.html"},
        {"Oracle", "ref.oracle.html"},
        {"Oracle 8", "ref.oci8.html"},
        {"Perl-compatible Regular Expression", "ref.pcre.html"},
        {"PDF", "ref.pdf.html"},
        {"PostgreSQL", "ref.pgsql.html"},
        {"Regular expression", "ref.regex.html"},
        {"Semaphore and shared memory", "ref.sem.html"},
        {"Session handling", "ref.session.html"},
        {"Solid", "ref.solid.html"},
        {"SNMP", "ref.snmp.html"},
        {"String", "ref.strings.html"},
        {"URL", "ref.url.html"},
        {"Variable", "ref.var.html"},
        {"Vmailmgr", "ref.vmailmgr.html"},
        {"WDDX", "ref.wddx.html"},
        {"XML parser", "ref.xml.html"},
    };
    for (const auto& group : groups)
        links.push_back({functions,
                         QString::fromLatin1(group[0]),
                         QStringLiteral("pomoc\\manual\\") + QString::fromLatin1(group[1]),
                         {},
                         {}});
    links.push_back(
        {manual, QStringLiteral("V Dodatek"), QStringLiteral("pomoc\\manual\\appendixes.html"), {}, {}});
    return links;
}

} // namespace

const std::vector<HelpLink>& helpLinks() {
    static const std::vector<HelpLink> links = buildHelpLinks();
    return links;
}

} // namespace wertan
