<?php
// Generates the PHP function catalogues and the PHP manual of the program tree from the
// reflection of the PHP that runs this script:
//   data/functions.dat    the beginner's catalogue (button "PHP3"): strings, arrays, maths,
//                         dates, files, PCRE, sessions, output control
//   data/functions2.dat   every function of the installed PHP (button "PHP4"), by extension
//   pomoc/manual/         one page per function, one per group, the language pages, the index
// The output is deterministic: sorted, no dates, the same bytes for the same PHP.
//
// Usage: php generate.php [--out=DIR] [--only=NAME,NAME,...] [--php-version=LABEL]
//   --out          the program tree to write into (default: program/ of this repository)
//   --only         catalogue only these functions (needs --out, so the delivered tree is kept)
//   --php-version  the version shown in the pages (default: the running PHP's version)

declare(strict_types=1);

const ONLINE_MANUAL = 'https://www.php.net/manual/pl/';
const CATALOGUE_MARKER = '#zksubtree';

exit(main($argv));

function main(array $argv): int
{
    $options = parseOptions(array_slice($argv, 1));
    if ($options === null) {
        fwrite(STDERR, "usage: generate.php [--out=DIR] [--only=NAME,NAME,...] [--php-version=LABEL]\n");
        return 2;
    }
    $config = require __DIR__ . '/groups.php';
    $languagePages = require __DIR__ . '/language.php';

    try {
        $functions = readFunctions($config, $options['only']);
        $catalogue = new Catalogue($config, $functions, $options['version']);
        $files = [
            'data/functions.dat' => catalogueFile($catalogue->beginnerGroups()),
            'data/functions2.dat' => catalogueFile($catalogue->allGroups()),
        ];
        foreach (manualPages($catalogue, $config, $languagePages) as $name => $text) {
            $files['pomoc/manual/' . $name] = $text;
        }
        checkLinks($files);
        writeTree($options['out'], $files);
    } catch (RuntimeException $e) {
        fwrite(STDERR, 'generate.php: ' . $e->getMessage() . "\n");
        return 1;
    }
    printf("%d functions in %d groups (PHP3 catalogue: %d in %d groups), %d manual pages, in %s\n",
        count($functions), count($catalogue->allGroups()), $catalogue->beginnerCount(),
        count($catalogue->beginnerGroups()), count($files) - 2, $options['out']);
    return 0;
}

/** @return array{out: string, only: ?array, version: string}|null */
function parseOptions(array $args): ?array
{
    $out = null;
    $only = null;
    $version = PHP_VERSION;
    foreach ($args as $arg) {
        if (str_starts_with($arg, '--out=') && strlen($arg) > 6) {
            $out = substr($arg, 6);
        } elseif (str_starts_with($arg, '--only=')) {
            $only = array_values(array_filter(array_map('trim', explode(',', substr($arg, 7))), 'strlen'));
            if ($only === []) {
                return null;
            }
        } elseif (str_starts_with($arg, '--php-version=') && strlen($arg) > 14) {
            $version = substr($arg, 14);
        } else {
            return null;
        }
    }
    if ($only !== null && $out === null) {
        fwrite(STDERR, "generate.php: --only needs --out, so that the delivered tree is not replaced by a sample\n");
        return null;
    }
    return ['out' => $out ?? dirname(__DIR__, 2) . '/program', 'only' => $only, 'version' => $version];
}

// ---------------------------------------------------------------------------------------------
// Reading the functions

final class Parameter
{
    public function __construct(
        public readonly string $name,
        public readonly ?string $type,
        public readonly bool $byReference,
        public readonly bool $variadic,
        public readonly bool $optional,
        public readonly ?string $default,
    ) {
    }

    /** The parameter as a user writes it in a call: "&$count = null", "...$values". */
    public function callText(): string
    {
        $text = ($this->byReference ? '&' : '') . ($this->variadic ? '...' : '') . '$' . $this->name;
        if ($this->default !== null) {
            return $text . ' = ' . $this->default;
        }
        // Optional, but PHP names no default (the function tells the cases apart itself).
        return $this->optional && !$this->variadic ? '[' . $text . ']' : $text;
    }

    /** The parameter with its type, as in the manual's signatures. */
    public function signatureText(): string
    {
        $text = ($this->byReference ? '&' : '') . ($this->variadic ? '...' : '') . '$' . $this->name;
        if ($this->type !== null) {
            $text = $this->type . ' ' . $text;
        }
        if ($this->default !== null) {
            return $text . ' = ' . $this->default;
        }
        return $this->optional && !$this->variadic ? '[' . $text . ']' : $text;
    }
}

final class FunctionInfo
{
    /** @param Parameter[] $parameters */
    public function __construct(
        public readonly string $name,
        public readonly string $extension,
        public readonly ?string $section,
        public readonly array $parameters,
        public readonly ?string $returnType,
        public readonly bool $deprecated,
    ) {
    }

    /** The catalogue entry: "str_replace($search, $replace, $subject, &$count = null)". */
    public function callText(): string
    {
        return $this->name . '(' . implode(', ', array_map(fn (Parameter $p) => $p->callText(), $this->parameters)) . ')';
    }

    public function signature(): string
    {
        $text = $this->name . '(' . implode(', ', array_map(fn (Parameter $p) => $p->signatureText(), $this->parameters)) . ')';
        return $this->returnType !== null ? $text . ': ' . $this->returnType : $text;
    }

    public function pageName(): string
    {
        return 'function.' . str_replace('_', '-', $this->name) . '.html';
    }

    public function groupKey(): string
    {
        return strtolower($this->extension) . ($this->section !== null ? ':' . $this->section : '');
    }
}

/** @return array<string, FunctionInfo> by name, sorted */
function readFunctions(array $config, ?array $only): array
{
    $names = get_defined_functions()['internal'];
    if ($only !== null) {
        $unknown = array_diff($only, $names);
        if ($unknown !== []) {
            throw new RuntimeException('not a function of this PHP: ' . implode(', ', $unknown));
        }
        $names = array_unique($only);
    }
    $sections = new SectionTable($config['sections']);
    $functions = [];
    foreach ($names as $name) {
        $reflection = new ReflectionFunction($name);
        $extension = (string) $reflection->getExtensionName();
        if ($extension === '') {
            throw new RuntimeException("$name: PHP names no extension for it");
        }
        $section = null;
        if (in_array(strtolower($extension), ['core', 'standard'], true)) {
            $section = $sections->sectionOf($name);
            if ($section === null) {
                fwrite(STDERR, "generate.php: $name ($extension) is in no section of groups.php; put under \"misc\"\n");
                $section = 'misc';
            }
        }
        $functions[$name] = new FunctionInfo(
            $name,
            $extension,
            $section,
            array_map('readParameter', $reflection->getParameters()),
            $reflection->hasReturnType() ? (string) $reflection->getReturnType() : null,
            $reflection->isDeprecated(),
        );
    }
    ksort($functions, SORT_STRING);
    return $functions;
}

function readParameter(ReflectionParameter $parameter): Parameter
{
    // PHP keeps the defaults of internal functions as source text ("ENT_QUOTES | ENT_HTML401",
    // "[]"); only the parameter's text form shows them as written.
    $text = (string) $parameter;
    $marker = '$' . $parameter->getName();
    if (!preg_match('/^Parameter #\d+ \[ <(?:required|optional)> (.*) \]$/s', $text, $m)
        || ($at = strpos($m[1], $marker)) === false) {
        throw new RuntimeException("unexpected parameter text: $text");
    }
    $rest = substr($m[1], $at + strlen($marker));
    $default = null;
    if (str_starts_with($rest, ' = ')) {
        $default = substr($rest, 3);
        if ($default === '<default>') {
            $default = null;
        }
    } elseif ($rest !== '') {
        throw new RuntimeException("unexpected parameter text: $text");
    }
    if ($default !== null && preg_match('/[\r\n]/', $default)) {
        throw new RuntimeException("a default value spans lines: $text");
    }
    return new Parameter(
        $parameter->getName(),
        $parameter->hasType() ? (string) $parameter->getType() : null,
        $parameter->isPassedByReference(),
        $parameter->isVariadic(),
        $parameter->isOptional(),
        $default,
    );
}

final class SectionTable
{
    private array $exact = [];
    private array $prefixes = [];

    public function __construct(array $sections)
    {
        foreach ($sections as $section => $names) {
            foreach ($names as $name) {
                if (str_ends_with($name, '*')) {
                    $this->prefixes[substr($name, 0, -1)] = $section;
                } elseif (isset($this->exact[$name])) {
                    throw new RuntimeException("groups.php: $name is in two sections");
                } else {
                    $this->exact[$name] = $section;
                }
            }
        }
        // Longer prefixes first.
        uksort($this->prefixes, fn ($a, $b) => strlen($b) <=> strlen($a) ?: strcmp($a, $b));
    }

    public function sectionOf(string $name): ?string
    {
        if (isset($this->exact[$name])) {
            return $this->exact[$name];
        }
        foreach ($this->prefixes as $prefix => $section) {
            if (str_starts_with($name, $prefix)) {
                return $section;
            }
        }
        return null;
    }
}

// ---------------------------------------------------------------------------------------------
// Groups and pages

final class Group
{
    /** @param FunctionInfo[] $functions */
    public function __construct(
        public readonly string $title,
        public readonly array $functions,
    ) {
    }
}

final class Catalogue
{
    /** @var array<string, Group> catalogue groups of functions2.dat by group key */
    private array $groups = [];
    /** @var array<string, string> page file by group key */
    private array $pageOfGroup = [];
    /** @var array<string, array{title: string, caption: ?string, groups: string[], see: string[]}> */
    private array $pages = [];
    private array $beginnerGroups = [];

    /** @param array<string, FunctionInfo> $functions */
    public function __construct(array $config, public readonly array $functions, public readonly string $version)
    {
        $byGroup = [];
        foreach ($functions as $function) {
            $byGroup[$function->groupKey()][] = $function;
        }
        ksort($byGroup, SORT_STRING);

        foreach ($config['menu_pages'] as [$file, $caption, $title, $see]) {
            $this->pages[$file] = ['title' => $title, 'caption' => $caption, 'groups' => [], 'see' => $see];
        }
        foreach ($byGroup as $key => $members) {
            $first = $members[0];
            $title = $first->extension;
            if ($first->section !== null) {
                $title .= ': ' . $config['section_titles'][$first->section];
            }
            $this->groups[$key] = new Group($title, $members);

            $extension = strtolower($first->extension);
            if ($first->section !== null) {
                $page = 'ref.' . $first->section . '.html';
                $pageTitle = $config['section_page_titles'][$first->section] ?? null;
            } else {
                $page = $config['extension_pages'][$extension]
                    ?? 'ref.' . trim(preg_replace('/[^a-z0-9]+/', '-', $extension), '-') . '.html';
                $pageTitle = 'Rozszerzenie ' . $first->extension;
            }
            if (!isset($this->pages[$page])) {
                if ($pageTitle === null) {
                    throw new RuntimeException("groups.php: no title for the page $page");
                }
                $this->pages[$page] = ['title' => $pageTitle, 'caption' => null, 'groups' => [], 'see' => []];
            }
            $this->pages[$page]['groups'][] = $key;
            $this->pageOfGroup[$key] = $page;
        }

        foreach ($config['beginner_groups'] as [$title, $sources]) {
            $members = [];
            foreach ($functions as $function) {
                $wanted = in_array('extension:' . strtolower($function->extension), $sources, true)
                    || ($function->section !== null && in_array('section:' . $function->section, $sources, true));
                if ($wanted && !$function->deprecated) {
                    $members[] = $function;
                }
            }
            if ($members !== []) {
                $this->beginnerGroups[] = new Group($title, $members);
            }
        }
    }

    /** @return Group[] sorted by title */
    public function allGroups(): array
    {
        $groups = array_values($this->groups);
        usort($groups, fn (Group $a, Group $b) => strcmp(strtolower($a->title), strtolower($b->title)));
        return $groups;
    }

    /** @return Group[] in the order of groups.php */
    public function beginnerGroups(): array
    {
        return $this->beginnerGroups;
    }

    public function beginnerCount(): int
    {
        return array_sum(array_map(fn (Group $g) => count($g->functions), $this->beginnerGroups));
    }

    public function pageOf(FunctionInfo $function): string
    {
        return $this->pageOfGroup[$function->groupKey()];
    }

    public function group(string $key): Group
    {
        return $this->groups[$key];
    }

    /** @return array<string, array{title: string, caption: ?string, groups: string[], see: string[]}> */
    public function pages(): array
    {
        return $this->pages;
    }

    public function pageTitle(string $page): string
    {
        return $this->pages[$page]['title'];
    }

    public function has(string $name): bool
    {
        return isset($this->functions[$name]);
    }

    /** @return string[] the extensions, as PHP names them, sorted */
    public function extensions(): array
    {
        $names = array_unique(array_map(fn (FunctionInfo $f) => $f->extension, $this->functions));
        usort($names, fn ($a, $b) => strcmp(strtolower($a), strtolower($b)));
        return $names;
    }
}

// ---------------------------------------------------------------------------------------------
// The catalogue files: Windows-1250, lines ended by CR LF

/** @param Group[] $groups */
function catalogueFile(array $groups): string
{
    $lines = [];
    foreach ($groups as $group) {
        if (preg_match('/[()\r\n]/', $group->title)) {
            throw new RuntimeException("a group title cannot hold brackets or line breaks: {$group->title}");
        }
        $lines[] = '#zksubtreebegin';
        $lines[] = '#zksubtreename(' . $group->title . ')';
        foreach ($group->functions as $function) {
            $entry = $function->callText();
            // An entry must not be taken for a marker line, nor for an empty entry.
            if (stripos($entry, CATALOGUE_MARKER) !== false || preg_match('/[\r\n]/', $entry)) {
                throw new RuntimeException("an entry cannot be written to the catalogue: $entry");
            }
            $lines[] = $entry;
        }
        $lines[] = '#zksubtreeend';
    }
    return toWindows1250(implode("\r\n", $lines) . "\r\n");
}

function toWindows1250(string $utf8): string
{
    static $map = [
        'ą' => "\xB9", 'ć' => "\xE6", 'ę' => "\xEA", 'ł' => "\xB3", 'ń' => "\xF1", 'ó' => "\xF3",
        'ś' => "\x9C", 'ź' => "\x9F", 'ż' => "\xBF", 'Ą' => "\xA5", 'Ć' => "\xC6", 'Ę' => "\xCA",
        'Ł' => "\xA3", 'Ń' => "\xD1", 'Ó' => "\xD3", 'Ś' => "\x8C", 'Ź' => "\x8F", 'Ż' => "\xAF",
    ];
    $text = strtr($utf8, $map);
    if (preg_match('/[\x80-\xFF]/', strtr($text, array_fill_keys(array_values($map), '')))) {
        throw new RuntimeException('a catalogue text holds a character outside the Polish letters of Windows-1250');
    }
    return $text;
}

// ---------------------------------------------------------------------------------------------
// The manual pages (UTF-8 HTML)

function h(string $text): string
{
    return htmlspecialchars($text, ENT_QUOTES | ENT_SUBSTITUTE, 'UTF-8');
}

function onlineName(string $functionName): string
{
    return str_replace('_', '-', $functionName);
}

/** A whole page: title, the trail of links above it, and the body. */
function page(string $title, array $trail, string $body, string $head = ''): string
{
    $links = [];
    foreach ($trail as $file => $caption) {
        $links[] = '<a href="' . h($file) . '">' . h($caption) . '</a>';
    }
    return "<!DOCTYPE html>\n<html lang=\"pl\">\n<head>\n<meta charset=\"utf-8\">\n"
        . $head
        . '<title>' . h($title === 'Podręcznik PHP' ? $title : $title . ' – Podręcznik PHP') . "</title>\n"
        . "<link rel=\"stylesheet\" href=\"manual.css\">\n</head>\n<body>\n"
        . ($links !== [] ? '<p class="trail">' . implode(' » ', $links) . "</p>\n" : '')
        . '<h1>' . h($title) . "</h1>\n"
        . $body
        . "</body>\n</html>\n";
}

function manualPages(Catalogue $catalogue, array $config, array $languagePages): array
{
    $pages = ['manual.css' => styleSheet()];
    // The titles of the pages that other pages may point to with "see also".
    $titles = array_column($languagePages, 'title', 'file');
    foreach ($catalogue->pages() as $file => $page) {
        $titles[$file] = $page['title'];
    }

    foreach ($catalogue->functions as $function) {
        $pages[$function->pageName()] = functionPage($catalogue, $function);
    }
    foreach ($catalogue->pages() as $file => $page) {
        $pages[$file] = groupPage($catalogue, $page, $titles);
    }
    foreach ($languagePages as $page) {
        if (isset($pages[$page['file']])) {
            throw new RuntimeException("{$page['file']} is both a language page and a function page");
        }
        $pages[$page['file']] = languagePage($page, $languagePages, $titles);
    }
    $pages['funcref.html'] = functionReference($catalogue);
    $pages['manual.html'] = mainPage($catalogue);
    $pages['getting-started.html'] = gettingStartedPage($catalogue);
    $pages['langref.html'] = languageReferencePage($languagePages);
    $pages['features.html'] = featuresPage($catalogue);
    $pages['appendixes.html'] = appendixPage($catalogue, $config);

    ksort($pages, SORT_STRING);
    return $pages;
}

/** "Zobacz też" with the pages of the list that exist in this manual; empty when none does. */
function seeAlso(array $files, array $titles): string
{
    $links = [];
    foreach ($files as $file) {
        if (isset($titles[$file])) {
            $links[] = '<a href="' . h($file) . '">' . h($titles[$file]) . '</a>';
        }
    }
    return $links === [] ? '' : '<p class="see">Zobacz też: ' . implode(', ', $links) . "</p>\n";
}

/** A function name in running text: linked to its page when the catalogue has it. */
function functionLink(Catalogue $catalogue, string $name): string
{
    if ($catalogue->has($name)) {
        return '<a href="' . h($catalogue->functions[$name]->pageName()) . '"><code>' . h($name) . '</code></a>';
    }
    return '<code>' . h($name) . '</code>';
}

function functionPage(Catalogue $catalogue, FunctionInfo $function): string
{
    $groupPage = $catalogue->pageOf($function);
    $body = '';
    if ($function->deprecated) {
        $body .= "<p class=\"warning\">Funkcja przestarzała: jej wywołanie zgłasza ostrzeżenie E_DEPRECATED, a w następnych wersjach PHP może jej nie być.</p>\n";
    }
    $body .= "<h2>Opis</h2>\n<pre class=\"signature\">" . h($function->signature()) . "</pre>\n"
        . '<p>W katalogu funkcji: <code>' . h($function->callText()) . "</code></p>\n";

    $body .= "<h2>Parametry</h2>\n";
    if ($function->parameters === []) {
        $body .= "<p>Funkcja nie ma parametrów.</p>\n";
    } else {
        $body .= "<table>\n<tr><th>Parametr</th><th>Typ</th><th>Wartość domyślna</th><th>Uwagi</th></tr>\n";
        foreach ($function->parameters as $parameter) {
            $notes = [];
            if ($parameter->byReference) {
                $notes[] = 'przekazywany przez referencję';
            }
            if ($parameter->variadic) {
                $notes[] = 'dowolna liczba argumentów';
            } elseif ($parameter->optional) {
                $notes[] = 'można go pominąć';
            }
            if ($parameter->default !== null) {
                $default = '<code>' . h($parameter->default) . '</code>';
            } elseif ($parameter->optional && !$parameter->variadic) {
                $default = 'brak (funkcja działa inaczej, gdy go pominąć)';
            } else {
                $default = '–';
            }
            $body .= '<tr><td><code>$' . h($parameter->name) . '</code></td><td>'
                . ($parameter->type !== null ? '<code>' . h($parameter->type) . '</code>' : 'dowolny (bez deklaracji typu)')
                . '</td><td>' . $default . '</td><td>' . h(implode(', ', $notes)) . "</td></tr>\n";
        }
        $body .= "</table>\n";
    }

    $body .= "<h2>Zwracana wartość</h2>\n<p>" . returnText($function->returnType) . "</p>\n";
    $body .= "<h2>Rozszerzenie</h2>\n<p><code>" . h($function->extension) . '</code>, grupa <a href="'
        . h($groupPage) . '">' . h($catalogue->pageTitle($groupPage)) . "</a></p>\n";
    $online = ONLINE_MANUAL . 'function.' . onlineName($function->name) . '.php';
    $body .= "<h2>Zobacz w podręczniku PHP</h2>\n<p><a href=\"" . h($online) . '">' . h($online) . "</a></p>\n";

    return page($function->name, [
        'manual.html' => 'Podręcznik PHP',
        'funcref.html' => 'Funkcje',
        $groupPage => $catalogue->pageTitle($groupPage),
    ], $body);
}

function returnText(?string $type): string
{
    return match ($type) {
        null => 'Typ nie jest zadeklarowany (opis w podręczniku PHP).',
        'void' => '<code>void</code>: funkcja nie zwraca wartości.',
        'never' => '<code>never</code>: funkcja nie wraca do miejsca wywołania (kończy skrypt albo zgłasza wyjątek).',
        default => '<code>' . h($type) . '</code>',
    };
}

function groupPage(Catalogue $catalogue, array $page, array $titles): string
{
    $body = '';
    if ($page['caption'] !== null) {
        $body .= '<p class="caption">W podręczniku angielskim: ' . h($page['caption']) . "</p>\n";
    }
    if ($page['groups'] === []) {
        $body .= '<p>Katalog funkcji (PHP ' . h($catalogue->version) . ') nie zawiera funkcji tej grupy:'
            . " rozszerzenie nie jest zainstalowane albo nie ma go już w PHP.</p>\n";
    }
    $keys = $page['groups'];
    usort($keys, fn ($a, $b) => strcmp($a, $b));
    foreach ($keys as $key) {
        $group = $catalogue->group($key);
        $extension = $group->functions[0]->extension;
        $body .= '<h2>Rozszerzenie ' . h($extension) . "</h2>\n<ul class=\"functions\">\n";
        foreach ($group->functions as $function) {
            $body .= '<li><a href="' . h($function->pageName()) . '"><code>' . h($function->signature()) . "</code></a></li>\n";
        }
        $body .= "</ul>\n";
    }
    $body .= seeAlso($page['see'], $titles);
    $body .= '<p class="online"><a href="' . ONLINE_MANUAL . 'funcref.php">Spis funkcji w podręczniku PHP</a></p>' . "\n";
    return page($page['title'], ['manual.html' => 'Podręcznik PHP', 'funcref.html' => 'Funkcje'], $body);
}

function languagePage(array $page, array $all, array $titles): string
{
    $body = $page['text'] . "\n";
    $body .= "<h2>Składnia</h2>\n<pre>" . h($page['syntax']) . "</pre>\n";
    $body .= "<h2>Przykład</h2>\n<pre class=\"example\">" . h($page['example']) . "</pre>\n";
    if (!empty($page['index'])) {
        $body .= "<h2>Wszystkie struktury sterujące i konstrukcje języka</h2>\n" . languageList($all);
    }
    $body .= seeAlso($page['see'], $titles);
    $online = ONLINE_MANUAL . $page['online'];
    $body .= "<h2>Zobacz w podręczniku PHP</h2>\n<p><a href=\"" . h($online) . '">' . h($online) . "</a></p>\n";
    return page($page['title'], ['manual.html' => 'Podręcznik PHP', 'langref.html' => 'Referencje języka'], $body);
}

function languageList(array $all): string
{
    $items = '';
    foreach ($all as $page) {
        $items .= '<li><a href="' . h($page['file']) . '"><code>' . h($page['word']) . '</code></a> – '
            . h($page['summary']) . "</li>\n";
    }
    return "<ul>\n" . $items . "</ul>\n";
}

/** Sort key for Polish titles: letters with diacritics after their base letter. */
function polishKey(string $text): string
{
    return strtr(mb_lower($text), [
        'ą' => 'a~', 'ć' => 'c~', 'ę' => 'e~', 'ł' => 'l~', 'ń' => 'n~', 'ó' => 'o~', 'ś' => 's~',
        'ź' => 'z~', 'ż' => 'z~~',
    ]);
}

function mb_lower(string $text): string
{
    return strtr(strtolower($text), ['Ą' => 'ą', 'Ć' => 'ć', 'Ę' => 'ę', 'Ł' => 'ł', 'Ń' => 'ń',
        'Ó' => 'ó', 'Ś' => 'ś', 'Ź' => 'ź', 'Ż' => 'ż']);
}

function polishPlural(int $n, string $one, string $few, string $many): string
{
    if ($n === 1) {
        return $one;
    }
    return $n % 10 >= 2 && $n % 10 <= 4 && ($n % 100 < 12 || $n % 100 > 14) ? $few : $many;
}

function sortedByTitle(array $pages): array
{
    uksort($pages, fn ($a, $b) => strcmp(polishKey($pages[$a]['title']), polishKey($pages[$b]['title'])) ?: strcmp($a, $b));
    return $pages;
}

function functionReference(Catalogue $catalogue): string
{
    $withFunctions = [];
    $without = [];
    foreach ($catalogue->pages() as $file => $page) {
        if ($page['groups'] === []) {
            $without[$file] = $page;
        } else {
            $withFunctions[$file] = $page;
        }
    }
    $functions = count($catalogue->functions);
    $extensions = count($catalogue->extensions());
    $body = '<p>Katalog obejmuje ' . $functions . ' ' . polishPlural($functions, 'funkcję', 'funkcje', 'funkcji')
        . ' z ' . $extensions . ' ' . ($extensions === 1 ? 'rozszerzenia' : 'rozszerzeń')
        . ' PHP ' . h($catalogue->version) . ".</p>\n";
    $body .= "<h2>Grupy funkcji</h2>\n<ul>\n";
    foreach (sortedByTitle($withFunctions) as $file => $page) {
        $count = 0;
        foreach ($page['groups'] as $key) {
            $count += count($catalogue->group($key)->functions);
        }
        $body .= '<li><a href="' . h($file) . '">' . h($page['title']) . '</a> (' . $count . ")</li>\n";
    }
    $body .= "</ul>\n";
    if ($without !== []) {
        $body .= "<h2>Grupy, których funkcji nie ma w tej wersji PHP</h2>\n<ul>\n";
        foreach (sortedByTitle($without) as $file => $page) {
            $body .= '<li><a href="' . h($file) . '">' . h($page['title']) . "</a></li>\n";
        }
        $body .= "</ul>\n";
    }

    $body .= "<h2>Wszystkie funkcje</h2>\n";
    $byLetter = [];
    foreach ($catalogue->functions as $function) {
        $letter = preg_match('/^[a-z]/', $function->name) ? $function->name[0] : '_';
        $byLetter[$letter][] = $function;
    }
    $index = [];
    foreach (array_keys($byLetter) as $letter) {
        $index[] = '<a href="#litera-' . h($letter) . '">' . h(strtoupper($letter)) . '</a>';
    }
    $body .= '<p class="letters">' . implode(' ', $index) . "</p>\n";
    foreach ($byLetter as $letter => $functions) {
        $body .= '<h3 id="litera-' . h($letter) . '">' . h(strtoupper($letter)) . "</h3>\n<p class=\"index\">";
        $links = [];
        foreach ($functions as $function) {
            $links[] = '<a href="' . h($function->pageName()) . '">' . h($function->name) . '</a>';
        }
        $body .= implode(' · ', $links) . "</p>\n";
    }
    return page('Funkcje', ['manual.html' => 'Podręcznik PHP'], $body);
}

function mainPage(Catalogue $catalogue): string
{
    $head = '<meta name="generator" content="' . h(generatorStamp($catalogue)) . "\">\n";
    $body = '<p>Podręcznik PHP dostarczany z programem: opis języka, struktur sterujących i funkcji PHP '
        . h($catalogue->version) . ". Okno „Podpowiedzi PHP” pokazuje strony tego podręcznika dla słowa, przy którym stoi kursor.</p>\n"
        . "<ol class=\"parts\">\n"
        . "<li><a href=\"getting-started.html\">Początki</a></li>\n"
        . "<li><a href=\"langref.html\">Referencje języka</a></li>\n"
        . "<li><a href=\"features.html\">Cechy języka</a></li>\n"
        . "<li><a href=\"funcref.html\">Funkcje</a></li>\n"
        . "<li><a href=\"appendixes.html\">Dodatek</a></li>\n"
        . "</ol>\n"
        . '<p>Pełny podręcznik w języku polskim: <a href="' . ONLINE_MANUAL . '">' . ONLINE_MANUAL . "</a></p>\n";
    return page('Podręcznik PHP', [], $body, $head);
}

/** The PHP that produced the pages; compared by the tests before they compare whole trees. */
function generatorStamp(Catalogue $catalogue): string
{
    return 'tools/php-catalogue; PHP ' . $catalogue->version . '; ' . implode(', ', $catalogue->extensions());
}

function gettingStartedPage(Catalogue $catalogue): string
{
    $body = "<p>PHP to język skryptów wykonywanych przez serwer WWW. Strona z rozszerzeniem <code>.php</code> może zawierać zwykły HTML i wstawki kodu między <code>&lt;?php</code> a <code>?&gt;</code>. Serwer wykonuje kod i wysyła przeglądarce tylko wynik, więc odwiedzający widzi sam HTML.</p>\n"
        . "<h2>Pierwsza strona</h2>\n"
        . "<pre class=\"example\">" . h("<!DOCTYPE html>\n<html>\n<head><title>Pierwsza strona</title></head>\n<body>\n<?php\n\$imie = 'świecie';\necho \"<p>Witaj, \$imie!</p>\";\n?>\n<p>Dziś jest <?= date('d.m.Y') ?>.</p>\n</body>\n</html>") . "</pre>\n"
        . "<p>Zapisz stronę w katalogu serwera WWW i otwórz ją przez jego adres (podgląd w programie robi to sam). Otwarta jako plik, bez serwera, strona pokaże kod zamiast wyniku.</p>\n"
        . "<h2>Podstawy</h2>\n<ul>\n"
        . "<li>Instrukcje kończy średnik.</li>\n"
        . "<li>Nazwy zmiennych zaczynają się od <code>\$</code> i rozróżniają wielkość liter; zmiennych nie trzeba deklarować.</li>\n"
        . "<li>Napis w cudzysłowie (<code>\"...\"</code>) podstawia zmienne, napis w apostrofach (<code>'...'</code>) nie.</li>\n"
        . "<li>Komentarze: <code>// do końca wiersza</code>, <code># do końca wiersza</code>, <code>/* blok */</code>.</li>\n"
        . '<li>Wypisywanie: <a href="function.echo.html"><code>echo</code></a>; tekst: ' . functionLink($catalogue, 'strlen') . ', '
        . functionLink($catalogue, 'str_replace') . '; tablice: ' . functionLink($catalogue, 'count') . ', '
        . functionLink($catalogue, 'array_map') . ".</li>\n"
        . "</ul>\n"
        . "<p>Dalej: <a href=\"langref.html\">Referencje języka</a>, <a href=\"funcref.html\">Funkcje</a>.</p>\n";
    return page('Początki', ['manual.html' => 'Podręcznik PHP'], $body);
}

function languageReferencePage(array $languagePages): string
{
    $body = "<p>Struktury sterujące, definiowanie funkcji i klas oraz konstrukcje języka, które wyglądają jak funkcje, ale nimi nie są (nie ma ich w katalogu funkcji).</p>\n"
        . languageList($languagePages)
        . "<p>Typy, zmienne, stałe, wyrażenia i operatory opisuje podręcznik PHP: <a href=\"" . ONLINE_MANUAL . 'langref.php">' . ONLINE_MANUAL . "langref.php</a></p>\n";
    return page('Referencje języka', ['manual.html' => 'Podręcznik PHP'], $body);
}

function featuresPage(Catalogue $catalogue): string
{
    $body = "<h2>Formularze</h2>\n"
        . "<p>Pola formularza wysłanego metodą GET trafiają do tablicy <code>\$_GET</code>, metodą POST do <code>\$_POST</code>; kluczem jest atrybut <code>name</code> pola. Przed użyciem sprawdź, czy pole przyszło (<a href=\"function.isset.html\"><code>isset</code></a>), a przed wypisaniem zamień znaki specjalne HTML (" . functionLink($catalogue, 'htmlspecialchars') . ").</p>\n"
        . '<pre class="example">' . h("<?php\nif (isset(\$_POST['imie'])) {\n    echo 'Witaj, ', htmlspecialchars(\$_POST['imie']), '!';\n}\n?>\n<form method=\"post\">\n    <input type=\"text\" name=\"imie\">\n    <input type=\"submit\" value=\"Wyślij\">\n</form>") . "</pre>\n"
        . "<h2>Ciasteczka i nagłówki HTTP</h2>\n"
        . '<p>' . functionLink($catalogue, 'setcookie') . ' wysyła ciasteczko, a przy następnych odwiedzinach jest ono w tablicy <code>$_COOKIE</code>. '
        . functionLink($catalogue, 'header') . " wysyła nagłówek HTTP (na przykład przekierowanie). Nagłówki i ciasteczka trzeba wysłać, zanim strona wypisze cokolwiek. Zobacz grupę <a href=\"ref.http.html\">Nagłówki HTTP i ciasteczka</a>.</p>\n"
        . "<h2>Sesje</h2>\n"
        . '<p>' . functionLink($catalogue, 'session_start') . " rozpoczyna albo wznawia sesję; dane zapisane w tablicy <code>\$_SESSION</code> są dostępne na kolejnych stronach tej samej wizyty. Zobacz grupę <a href=\"ref.session.html\">Obsługa sesji</a>.</p>\n"
        . "<h2>Wysyłanie plików</h2>\n"
        . '<p>Plik wysłany formularzem z <code>enctype="multipart/form-data"</code> opisuje tablica <code>$_FILES</code>; ' . functionLink($catalogue, 'move_uploaded_file')
        . " przenosi go z katalogu tymczasowego na miejsce. Zobacz grupę <a href=\"ref.filesystem.html\">System plików</a>.</p>\n"
        . "<h2>Bazy danych</h2>\n"
        . "<p>Do baz danych PHP łączy się przez rozszerzenia PDO albo mysqli; katalog funkcji obejmuje te rozszerzenia, które są zainstalowane (zobacz <a href=\"appendixes.html\">Dodatek</a>).</p>\n";
    return page('Cechy języka', ['manual.html' => 'Podręcznik PHP'], $body);
}

function appendixPage(Catalogue $catalogue, array $config): string
{
    $body = "<h2>Katalogi funkcji</h2>\n"
        . "<p>Okno „Funkcje” ma dwa katalogi: przycisk „PHP3” wczytuje podstawowy zestaw dla początkujących (ciągi znaków, tablice, matematyka, data i czas, pliki i katalogi, wyrażenia regularne PCRE, sesje, sterowanie wyjściem; bez funkcji przestarzałych), a przycisk „PHP4” wszystkie funkcje zainstalowanego PHP, pogrupowane według rozszerzeń.</p>\n"
        . '<p>Katalogi i strony podręcznika wygenerowano z PHP ' . h($catalogue->version) . ".</p>\n";
    $body .= "<h2>Rozszerzenia w katalogu</h2>\n<ul>\n";
    $pagesOfExtension = [];
    foreach ($catalogue->functions as $function) {
        $pagesOfExtension[$function->extension][$catalogue->pageOf($function)] = true;
    }
    foreach ($catalogue->extensions() as $extension) {
        $links = [];
        $files = array_keys($pagesOfExtension[$extension]);
        sort($files, SORT_STRING);
        foreach ($files as $file) {
            $links[] = '<a href="' . h($file) . '">' . h($catalogue->pageTitle($file)) . '</a>';
        }
        $body .= '<li><code>' . h($extension) . '</code>: ' . implode(', ', $links) . "</li>\n";
    }
    $body .= "</ul>\n";
    $body .= "<h2>Słowa zastrzeżone</h2>\n<p>Tych słów nie można używać jako nazw stałych, funkcji ani klas:</p>\n<p class=\"index\"><code>"
        . implode('</code> <code>', [
            '__halt_compiler', 'abstract', 'and', 'array', 'as', 'break', 'callable', 'case', 'catch',
            'class', 'clone', 'const', 'continue', 'declare', 'default', 'die', 'do', 'echo', 'else',
            'elseif', 'empty', 'enddeclare', 'endfor', 'endforeach', 'endif', 'endswitch', 'endwhile',
            'enum', 'eval', 'exit', 'extends', 'final', 'finally', 'fn', 'for', 'foreach', 'function',
            'global', 'goto', 'if', 'implements', 'include', 'include_once', 'instanceof', 'insteadof',
            'interface', 'isset', 'list', 'match', 'namespace', 'new', 'or', 'print', 'private',
            'protected', 'public', 'readonly', 'require', 'require_once', 'return', 'static', 'switch',
            'throw', 'trait', 'try', 'unset', 'use', 'var', 'while', 'xor', 'yield',
        ]) . "</code></p>\n";
    return page('Dodatek', ['manual.html' => 'Podręcznik PHP'], $body);
}

function styleSheet(): string
{
    return <<<'CSS'
body { font-family: sans-serif; font-size: 14px; margin: 8px 12px; color: #000; background: #fff; }
h1 { font-size: 20px; color: #224; }
h2 { font-size: 16px; color: #224; border-bottom: 1px solid #ccd; }
h3 { font-size: 14px; }
code, pre { font-family: monospace; }
pre { background: #f4f4f8; border: 1px solid #dde; padding: 6px; white-space: pre-wrap; }
pre.signature { font-weight: bold; }
table { border-collapse: collapse; }
th, td { border: 1px solid #ccd; padding: 2px 6px; text-align: left; vertical-align: top; }
.trail { font-size: 12px; }
.warning { color: #a00; font-weight: bold; }
.caption { color: #555; }
ul.functions li { margin-bottom: 3px; }
ul.functions a { text-decoration: none; }
ul.functions a:hover { text-decoration: underline; }

CSS;
}

// ---------------------------------------------------------------------------------------------
// Checking and writing

/** Every local link (href, src) of every page must name a generated file and, with a
 *  fragment, an id on that page. */
function checkLinks(array $files): void
{
    $broken = [];
    foreach ($files as $path => $text) {
        if (!str_ends_with($path, '.html')) {
            continue;
        }
        $dir = dirname($path);
        preg_match_all('/\b(?:href|src)="([^"]*)"/', $text, $m);
        foreach ($m[1] as $link) {
            $link = html_entity_decode($link, ENT_QUOTES | ENT_HTML5, 'UTF-8');
            if (preg_match('/^[a-z][a-z0-9+.-]*:/i', $link)) {
                continue;
            }
            [$file, $fragment] = array_pad(explode('#', $link, 2), 2, '');
            $target = $file === '' ? $path : $dir . '/' . $file;
            if (!isset($files[$target])) {
                $broken[] = "$path: $link";
            } elseif ($fragment !== '' && !str_contains($files[$target], 'id="' . $fragment . '"')) {
                $broken[] = "$path: $link (no such id)";
            }
        }
    }
    if ($broken !== []) {
        throw new RuntimeException("broken links:\n  " . implode("\n  ", array_slice($broken, 0, 50)));
    }
}

/** Writes the files that changed (write-then-rename) and removes pages of the manual folder
 *  that are no longer generated. */
function writeTree(string $out, array $files): void
{
    foreach (['data', 'pomoc/manual'] as $dir) {
        if (!is_dir("$out/$dir") && !mkdir("$out/$dir", 0777, true)) {
            throw new RuntimeException("cannot create $out/$dir");
        }
    }
    foreach ($files as $path => $text) {
        $target = "$out/$path";
        if (is_file($target) && file_get_contents($target) === $text) {
            continue;
        }
        $temporary = $target . '.tmp';
        if (file_put_contents($temporary, $text) !== strlen($text) || !rename($temporary, $target)) {
            @unlink($temporary);
            throw new RuntimeException("cannot write $target");
        }
    }
    foreach (scandir("$out/pomoc/manual") as $name) {
        if (preg_match('/\.(html|css)$/', $name) && !isset($files["pomoc/manual/$name"])) {
            if (!unlink("$out/pomoc/manual/$name")) {
                throw new RuntimeException("cannot remove $out/pomoc/manual/$name");
            }
        }
    }
}
