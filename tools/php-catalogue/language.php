<?php
// The manual's pages on the language itself: control structures and the constructs that look
// like functions. The hint window asks for these file names when the caret is on the word, so
// the names are fixed; every name is lower case (the word is matched without regard to case).
// Texts are HTML fragments; examples are plain PHP code.

return [
    [
        'file' => 'control-structures.html',
        'summary' => 'wykonanie warunkowe',
        'word' => 'if',
        'title' => 'Struktury sterujące: if',
        'text' => '<p>Skrypt PHP wykonuje instrukcje po kolei. Struktury sterujące zmieniają tę'
            . ' kolejność: wykonują instrukcje tylko pod jakimś warunkiem albo wiele razy.</p>'
            . '<p>Instrukcja <code>if</code> wykonuje instrukcję (albo blok instrukcji w nawiasach'
            . ' klamrowych) tylko wtedy, gdy wyrażenie w nawiasach ma wartość <code>true</code>.'
            . ' Wartość wyrażenia jest zamieniana na typ logiczny: 0, pusty napis, "0", pusta'
            . ' tablica i <code>null</code> dają <code>false</code>.</p>',
        'syntax' => "if (wyrażenie) {\n    instrukcje\n}",
        'example' => "<?php\nif (\$a > \$b) {\n    echo \"a jest większe od b\";\n}\n?>",
        'see' => ['control-structures.else.html', 'control-structures.elseif.html', 'control-structures.switch.html'],
        'online' => 'control-structures.if.php',
        'index' => true,
    ],
    [
        'file' => 'control-structures.else.html',
        'summary' => 'gałąź wykonywana, gdy warunek jest fałszywy',
        'word' => 'else',
        'title' => 'else',
        'text' => '<p><code>else</code> uzupełnia instrukcję <code>if</code>: jego instrukcje'
            . ' wykonują się wtedy, gdy warunek <code>if</code> (i wszystkich'
            . ' <code>elseif</code>) ma wartość <code>false</code>.</p>',
        'syntax' => "if (wyrażenie) {\n    instrukcje\n} else {\n    instrukcje\n}",
        'example' => "<?php\nif (\$a > \$b) {\n    echo \"a jest większe od b\";\n} else {\n    echo \"a nie jest większe od b\";\n}\n?>",
        'see' => ['control-structures.html', 'control-structures.elseif.html'],
        'online' => 'control-structures.else.php',
    ],
    [
        'file' => 'control-structures.elseif.html',
        'summary' => 'kolejny warunek po if',
        'word' => 'elseif',
        'title' => 'elseif',
        'text' => '<p><code>elseif</code> (można też pisać <code>else if</code>) sprawdza kolejny'
            . ' warunek, gdy warunki poprzedzających <code>if</code> i <code>elseif</code> okazały'
            . ' się fałszywe. Wykonuje się tylko pierwsza gałąź, której warunek jest prawdziwy.</p>',
        'syntax' => "if (wyrażenie1) {\n    instrukcje\n} elseif (wyrażenie2) {\n    instrukcje\n} else {\n    instrukcje\n}",
        'example' => "<?php\nif (\$a > \$b) {\n    echo \"a jest większe od b\";\n} elseif (\$a == \$b) {\n    echo \"a jest równe b\";\n} else {\n    echo \"a jest mniejsze od b\";\n}\n?>",
        'see' => ['control-structures.html', 'control-structures.else.html', 'control-structures.switch.html'],
        'online' => 'control-structures.elseif.php',
    ],
    [
        'file' => 'control-structures.while.html',
        'summary' => 'pętla z warunkiem sprawdzanym na początku',
        'word' => 'while',
        'title' => 'while',
        'text' => '<p>Pętla <code>while</code> powtarza instrukcje, dopóki wyrażenie ma wartość'
            . ' <code>true</code>. Warunek jest sprawdzany przed każdym przebiegiem, więc gdy od'
            . ' początku jest fałszywy, instrukcje nie wykonają się ani razu. Pętla musi'
            . ' zmieniać coś, od czego zależy warunek, inaczej nigdy się nie skończy.</p>',
        'syntax' => "while (wyrażenie) {\n    instrukcje\n}",
        'example' => "<?php\n\$i = 1;\nwhile (\$i <= 10) {\n    echo \$i, \"<br>\";\n    \$i++;\n}\n?>",
        'see' => ['control-structures.do.while.html', 'control-structures.for.html', 'control-structures.break.html'],
        'online' => 'control-structures.while.php',
    ],
    [
        'file' => 'control-structures.do.while.html',
        'summary' => 'pętla z warunkiem sprawdzanym na końcu',
        'word' => 'do',
        'title' => 'do-while',
        'text' => '<p>Pętla <code>do-while</code> sprawdza warunek po każdym przebiegu, a nie przed'
            . ' nim, więc jej instrukcje wykonują się co najmniej raz. Po <code>while (...)</code>'
            . ' stoi średnik.</p>',
        'syntax' => "do {\n    instrukcje\n} while (wyrażenie);",
        'example' => "<?php\n\$i = 0;\ndo {\n    echo \$i; // wypisze 0, choć warunek od razu jest fałszywy\n} while (\$i > 0);\n?>",
        'see' => ['control-structures.while.html', 'control-structures.for.html'],
        'online' => 'control-structures.do.while.php',
    ],
    [
        'file' => 'control-structures.for.html',
        'summary' => 'pętla z licznikiem',
        'word' => 'for',
        'title' => 'for',
        'text' => '<p>Pętla <code>for</code> ma trzy wyrażenia oddzielone średnikami. Pierwsze'
            . ' wykonuje się raz, przed pętlą. Drugie jest sprawdzane przed każdym przebiegiem:'
            . ' pętla trwa, dopóki ma ono wartość <code>true</code>. Trzecie wykonuje się po'
            . ' każdym przebiegu.</p>',
        'syntax' => "for (wyrażenie1; wyrażenie2; wyrażenie3) {\n    instrukcje\n}",
        'example' => "<?php\nfor (\$i = 1; \$i <= 10; \$i++) {\n    echo \$i, \"<br>\";\n}\n?>",
        'see' => ['control-structures.foreach.html', 'control-structures.while.html', 'control-structures.break.html', 'control-structures.continue.html'],
        'online' => 'control-structures.for.php',
    ],
    [
        'file' => 'control-structures.foreach.html',
        'summary' => 'pętla po elementach tablicy',
        'word' => 'foreach',
        'title' => 'foreach',
        'text' => '<p>Pętla <code>foreach</code> przechodzi po kolejnych elementach tablicy (albo'
            . ' obiektu, po którym można iterować). W każdym przebiegu zmienna po'
            . ' <code>as</code> dostaje wartość elementu, a w drugiej postaci także jego klucz.'
            . ' Znak <code>&amp;</code> przed zmienną wartości pozwala zmieniać elementy'
            . ' tablicy.</p>',
        'syntax' => "foreach (\$tablica as \$wartosc) {\n    instrukcje\n}\n\nforeach (\$tablica as \$klucz => \$wartosc) {\n    instrukcje\n}",
        'example' => "<?php\n\$ceny = ['chleb' => 4.5, 'mleko' => 3.2];\nforeach (\$ceny as \$towar => \$cena) {\n    echo \"\$towar: \$cena zł<br>\";\n}\n?>",
        'see' => ['control-structures.for.html', 'function.array.html'],
        'online' => 'control-structures.foreach.php',
    ],
    [
        'file' => 'control-structures.break.html',
        'summary' => 'przerwanie pętli albo switch',
        'word' => 'break',
        'title' => 'break',
        'text' => '<p><code>break</code> kończy bieżącą pętlę <code>for</code>,'
            . ' <code>foreach</code>, <code>while</code>, <code>do-while</code> albo instrukcję'
            . ' <code>switch</code>. Opcjonalny argument liczbowy mówi, z ilu zagnieżdżonych'
            . ' struktur wyjść (<code>break 2;</code> kończy dwie).</p>',
        'syntax' => "break;\nbreak liczba;",
        'example' => "<?php\n\$liczby = [3, 8, -1, 5];\nforeach (\$liczby as \$n) {\n    if (\$n < 0) {\n        break; // pierwsza liczba ujemna kończy pętlę\n    }\n    echo \$n, \"<br>\";\n}\n?>",
        'see' => ['control-structures.continue.html', 'control-structures.switch.html'],
        'online' => 'control-structures.break.php',
    ],
    [
        'file' => 'control-structures.continue.html',
        'summary' => 'przejście do następnego przebiegu pętli',
        'word' => 'continue',
        'title' => 'continue',
        'text' => '<p><code>continue</code> pomija resztę bieżącego przebiegu pętli i przechodzi'
            . ' do następnego (w pętli <code>for</code> najpierw wykonuje się trzecie wyrażenie,'
            . ' potem sprawdzany jest warunek). Opcjonalny argument liczbowy mówi, ilu'
            . ' zagnieżdżonych pętli to dotyczy.</p>',
        'syntax' => "continue;\ncontinue liczba;",
        'example' => "<?php\nfor (\$i = 0; \$i < 10; \$i++) {\n    if (\$i % 2 == 0) {\n        continue; // liczby parzyste są pomijane\n    }\n    echo \$i, \"<br>\";\n}\n?>",
        'see' => ['control-structures.break.html', 'control-structures.for.html'],
        'online' => 'control-structures.continue.php',
    ],
    [
        'file' => 'control-structures.switch.html',
        'summary' => 'wybór jednej z wielu gałęzi',
        'word' => 'switch',
        'title' => 'switch',
        'text' => '<p><code>switch</code> porównuje jedno wyrażenie z kolejnymi wartościami'
            . ' <code>case</code> (porównaniem <code>==</code>) i wykonuje instrukcje od'
            . ' pierwszego pasującego <code>case</code> aż do <code>break</code> albo końca'
            . ' instrukcji; bez <code>break</code> wykonanie przechodzi do następnych'
            . ' <code>case</code>. Gałąź <code>default</code> wykonuje się, gdy żaden'
            . ' <code>case</code> nie pasuje.</p>',
        'syntax' => "switch (wyrażenie) {\n    case wartość1:\n        instrukcje\n        break;\n    case wartość2:\n        instrukcje\n        break;\n    default:\n        instrukcje\n}",
        'example' => "<?php\nswitch (\$dzien) {\n    case 6:\n    case 7:\n        echo \"weekend\";\n        break;\n    default:\n        echo \"dzień roboczy\";\n}\n?>",
        'see' => ['control-structures.elseif.html', 'control-structures.break.html'],
        'online' => 'control-structures.switch.php',
    ],
    [
        'file' => 'control-structures.return.html',
        'summary' => 'powrót z funkcji',
        'word' => 'return',
        'title' => 'return',
        'text' => '<p><code>return</code> kończy wykonanie funkcji i zwraca podaną wartość do'
            . ' miejsca wywołania; bez wartości funkcja zwraca <code>null</code>. Poza funkcją,'
            . ' w pliku dołączonym przez <code>include</code> albo <code>require</code>, kończy'
            . ' ten plik, a dołączenie zwraca podaną wartość.</p>',
        'syntax' => "return;\nreturn wyrażenie;",
        'example' => "<?php\nfunction kwadrat(\$x)\n{\n    return \$x * \$x;\n}\necho kwadrat(4); // 16\n?>",
        'see' => ['functions.html', 'function.include.html'],
        'online' => 'function.return.php',
    ],
    [
        'file' => 'function.require.html',
        'summary' => 'dołączenie pliku niezbędnego',
        'word' => 'require',
        'title' => 'require',
        'text' => '<p><code>require</code> dołącza i wykonuje wskazany plik, tak jak'
            . ' <code>include</code>. Różnica jest jedna: gdy pliku nie ma albo nie da się go'
            . ' odczytać, <code>require</code> zgłasza błąd krytyczny i skrypt się kończy, a'
            . ' <code>include</code> tylko ostrzega. Używaj <code>require</code> dla plików, bez'
            . ' których strona nie może działać (konfiguracja, biblioteki).</p>',
        'syntax' => "require 'plik.php';",
        'example' => "<?php\nrequire 'konfiguracja.php';\nrequire_once 'biblioteka.php';\n?>",
        'see' => ['function.include.html', 'function.require-once.html'],
        'online' => 'function.require.php',
    ],
    [
        'file' => 'function.include.html',
        'summary' => 'dołączenie pliku',
        'word' => 'include',
        'title' => 'include',
        'text' => '<p><code>include</code> dołącza i wykonuje wskazany plik. Zmienne widoczne w'
            . ' miejscu dołączenia są widoczne w dołączonym pliku, a zmienne ustawione w nim'
            . ' zostają potem dostępne. Plik jest szukany według ustawienia'
            . ' <code>include_path</code>, potem w katalogu skryptu. Gdy pliku nie ma,'
            . ' <code>include</code> zgłasza ostrzeżenie i skrypt działa dalej.</p>',
        'syntax' => "include 'plik.php';",
        'example' => "<?php\n// naglowek.php zawiera: <?php \$tytul = 'Strona główna'; ?>\ninclude 'naglowek.php';\necho \$tytul;\n?>",
        'see' => ['function.require.html', 'function.include-once.html'],
        'online' => 'function.include.php',
    ],
    [
        'file' => 'function.include-once.html',
        'summary' => 'dołączenie pliku jeden raz',
        'word' => 'include_once',
        'title' => 'include_once',
        'text' => '<p><code>include_once</code> działa jak <code>include</code>, ale plik, który'
            . ' już raz został dołączony, nie jest dołączany ponownie. Chroni to przed'
            . ' powtórną definicją funkcji i klas.</p>',
        'syntax' => "include_once 'plik.php';",
        'example' => "<?php\ninclude_once 'funkcje.php';\ninclude_once 'funkcje.php'; // nie dołącza drugi raz\n?>",
        'see' => ['function.include.html', 'function.require-once.html'],
        'online' => 'function.include-once.php',
    ],
    [
        'file' => 'function.require-once.html',
        'summary' => 'dołączenie pliku niezbędnego jeden raz',
        'word' => 'require_once',
        'title' => 'require_once',
        'text' => '<p><code>require_once</code> działa jak <code>require</code>, ale plik, który'
            . ' już raz został dołączony, nie jest dołączany ponownie.</p>',
        'syntax' => "require_once 'plik.php';",
        'example' => "<?php\nrequire_once 'biblioteka.php';\n?>",
        'see' => ['function.require.html', 'function.include-once.html'],
        'online' => 'function.require-once.php',
    ],
    [
        'file' => 'functions.html',
        'summary' => 'definiowanie własnych funkcji',
        'word' => 'function',
        'title' => 'Funkcje użytkownika',
        'text' => '<p>Własną funkcję definiuje słowo <code>function</code>, nazwa, lista'
            . ' parametrów w nawiasach i treść w nawiasach klamrowych. Parametry mogą mieć'
            . ' deklaracje typów i wartości domyślne (parametry z wartościami domyślnymi stoją'
            . ' na końcu listy). Znak <code>&amp;</code> przed parametrem przekazuje argument'
            . ' przez referencję, a <code>...</code> zbiera dowolną liczbę argumentów w tablicę.'
            . ' Wartość zwraca instrukcja <code>return</code>. Nazwy funkcji nie rozróżniają'
            . ' wielkości liter.</p>'
            . '<p>Funkcje wbudowane w PHP są opisane w części <a href="funcref.html">Funkcje</a>.</p>',
        'syntax' => "function nazwa(\$parametr1, \$parametr2 = wartość)\n{\n    instrukcje\n    return wynik;\n}",
        'example' => "<?php\nfunction powitanie(string \$imie, string \$slowo = 'Dzień dobry'): string\n{\n    return \"\$slowo, \$imie!\";\n}\n\necho powitanie('Anna');          // Dzień dobry, Anna!\necho powitanie('Jan', 'Cześć'); // Cześć, Jan!\n?>",
        'see' => ['control-structures.return.html', 'oop.html'],
        'online' => 'functions.user-defined.php',
    ],
    [
        'file' => 'oop.html',
        'summary' => 'klasy i obiekty',
        'word' => 'class',
        'title' => 'Klasy i obiekty',
        'text' => '<p>Klasa (słowo <code>class</code>) opisuje dane (właściwości) i działania'
            . ' (metody) obiektów. Obiekt tworzy operator <code>new</code>; do jego składowych'
            . ' sięga się przez <code>-&gt;</code>, a wewnątrz metod obiekt jest dostępny jako'
            . ' <code>$this</code>. Metoda <code>__construct</code> wykonuje się przy tworzeniu'
            . ' obiektu. <code>extends</code> tworzy klasę pochodną, która dziedziczy składowe'
            . ' klasy bazowej. Słowa <code>public</code>, <code>protected</code> i'
            . ' <code>private</code> określają, skąd składowa jest dostępna.</p>',
        'syntax' => "class Nazwa extends KlasaBazowa\n{\n    public \$wlasciwosc;\n\n    public function metoda()\n    {\n        instrukcje\n    }\n}",
        'example' => "<?php\nclass Licznik\n{\n    private \$wartosc = 0;\n\n    public function __construct(\$start)\n    {\n        \$this->wartosc = \$start;\n    }\n\n    public function zwieksz()\n    {\n        \$this->wartosc++;\n        return \$this->wartosc;\n    }\n}\n\n\$licznik = new Licznik(10);\n\$licznik->zwieksz();\necho \$licznik->zwieksz(); // 12\n?>",
        'see' => ['functions.html', 'ref.classobj.html'],
        'online' => 'language.oop5.php',
    ],
    [
        'file' => 'function.echo.html',
        'summary' => 'wypisanie tekstu',
        'word' => 'echo',
        'title' => 'echo',
        'text' => '<p><code>echo</code> wypisuje jeden albo więcej napisów. To konstrukcja'
            . ' języka, nie funkcja: nawiasy nie są potrzebne, a kolejne argumenty oddziela się'
            . ' przecinkami. <code>echo</code> nic nie zwraca. Zapis'
            . ' <code>&lt;?= $x ?&gt;</code> działa jak <code>&lt;?php echo $x; ?&gt;</code>.</p>',
        'syntax' => "echo wyrażenie1, wyrażenie2;",
        'example' => "<?php\n\$imie = 'Anna';\necho \"Witaj, \$imie!\", \"<br>\";\n?>\n<p>Dziś jest <?= date('d.m.Y') ?></p>",
        'see' => ['function.print.html'],
        'online' => 'function.echo.php',
    ],
    [
        'file' => 'function.print.html',
        'summary' => 'wypisanie jednego napisu',
        'word' => 'print',
        'title' => 'print',
        'text' => '<p><code>print</code> wypisuje jeden napis. W odróżnieniu od'
            . ' <code>echo</code> przyjmuje tylko jeden argument i zawsze zwraca 1, więc może'
            . ' być częścią wyrażenia.</p>',
        'syntax' => "print wyrażenie;",
        'example' => "<?php\nprint \"Witaj!\";\n\$ok = print \"Zapisano.\"; // \$ok ma wartość 1\n?>",
        'see' => ['function.echo.html'],
        'online' => 'function.print.php',
    ],
    [
        'file' => 'function.isset.html',
        'summary' => 'czy zmienna jest ustawiona',
        'word' => 'isset',
        'title' => 'isset',
        'text' => '<p><code>isset</code> sprawdza, czy zmienna (element tablicy, właściwość'
            . ' obiektu) istnieje i nie ma wartości <code>null</code>. Przy kilku argumentach'
            . ' zwraca <code>true</code> tylko wtedy, gdy wszystkie są ustawione. Dla'
            . ' nieistniejącej zmiennej nie zgłasza ostrzeżenia, dlatego służy do sprawdzania'
            . ' danych z formularza.</p>',
        'syntax' => "isset(\$zmienna1, \$zmienna2): bool",
        'example' => "<?php\nif (isset(\$_GET['id'])) {\n    \$id = (int) \$_GET['id'];\n} else {\n    \$id = 0;\n}\n?>",
        'see' => ['function.empty.html', 'function.unset.html'],
        'online' => 'function.isset.php',
    ],
    [
        'file' => 'function.unset.html',
        'summary' => 'usunięcie zmiennej',
        'word' => 'unset',
        'title' => 'unset',
        'text' => '<p><code>unset</code> usuwa zmienną, element tablicy albo właściwość'
            . ' obiektu. Po usunięciu <code>isset</code> zwraca dla niej <code>false</code>.</p>',
        'syntax' => "unset(\$zmienna1, \$zmienna2);",
        'example' => "<?php\n\$koszyk = ['chleb' => 1, 'mleko' => 2];\nunset(\$koszyk['mleko']);\nprint_r(\$koszyk); // Array ( [chleb] => 1 )\n?>",
        'see' => ['function.isset.html'],
        'online' => 'function.unset.php',
    ],
    [
        'file' => 'function.empty.html',
        'summary' => 'czy zmienna jest pusta',
        'word' => 'empty',
        'title' => 'empty',
        'text' => '<p><code>empty</code> zwraca <code>true</code>, gdy zmienna nie istnieje albo'
            . ' ma wartość uznawaną za fałsz: pusty napis, <code>"0"</code>, 0, 0.0,'
            . ' <code>null</code>, <code>false</code> albo pustą tablicę. Dla nieistniejącej'
            . ' zmiennej nie zgłasza ostrzeżenia.</p>',
        'syntax' => "empty(\$zmienna): bool",
        'example' => "<?php\nif (empty(\$_POST['nazwisko'])) {\n    echo \"Podaj nazwisko.\";\n}\n?>",
        'see' => ['function.isset.html'],
        'online' => 'function.empty.php',
    ],
    [
        'file' => 'function.array.html',
        'summary' => 'utworzenie tablicy',
        'word' => 'array',
        'title' => 'array',
        'text' => '<p><code>array()</code> tworzy tablicę z podanych elementów. Klucz elementu'
            . ' podaje się operatorem <code>=&gt;</code>; elementy bez klucza dostają kolejne'
            . ' liczby od 0. Krótszy zapis tego samego to nawiasy kwadratowe'
            . ' <code>[...]</code>.</p>'
            . '<p>Funkcje działające na tablicach opisuje grupa <a href="ref.array.html">Tablice</a>.</p>',
        'syntax' => "array(wartość1, wartość2)\narray(klucz1 => wartość1, klucz2 => wartość2)",
        'example' => "<?php\n\$kolory = array('czerwony', 'zielony');\n\$osoba = ['imie' => 'Anna', 'wiek' => 30];\necho \$kolory[1], ' ', \$osoba['imie']; // zielony Anna\n?>",
        'see' => ['function.list.html', 'control-structures.foreach.html', 'ref.array.html'],
        'online' => 'function.array.php',
    ],
    [
        'file' => 'function.list.html',
        'summary' => 'przypisanie elementów tablicy zmiennym',
        'word' => 'list',
        'title' => 'list',
        'text' => '<p><code>list()</code> przypisuje elementy tablicy kilku zmiennym naraz.'
            . ' Krótszy zapis tego samego to nawiasy kwadratowe po lewej stronie'
            . ' przypisania.</p>',
        'syntax' => "list(\$zmienna1, \$zmienna2) = \$tablica;",
        'example' => "<?php\n\$dane = ['Anna', 'Kowalska'];\nlist(\$imie, \$nazwisko) = \$dane;\n[\$imie, \$nazwisko] = \$dane; // to samo\n?>",
        'see' => ['function.array.html'],
        'online' => 'function.list.php',
    ],
    [
        'file' => 'function.exit.html',
        'summary' => 'zakończenie skryptu',
        'word' => 'exit',
        'title' => 'exit',
        'text' => '<p><code>exit</code> kończy skrypt. Argument napisowy zostaje wypisany przed'
            . ' zakończeniem, a liczbowy (od 0 do 254) staje się kodem wyjścia. Funkcje'
            . ' zarejestrowane przez <code>register_shutdown_function</code> wykonują się'
            . ' mimo to.</p>',
        'syntax' => "exit;\nexit(napis);\nexit(liczba);",
        'example' => "<?php\nif (!isset(\$_SESSION['uzytkownik'])) {\n    header('Location: logowanie.php');\n    exit;\n}\n?>",
        'see' => ['function.die.html'],
        'online' => 'function.exit.php',
    ],
    [
        'file' => 'function.die.html',
        'summary' => 'zakończenie skryptu z komunikatem',
        'word' => 'die',
        'title' => 'die',
        'text' => '<p><code>die</code> to inna nazwa <code>exit</code>: kończy skrypt, a podany'
            . ' napis wypisuje przed zakończeniem.</p>',
        'syntax' => "die(napis);",
        'example' => "<?php\n\$plik = fopen('dane.txt', 'r') or die('Nie można otworzyć pliku dane.txt');\n?>",
        'see' => ['function.exit.html'],
        'online' => 'function.die.php',
    ],
    [
        'file' => 'function.eval.html',
        'summary' => 'wykonanie napisu jako kodu',
        'word' => 'eval',
        'title' => 'eval',
        'text' => '<p><code>eval</code> wykonuje napis jako kod PHP (bez otwierającego'
            . ' <code>&lt;?php</code>). Nigdy nie przekazuj do <code>eval</code> danych od'
            . ' użytkownika: wykonałyby się jako kod na serwerze.</p>',
        'syntax' => "eval(kod);",
        'example' => "<?php\n\$kod = 'return 2 + 3;';\necho eval(\$kod); // 5\n?>",
        'see' => ['functions.html'],
        'online' => 'function.eval.php',
    ],
];
