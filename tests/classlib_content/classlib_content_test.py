#!/usr/bin/python3
"""Checks the delivered class library.

- the catalogue data/classes/class.cls and any class init file (.acls), read by position;
- the class button pictures (BMP) and the class wizard's page pictures (baseline JPEG);
- the zkPHP templates: encoding, line ends, their parameter blocks as the preprocessing panel
  reads them, and the chain of attachments that template insertion copies;
- php -l on every PHP file of zklib/;
- every class included from a page the way an inserted template is (the template and its
  attachments copied into a project directory, the object lines generated from the default
  parameters), run under the command-line PHP with all errors shown.

Usage: classlib_content_test.py PROGRAM_DIR. Exits 77 (skipped) when php is missing.
"""

import email
import email.header
import email.policy
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import time
import unittest
from pathlib import Path

SKIP = 77
PROGRAM = Path(__file__).resolve().parents[2] / 'program'
PHP = shutil.which('php')

# ---------------------------------------------------------------------------------------------
# Reading the delivered files the way the program reads them.

CATALOGUE_COMMENTS = {
    1: '// Plik klas, modyfikować tylko w ostateczności',
    2: '// Więcej informacji o budowie tego pliku można znaleźć w pomocy',
    3: '// Lokalizacja pliku',
    5: '// Wersja klas: 1.0 z 1.03.2000',
    6: '// Liczba zakładek:',
}
TAB_COMMENTS = ['// Nazwa zakładki:', '// Liczna klas na zakładce:', '// Dane klas (Nazwa/plik/ikona)']
END_COMMENT = '// Koniec pliku (Poniżej można wstawiać komentarze)'
ACLS_COMMENTS = {1: '// Plik inincjujący klasy', 2: '// Nazwa:', 4: '// Zakładka:', 6: '// Plik:',
                 8: '// Ikona:', 10: '// Typ:'}
TYPE_WORDS = ('zwykły', 'załącznik')
POLISH_LETTERS = set('ąćęłńóśźżĄĆĘŁŃÓŚŹŻ')


def crlf_lines(path):
    """Lines of a CR LF text file in Windows-1250; fails on a bare CR or LF."""
    data = path.read_bytes()
    body = data[:-2] if data.endswith(b'\r\n') else data
    raw = body.split(b'\r\n')
    for number, line in enumerate(raw, 1):
        if b'\r' in line or b'\n' in line:
            raise AssertionError(f'{path}: line {number} does not end with CR LF')
    return [line.decode('cp1250') for line in raw]


def program_file(relative):
    """A catalogue path (backslashes, relative to the program directory) as a path here."""
    return PROGRAM.joinpath(*relative.split('\\'))


def type_word(word):
    # Only ASCII letters are folded, as the program compares.
    folded = ''.join(c.lower() if c.isascii() else c for c in word)
    return 1 if folded == 'załącznik' else 0


def read_catalogue(path):
    """The tabs of class.cls: [(tab name, [(name, template, picture, type word)])]."""
    lines = crlf_lines(path)
    for number, text in CATALOGUE_COMMENTS.items():
        assert lines[number - 1] == text, f'line {number}: {lines[number - 1]!r}'
    pos = 6
    tab_count = int(lines[pos])
    pos += 1
    tabs = []
    for _ in range(tab_count):
        assert lines[pos] == TAB_COMMENTS[0], f'line {pos + 1}: {lines[pos]!r}'
        name = lines[pos + 1]
        assert lines[pos + 2] == TAB_COMMENTS[1], f'line {pos + 3}: {lines[pos + 2]!r}'
        count = int(lines[pos + 3])
        assert lines[pos + 4] == TAB_COMMENTS[2], f'line {pos + 5}: {lines[pos + 4]!r}'
        pos += 5
        classes = []
        for _ in range(count):
            classes.append(tuple(lines[pos:pos + 4]))
            pos += 4
        tabs.append((name, classes))
    assert lines[pos] == END_COMMENT, f'line {pos + 1}: {lines[pos]!r}'
    return tabs


def read_acls(path):
    lines = crlf_lines(path)
    assert len(lines) >= 11, f'{path}: {len(lines)} lines'
    for number, text in ACLS_COMMENTS.items():
        assert lines[number - 1] == text, f'{path} line {number}: {lines[number - 1]!r}'
    return {'name': lines[2], 'tab': lines[4], 'template': lines[6], 'picture': lines[8], 'type': lines[10]}


def has(line, tag):
    """Tag test of the preprocessing panel: anywhere in the line, ASCII case ignored."""
    return tag.lower().encode() in line.lower()


def between(line, first=b'(', last=b')'):
    """Text between the first `first` and the next `last`, ASCII letters lower-cased."""
    start = line.find(first)
    if start < 0:
        return b''
    end = line.find(last, start + 1)
    return b'' if end < 0 else line[start + 1:end].lower()


def attachment_names(path):
    """Attachment names of a file: "#zkfile" lines among its first 101 lines."""
    lines = path.read_bytes().split(b'\n')[:101]
    return [between(line).decode('cp1250').strip('\r') for line in lines if has(line, '#zkfile')]


def attachment_chain(template):
    """Files that inserting the template copies, in order, as (level, name): three levels,
    every name looked up in the template's folder."""
    folder = template.parent
    chain = []

    def follow(path, level):
        for name in attachment_names(path):
            chain.append((level, name))
            if level < 3 and (folder / name).is_file():
                follow(folder / name, level + 1)

    follow(template, 1)
    return chain


class Row:
    def __init__(self):
        self.kind = 0
        self.min = self.max = self.value = self.max_length = 0
        self.text = b''
        self.items = []
        self.label = b''
        self.name = None
        self.kinds = set()


def parse_template(path):
    """Class names and the parameter rows of the first class, as the preprocessing panel
    builds them; None for a file without class tags."""
    lines = [line.rstrip(b'\r') for line in path.read_bytes().split(b'\n')]
    if not any(has(line, '#zkPHP') for line in lines):
        return None
    classes = []
    for index in range(1, len(lines)):
        if has(lines[index], '#zkClassBegin'):
            name = next((between(line) for line in lines[index:] if has(line, '#zkClassName')), b'')
            classes.append((name, index))
    rows = []
    if classes:
        start = classes[0][1]
        end = next((i for i in range(start, len(lines)) if has(lines[i], '#zkClassEnd')), len(lines))
        index = start
        while index < end:
            if not has(lines[index], '#zkPHPBegin'):
                index += 1
                continue
            row = Row()
            closed = False
            while index < len(lines):
                line = lines[index]
                index += 1
                if has(line, '#zkPHPEnd'):
                    closed = True
                    break
                if has(line, '#zkText'):
                    row.label = between(line)
                if has(line, '#zkName'):
                    row.name = between(line)
                for tag, kind in (('#zkInt', 0), ('#zkString', 1), ('#zkItems', 3)):
                    if has(line, tag):
                        row.kind = kind
                        row.kinds.add(kind)
                if row.kind == 0:
                    if has(line, '#zkIntMinMax'):
                        row.min = int(between(line, b'(', b','))
                        row.max = int(between(line, b',', b')'))
                    if has(line, '#zkIntValue'):
                        row.value = int(between(line))
                elif row.kind == 1:
                    if has(line, '#zkStringText'):
                        row.text = between(line)
                    if has(line, '#zkStringLeng'):
                        row.max_length = int(between(line))
                elif row.kind == 3 and has(line, '#zkItem'):
                    row.items.append(between(line))
            if not closed:
                break
            rows.append(row)
    return [name for name, _ in classes], rows


def default_value(row):
    """The value the row's input holds when the panel opens, as written into the page."""
    if row.kind == 0:
        value = row.value
        if row.min and value < row.min:
            value = row.min
        if row.max and value > row.max:
            value = row.max
        return str(value).encode()
    if row.kind == 1:
        return b"'" + row.text + b"'"
    return next(item for item in row.items if item)


# ---------------------------------------------------------------------------------------------
# Catalogue, pictures and templates.

def catalogue_entries():
    return [entry for _, classes in read_catalogue(PROGRAM / 'data' / 'classes' / 'class.cls')
            for entry in classes]


def bmp_size(data):
    assert data[:2] == b'BM', 'no "BM" header'
    file_size, offset, header_size, width, height, planes, bits, compression = struct.unpack_from(
        '<I4xIIiiHHI', data, 2)
    assert file_size == len(data), f'header says {file_size} bytes, file has {len(data)}'
    assert header_size >= 40 and planes == 1, 'not a Windows bitmap header'
    assert bits in (1, 4, 8, 24, 32) and compression == 0, f'{bits} bits, compression {compression}'
    row = (width * bits + 31) // 32 * 4
    assert offset + row * abs(height) <= len(data), 'pixel data cut short'
    return width, abs(height)


def jpeg_frame(data):
    """(SOF marker, width, height) of a JPEG file; walks its segments up to the scan."""
    assert data[:2] == b'\xff\xd8' and data[-2:] == b'\xff\xd9', 'not a complete JPEG file'
    pos = 2
    frame = None
    while pos < len(data):
        assert data[pos] == 0xFF, f'bad segment at {pos}'
        marker = data[pos + 1]
        length = struct.unpack_from('>H', data, pos + 2)[0]
        if 0xC0 <= marker <= 0xCF and marker not in (0xC4, 0xC8, 0xCC):
            height, width = struct.unpack_from('>HH', data, pos + 5)
            frame = (marker, width, height)
        if marker == 0xDA:
            break
        pos += 2 + length
    assert frame is not None, 'no frame header'
    return frame


class CatalogueTest(unittest.TestCase):
    def test_catalogue_lists_existing_templates_and_pictures(self):
        tabs = read_catalogue(PROGRAM / 'data' / 'classes' / 'class.cls')
        self.assertGreaterEqual(len(tabs), 2)
        names = []
        for tab, classes in tabs:
            self.assertTrue(tab.strip(), 'empty tab name')
            self.assertTrue(1 <= len(classes) <= 255, tab)
            for name, template, picture, word in classes:
                with self.subTest(tab=tab, name=name):
                    names.append(name)
                    self.assertRegex(name, r'^[a-z0-9_]+$', 'a class name is also its folder name')
                    self.assertIn(word, TYPE_WORDS)
                    self.assertEqual(type_word(word), 0 if word == 'zwykły' else 1)
                    # The layout the add-class dialog gives: zklib\name\file, data\classes\name\file.
                    self.assertRegex(template, r'^zklib\\' + name + r'\\[a-z0-9_.]+$')
                    self.assertRegex(picture, r'^data\\classes\\' + name + r'\\[a-z0-9_.]+\.bmp$')
                    self.assertTrue(program_file(template).is_file(), template)
                    self.assertTrue(program_file(picture).is_file(), picture)
        self.assertEqual(len(names), len(set(names)), 'a class listed twice')
        self.assertGreaterEqual(len(names), 6)

    def test_class_init_files(self):
        for path in sorted(PROGRAM.rglob('*.acls')):
            with self.subTest(path=str(path)):
                acls = read_acls(path)
                self.assertIn(acls['type'], TYPE_WORDS)
                self.assertTrue((path.parent / acls['template']).is_file(), acls['template'])
                bmp_size((path.parent / acls['picture']).read_bytes())

    def test_class_pictures_are_small_bitmaps(self):
        for name, _, picture, _ in catalogue_entries():
            with self.subTest(name=name):
                width, height = bmp_size(program_file(picture).read_bytes())
                self.assertTrue(0 < width <= 30 and 0 < height <= 30, (width, height))

    def test_wizard_pages_are_baseline_jpeg(self):
        folder = PROGRAM / 'data' / 'classes' / 'wizard'
        for number in range(1, 9):
            with self.subTest(page=number):
                marker, width, height = jpeg_frame((folder / f'page{number}.jpg').read_bytes())
                self.assertEqual(marker, 0xC0, 'not a baseline JPEG')
                self.assertEqual((width, height), (160, 300))


class TemplateTest(unittest.TestCase):
    def test_text_files_are_windows1250_with_crlf(self):
        for path in sorted((PROGRAM / 'zklib').rglob('*')):
            if path.suffix not in ('.php', '.css'):
                continue
            with self.subTest(path=str(path.relative_to(PROGRAM))):
                text = '\n'.join(crlf_lines(path))
                odd = sorted({c for c in text if not c.isascii() and c not in POLISH_LETTERS})
                # Anything else would be a sign of UTF-8 read as Windows-1250, and the
                # library converts only the Polish letters to the page's coding.
                self.assertEqual(odd, [])
                self.assertNotIn('<?=', text)
                self.assertNotRegex(text, r'<\?(?!php)', 'short open tag')
                if path.suffix == '.php':
                    # No closing tag anywhere: text after one would be sent before the page's
                    # headers, and one inside a // comment ends the PHP code.
                    self.assertNotIn('?>', text)
                self.assertNotRegex(text, r'\bmysql_[a-z_]+\s*\(', 'old mysql_ functions')

    def test_parameter_blocks(self):
        for name, template, _, _ in catalogue_entries():
            with self.subTest(name=name):
                path = program_file(template)
                parsed = parse_template(path)
                self.assertIsNotNone(parsed, 'no class tags')
                classes, rows = parsed
                self.assertEqual(len(classes), 1)
                self.assertTrue(rows)
                for line in path.read_bytes().split(b'\n'):
                    if b'#zk' in line.lower():
                        self.assertTrue(line.lstrip().startswith(b'//'), f'tag outside a comment: {line!r}')
                names = []
                for row in rows:
                    label = row.label.decode('cp1250')
                    self.assertTrue(label, 'row without a label')
                    # Every block names its property: a missing name would silently reuse the last one.
                    self.assertIsNotNone(row.name, f'{label}: no property name')
                    self.assertRegex(row.name.decode(), r'^[a-z_][a-z0-9_]*$', label)
                    # Exactly one input kind: without a kind tag the row would silently be a number.
                    self.assertEqual(row.kinds, {row.kind}, label)
                    names.append(row.name)
                    if row.kind == 0:
                        self.assertTrue(row.min <= row.value <= row.max, label)
                    elif row.kind == 1:
                        self.assertTrue(0 <= row.max_length <= 255, label)
                        self.assertLessEqual(len(row.text), row.max_length or 255, label)
                        # The text goes between single quotes unescaped.
                        self.assertNotRegex(row.text, rb"['\\]", label)
                    else:
                        self.assertTrue([item for item in row.items if item], label)
                self.assertEqual(len(names), len(set(names)), 'a property set twice')

    def test_attachments_exist_and_are_copied_once(self):
        copies = {}
        for name, template, _, _ in catalogue_entries():
            with self.subTest(name=name):
                path = program_file(template)
                chain = attachment_chain(path)
                names = [attached for _, attached in chain]
                for attached in names:
                    self.assertEqual(attached, attached.lower())
                    self.assertTrue((path.parent / attached).is_file(), f'missing attachment {attached}')
                # A name copied twice would ask the user about overwriting on every insertion.
                self.assertEqual(len(names), len(set(names)), names)
                self.assertNotIn(path.name, names)
                # Files of the folder that insertion would not copy are of no use to the page.
                extra = {p.name for p in path.parent.iterdir()} - set(names) - {path.name}
                self.assertEqual(extra, set(), 'files no attachment line names')
                for attached in names:
                    copies.setdefault(attached, []).append(path.parent / attached)
        # Attachments are looked up beside each template, so shared files have a copy per class.
        for attached, paths in copies.items():
            with self.subTest(shared=attached):
                first = paths[0].read_bytes()
                for other in paths[1:]:
                    self.assertEqual(other.read_bytes(), first, f'{other} differs from {paths[0]}')

    def test_two_level_chain(self):
        deepest = max(level for entry in catalogue_entries()
                      for level, _ in attachment_chain(program_file(entry[1])))
        self.assertGreaterEqual(deepest, 2)

    def test_php_lint(self):
        for path in sorted((PROGRAM / 'zklib').rglob('*.php')):
            with self.subTest(path=str(path.relative_to(PROGRAM))):
                result = subprocess.run([PHP, '-l', str(path)], capture_output=True)
                self.assertEqual(result.returncode, 0, result.stdout + result.stderr)


# ---------------------------------------------------------------------------------------------
# Running the classes.

def scenario(cls, title, after='$new->pokaz();', params=None, before='', expect=(), absent=(),
             order=(), stderr=None, coding='cp1250', runs=1, files=None, mail=None, sendmail=True,
             check_files=None):
    return dict(cls=cls, title=title, after=after, params=params or {}, before=before, expect=expect,
                absent=absent, order=order, stderr=stderr, coding=coding, runs=runs, files=files or {},
                mail=mail, sendmail=sendmail, check_files=check_files or {})


def post(fields):
    return "$_SERVER['REQUEST_METHOD'] = 'POST';\n$_POST = " + fields + ";"


TABLE_25 = r"""
$new->wykonaj('CREATE TABLE produkty (id INTEGER PRIMARY KEY, nazwa TEXT, cena REAL, kategoria TEXT)');
for ($i = 1; $i <= 25; $i++) {
    $nazwa = $i === 15 ? '<script>alert(1)</script>' : "Towar $i";
    $new->wykonaj('INSERT INTO produkty (id, nazwa, cena, kategoria) VALUES (?, ?, ?, ?)',
        [$i, $nazwa, $i * 1.5, $i % 2 ? 'nieparzyste' : 'parzyste']);
}
"""
GUESTBOOK_FORM = "'zk_formularz' => 'zk_ksiega_ksiega_gosci', 'zk_www' => ''"
COUNT_ENTRIES = "\necho 'wpisów: ', $new->wartosc('SELECT COUNT(*) FROM ksiega_gosci'), \"\\n\";"
CONTACT_FORM = "'zk_formularz' => 'zk_kontakt', 'zk_www' => ''"
PICTURES = {'zdjecia/b.jpg': b'b', 'zdjecia/A_plaza.png': b'a', 'zdjecia/x<y> z.gif': b'x',
            'zdjecia/opis.txt': b'-', 'zdjecia/.ukryte.jpg': b'-', 'zdjecia/katalog.jpg/c.jpg': b'-'}
COUNTER_COOKIE = ("$_COOKIE['zk_licznik_' . substr(hash('sha256', __DIR__ . '/inc/licznik.txt'), 0, 12)] = '1';\n")


def decoded_header(value):
    return str(email.header.make_header(email.header.decode_header(value)))


def contact_mail(message):
    """The mail of a contact form sent from 'Jan "Nowak"' <jan@example.com>."""
    assert message['To'] == 'webmaster@localhost', message['To']
    assert decoded_header(message['Subject']) == 'wiadomość ze strony', message['Subject']
    assert decoded_header(message['From']) == 'Formularz kontaktowy <formularz@localhost>', message['From']
    assert decoded_header(message['Reply-To']) == 'Jan "Nowak" <jan@example.com>', message['Reply-To']
    assert message.get_content_charset() == 'windows-1250'
    body = message.get_payload(decode=True).decode('cp1250')
    assert 'Zażółć gęślą jaźń\r\n<b>koniec</b>' in body, body
    assert 'E-mail: jan@example.com' in body, body


def injected_name_mail(message):
    assert 'Bcc' not in message, message.keys()
    assert decoded_header(message['Reply-To']) == 'Jan Bcc: ofiara@example.com <jan@example.com>'


SCENARIOS = [
    scenario('baza', 'zapytania przygotowane i nazwy SQL', after=r"""
$new->wykonaj('CREATE TABLE osoby (id INTEGER NOT NULL PRIMARY KEY, nazwisko VARCHAR(100))');
$new->wykonaj('INSERT INTO osoby (id, nazwisko) VALUES (?, ?)', [1, "<b>O'Brien</b>"]);
$new->wykonaj('INSERT INTO osoby (id, nazwisko) VALUES (:id, :n)', ['id' => 2, 'n' => 'Kowalski']);
echo $new->html($new->wartosc('SELECT nazwisko FROM osoby WHERE id = ?', [1])), "\n";
echo count($new->wiersze('SELECT * FROM osoby')), " wiersze\n";
var_export($new->wiersz('SELECT * FROM osoby WHERE id = ?', [99]));
echo "\n", $new->wykonaj('UPDATE osoby SET nazwisko = ? WHERE id > ?', ['X', 0]), " zmienione\n";
try {
    $new->nazwaSql('osoby; DROP TABLE osoby');
} catch (InvalidArgumentException $e) {
    echo "nazwa odrzucona\n";
}
$cudzyslow = $new->sterownik() === 'mysql' ? '`' : '"';
echo $new->nazwaSql('osoby') === $cudzyslow . 'osoby' . $cudzyslow ? 'nazwa w cudzysłowie' : 'zły cudzysłów', "\n";
$new->pokaz();
""", expect=['&lt;b&gt;O&#039;Brien&lt;/b&gt;', '2 wiersze', 'NULL', '2 zmienione', 'nazwa odrzucona',
             'nazwa w cudzysłowie']),

    scenario('tabela', 'pusta tabela', after="""
$new->wykonaj('CREATE TABLE produkty (id INTEGER PRIMARY KEY, nazwa TEXT)');
$new->pokaz();""", expect=['<p class="zk-info">Brak danych do wyświetlenia.</p>']),
    scenario('tabela', 'druga strona, inne parametry adresu zostają',
             params={'na_stronie': '10', 'kolumny': "'nazwa,cena'", 'naglowki': "'Towar'"},
             after=TABLE_25 + "$_GET = ['kat' => 'a&b', 'strona' => '2'];\n$new->pokaz();",
             expect=['<th>Towar</th><th>cena</th>', '<td>Towar 11</td>', '<td>Towar 20</td>',
                     '<td>&lt;script&gt;alert(1)&lt;/script&gt;</td>', 'Strona 2 z 3',
                     'href="?kat=a%26b&amp;strona=1"', 'href="?kat=a%26b&amp;strona=3"'],
             absent=['<td>Towar 10</td>', '<td>Towar 21</td>', '<script>', '<th>id</th>']),
    scenario('tabela', 'numer strony spoza zakresu', params={'na_stronie': '10'},
             after=TABLE_25 + "$_GET['strona'] = '999';\n$new->pokaz();\n"
                              "$_GET['strona'] = ['1'];\n$new->pokaz();\n$_GET['strona'] = '-2';\n$new->pokaz();",
             expect=['Strona 3 z 3</p>', 'Strona 1 z 3 <a', '<td>Towar 25</td>']),
    scenario('tabela', 'filtr i sortowanie malejąco',
             params={'kierunek': "'desc'", 'kolumny': "'id, nazwa'", 'na_stronie': '5'},
             after=TABLE_25 + "$new->filtr = ['kategoria' => 'parzyste'];\n$new->pokaz();",
             order=['<td>24</td>', '<td>22</td>', '<td>16</td>'],
             expect=['Strona 1 z 3'], absent=['<td>25</td>', '<td>14</td>']),
    scenario('tabela', 'nazwa tabeli z doklejonym SQL',
             params={'nazwa_tabeli': "'produkty; DROP TABLE produkty'"},
             after=TABLE_25 + "$new->pokaz();\necho 'zostało: ', $new->wartosc('SELECT COUNT(*) FROM produkty');",
             expect=['<p class="zk-blad">Wystąpił błąd. Spróbuj ponownie później.</p>', 'zostało: 25'],
             absent=['InvalidArgumentException'], stderr='Niedozwolona nazwa'),
    scenario('tabela', 'szczegóły błędu na życzenie',
             params={'kolumny': "'nazwa, (SELECT 1)'", 'pokaz_bledy': 'true'},
             after=TABLE_25 + "$new->pokaz();",
             expect=['InvalidArgumentException: Niedozwolona nazwa kolumny: (SELECT 1)'], stderr='Niedozwolona'),

    scenario('ksiegagosci', 'pusta księga',
             expect=['<h2>księga gości</h2>', 'Księga nie ma jeszcze wpisów. Bądź pierwszy!',
                     'name="zk_formularz" value="zk_ksiega_ksiega_gosci"', 'maxlength="1000"']),
    scenario('ksiegagosci', 'poprawny wpis',
             before=post("[" + GUESTBOOK_FORM + ", 'autor' => ' <Jan> ', "
                         "'tresc' => \"Dzień dobry\\r\\n<i>drugi</i> wiersz\"]"),
             after='$new->pokaz();' + COUNT_ENTRIES,
             expect=['<p class="zk-info">Dziękujemy za wpis.</p>', '<strong>&lt;Jan&gt;</strong>',
                     '<p>Dzień dobry<br>\n&lt;i&gt;drugi&lt;/i&gt; wiersz</p>', 'wpisów: 1'],
             absent=['<i>drugi']),
    scenario('ksiegagosci', 'wpis automatu w polu-pułapce',
             before=post("['zk_formularz' => 'zk_ksiega_ksiega_gosci', 'zk_www' => 'http://spam.example', "
                         "'autor' => 'Bot', 'tresc' => 'Reklama']"),
             after='$new->pokaz();' + COUNT_ENTRIES,
             expect=['Dziękujemy za wpis.', 'wpisów: 0']),
    scenario('ksiegagosci', 'błędy wpisu i pola odesłane do poprawy', params={'max_dlugosc': '10'},
             before=post("[" + GUESTBOOK_FORM + ", 'autor' => '', 'tresc' => 'abcdefghij\"<']"),
             after='$new->pokaz();' + COUNT_ENTRIES,
             expect=['Podpisz wpis.<br>Wpis jest za długi (najwyżej 10 znaków).',
                     '>abcdefghij&quot;&lt;</textarea>', 'wpisów: 0']),
    scenario('ksiegagosci', 'pole formularza jako tablica',
             before=post("[" + GUESTBOOK_FORM + ", 'autor' => ['x'], 'tresc' => 'abc']"),
             after='$new->pokaz();' + COUNT_ENTRIES,
             expect=['Podpisz wpis.', 'wpisów: 0']),
    scenario('ksiegagosci', 'inny formularz na tej samej stronie',
             before=post("['zk_formularz' => 'zk_kontakt', 'autor' => 'Jan', 'tresc' => 'abc']"),
             after='$new->pokaz();' + COUNT_ENTRIES,
             expect=['wpisów: 0'], absent=['Dziękujemy', 'zk-blad']),
    scenario('ksiegagosci', 'strona w UTF-8', params={'kodowanie': "'utf-8'"}, coding='utf-8',
             before=post("[" + GUESTBOOK_FORM + ", 'autor' => 'Zażółć', 'tresc' => 'gęślą jaźń']"),
             expect=['<h2>księga gości</h2>', 'Dziękujemy za wpis.', '<strong>Zażółć</strong>', '<p>gęślą jaźń</p>']),
    scenario('ksiegagosci', 'niepoprawny UTF-8', params={'kodowanie': "'utf-8'"}, coding='utf-8',
             before=post("[" + GUESTBOOK_FORM + ", 'autor' => \"Jan\\xff\", 'tresc' => 'abc']"),
             after='$new->pokaz();' + COUNT_ENTRIES,
             expect=['Tekst zawiera niedozwolone znaki.', 'wpisów: 0']),
    scenario('ksiegagosci', 'strona ISO-8859-2', params={'kodowanie': "'iso-8859-2'"}, coding='iso-8859-2',
             expect=['Księga nie ma jeszcze wpisów. Bądź pierwszy!', 'Treść wpisu:']),
    scenario('ksiegagosci', 'stronicowanie wpisów', params={'na_stronie': '5'}, after=r"""
$new->utworzTabele();
for ($i = 1; $i <= 12; $i++) {
    $new->dodajWpis("Autor $i", "Treść $i");
}
$_GET['wpisy'] = '3';
$new->pokaz();""", expect=['Strona 3 z 3', '<strong>Autor 2</strong>', '<strong>Autor 1</strong>',
                           'href="?wpisy=2"'],
             order=['<strong>Autor 2</strong>', '<strong>Autor 1</strong>'], absent=['<strong>Autor 3</strong>']),

    scenario('kontakt', 'pusty formularz',
             expect=['Imię i nazwisko:', 'name="zk_formularz" value="zk_kontakt"', 'maxlength="5000"'],
             absent=['zk-blad', 'zk-info']),
    scenario('kontakt', 'wysłana wiadomość',
             before=post("[" + CONTACT_FORM + ", 'imie' => 'Jan \"Nowak\"', 'email' => 'jan@example.com', "
                         "'tresc' => \"Zażółć gęślą jaźń\\n<b>koniec</b>\"]"),
             expect=['<p class="zk-info">Dziękujemy, wiadomość została wysłana.</p>'], absent=['<form'],
             mail=contact_mail),
    scenario('kontakt', 'adres z doklejonym nagłówkiem',
             before=post("[" + CONTACT_FORM + ", 'imie' => 'Jan', "
                         "'email' => \"jan@example.com\\r\\nBcc: ofiara@example.com\", 'tresc' => 'abc']"),
             expect=['Podaj poprawny adres e-mail.', 'value="jan@example.com Bcc: ofiara@example.com"'],
             mail=False),
    scenario('kontakt', 'imię z końcem wiersza',
             before=post("[" + CONTACT_FORM + ", 'imie' => \"Jan\\r\\nBcc: ofiara@example.com\", "
                         "'email' => 'jan@example.com', 'tresc' => 'abc']"),
             expect=['Dziękujemy, wiadomość została wysłana.'], mail=injected_name_mail),
    scenario('kontakt', 'brak imienia i treści',
             before=post("[" + CONTACT_FORM + ", 'imie' => ' ', 'email' => 'jan@example.com', 'tresc' => '']"),
             expect=['Podaj imię i nazwisko.<br>Wpisz treść wiadomości.', 'value="jan@example.com"'], mail=False),
    scenario('kontakt', 'wiadomość automatu w polu-pułapce',
             before=post("['zk_formularz' => 'zk_kontakt', 'zk_www' => 'x', 'imie' => 'Bot', "
                         "'email' => 'bot@example.com', 'tresc' => 'Reklama']"),
             expect=['Dziękujemy, wiadomość została wysłana.'], mail=False),
    scenario('kontakt', 'serwer poczty odmawia', sendmail=False,
             before=post("[" + CONTACT_FORM + ", 'imie' => 'Jan', 'email' => 'jan@example.com', 'tresc' => 'abc']"),
             expect=['Nie udało się wysłać wiadomości. Spróbuj ponownie później.', '>abc</textarea>'],
             stderr=r'mail\(\) nie wysłała'),
    scenario('kontakt', 'zły adres adresata w ustawieniach',
             params={'adresat': "'a@b.pl, ofiara@example.com'"},
             before=post("[" + CONTACT_FORM + ", 'imie' => 'Jan', 'email' => 'jan@example.com', 'tresc' => 'abc']"),
             expect=['Wystąpił błąd.'], mail=False, stderr='Niepoprawny adres adresata'),

    scenario('licznik', 'dwie odwiedziny', runs=2,
             expect=['<span class="zk-licznik">odwiedzin: <span class="zk-liczba">000002</span></span>'],
             check_files={'inc/licznik.txt': b'2'}),
    scenario('licznik', 'powracający odwiedzający', before=COUNTER_COOKIE, files={'inc/licznik.txt': b'41'},
             expect=['<span class="zk-liczba">000041</span>'], check_files={'inc/licznik.txt': b'41'}),
    scenario('licznik', 'każda odwiedzina liczona', params={'unikalne': 'false', 'cyfry': '1'},
             before=COUNTER_COOKIE, files={'inc/licznik.txt': b'41'},
             after='$new->pokaz();\n$new->pokaz();',
             expect=['<span class="zk-liczba">42</span></span><span'], check_files={'inc/licznik.txt': b'42'}),
    scenario('licznik', 'plik nie do zapisu', params={'plik': "'/nie-ma-takiego-katalogu/licznik.txt'"},
             expect=['<p class="zk-blad">Wystąpił błąd. Spróbuj ponownie później.</p>'],
             stderr='Nie można otworzyć pliku licznika'),

    scenario('galeria', 'zdjęcia z katalogu', files=PICTURES,
             expect=['<h2>galeria zdjęć</h2>', 'href="zdjecia/A_plaza.png"', 'alt="A plaza"',
                     'src="zdjecia/x%3Cy%3E%20z.gif" alt="x&lt;y&gt; z" width="160"'],
             order=['A_plaza.png', 'b.jpg', 'x%3Cy%3E'],
             absent=['opis', 'ukryte', 'katalog.jpg', 'zk-strony']),
    scenario('galeria', 'stronicowanie i adres zdjęć', files=PICTURES,
             params={'na_stronie': '2', 'adres': "'/foto/'", 'podpisy': 'false'},
             before="$_GET['galeria'] = '2';",
             expect=['href="/foto/x%3Cy%3E%20z.gif"', 'Strona 2 z 2', 'href="?galeria=1"'],
             absent=['A_plaza', 'zk-podpis']),
    scenario('galeria', 'pusty katalog', files={'zdjecia/opis.txt': b'-'},
             expect=['W galerii nie ma jeszcze zdjęć.']),
    scenario('galeria', 'brak katalogu', expect=['Wystąpił błąd.'], stderr='Nie ma katalogu ze zdjęciami'),
]

PHP_PROBLEM = re.compile(rb'(Warning|Notice|Deprecated|Fatal error|Parse error|Uncaught)\b')


def php_modules():
    return subprocess.run([PHP, '-m'], capture_output=True, text=True).stdout.lower().split()


class MariaDb:
    """A private MariaDB server on a socket in a temporary folder, without networking."""

    def __init__(self):
        self.folder = tempfile.TemporaryDirectory()
        base = Path(self.folder.name)
        self.socket = base / 'sock'
        user = ['--user=root'] if os.geteuid() == 0 else []
        data = ['--no-defaults', f'--datadir={base / "data"}']
        install = subprocess.run(['mariadb-install-db', *data, *user, '--auth-root-authentication-method=normal',
                                  '--skip-test-db'], capture_output=True, timeout=120)
        if install.returncode != 0:
            self.folder.cleanup()
            raise AssertionError(install.stdout + install.stderr)
        self.server = subprocess.Popen(
            ['mariadbd', *data, *user, f'--socket={self.socket}', '--skip-networking',
             f'--pid-file={base / "pid"}', f'--log-error={base / "error.log"}', '--innodb-buffer-pool-size=16M'],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        for _ in range(300):
            if self.socket.exists() or self.server.poll() is not None:
                break
            time.sleep(0.1)
        if not self.socket.exists():
            self.stop()
            raise AssertionError('the MariaDB server did not start')

    def stop(self):
        self.server.terminate()
        try:
            self.server.wait(timeout=30)
        except subprocess.TimeoutExpired:
            self.server.kill()
            self.server.wait()
        self.folder.cleanup()


class RunTest(unittest.TestCase):
    """Each class included from a page in the document root, the way an inserted template is."""

    @classmethod
    def setUpClass(cls):
        if 'pdo_sqlite' not in php_modules():
            raise AssertionError('PHP has no pdo_sqlite: install php-sqlite3 (scripts/debian-packages.txt)')
        cls.templates = {name: program_file(template) for name, template, _, _ in catalogue_entries()}

    def uses_database(self, case):
        return any(row.name == b'dsn' for row in parse_template(self.templates[case['cls']])[1])

    def page(self, root, case, dsn, setup):
        """Copies the template and its attachments into root/inc and writes root/index.php."""
        template = self.templates[case['cls']]
        project = root / 'inc'
        project.mkdir()
        for _, attached in attachment_chain(template):
            shutil.copyfile(template.parent / attached, project / attached)
        shutil.copyfile(template, project / template.name)

        classes, rows = parse_template(template)
        params = dict(case['params'])
        if self.uses_database(case):
            params.setdefault('dsn', dsn(root))
        # The object lines as the panel writes them; the default texts come from the
        # Windows-1250 template, the page is written in its own coding.
        lines = ['$new = new ' + classes[0].decode() + ';']
        for row in rows:
            value = params.pop(row.name.decode(), None)
            if value is None:
                value = default_value(row).decode('cp1250')
            lines.append('$new->' + row.name.decode() + '=' + value + ';')
        self.assertEqual(params, {}, 'parameters the template does not have')

        text = ("<?php require('inc/" + template.name + "'); ?>\r\n<?php\r\n" + setup + case['before'] + '\r\n'
                + '\r\n'.join(lines) + '\r\n' + case['after'] + '\r\n')
        (root / 'index.php').write_bytes(text.encode(case['coding']))
        for name, data in case['files'].items():
            (root / name).parent.mkdir(parents=True, exist_ok=True)
            (root / name).write_bytes(data)

    def run_page(self, root, case):
        mail = root / 'poczta.eml'
        sendmail = f'cat > {mail}' if case['sendmail'] else '/bin/false'
        command = [PHP, '-d', 'error_reporting=-1', '-d', 'display_errors=1', '-d', 'display_startup_errors=1',
                   '-d', 'log_errors=0', '-d', 'html_errors=0', '-d', 'date.timezone=Europe/Warsaw',
                   '-d', f'sendmail_path={sendmail}', 'index.php']
        return subprocess.run(command, cwd=root, capture_output=True, timeout=60), mail

    def run_scenarios(self, cases, dsn, setup=''):
        for case in cases:
            with self.subTest(cls=case['cls'], case=case['title']), \
                    tempfile.TemporaryDirectory() as tmp:
                root = Path(os.path.realpath(tmp))
                self.page(root, case, dsn, setup)
                for _ in range(case['runs']):
                    result, mail = self.run_page(root, case)
                out, err = result.stdout, result.stderr
                report = (out + b'\n--- stderr ---\n' + err).decode(case['coding'], 'replace')
                self.assertEqual(result.returncode, 0, report)
                self.assertIsNone(PHP_PROBLEM.search(out + err), report)
                for text in case['expect']:
                    self.assertIn(text.encode(case['coding']), out, report)
                for text in case['absent']:
                    self.assertNotIn(text.encode(case['coding']), out, report)
                positions = [out.find(text.encode(case['coding'])) for text in case['order']]
                self.assertTrue(all(p >= 0 for p in positions) and positions == sorted(positions),
                                f'order {case["order"]}: {positions}\n{report}')
                if case['stderr']:
                    self.assertRegex(err.decode('cp1250'), case['stderr'])
                else:
                    self.assertEqual(err, b'', report)
                for name, data in case['check_files'].items():
                    self.assertEqual((root / name).read_bytes(), data, name)
                if case['mail'] is False:
                    self.assertFalse(mail.exists(), 'a mail was sent')
                elif case['mail']:
                    case['mail'](email.message_from_bytes(mail.read_bytes(), policy=email.policy.compat32))

    def test_classes_on_sqlite(self):
        self.run_scenarios(SCENARIOS, lambda root: f"'sqlite:{root / 'baza.sqlite'}'")

    def test_database_classes_on_mariadb(self):
        """The default connection is MySQL: table definitions, LIMIT parameters and the page's
        coding as the connection's character set, against a private MariaDB server."""
        if not shutil.which('mariadbd') or not shutil.which('mariadb-install-db') or 'pdo_mysql' not in php_modules():
            self.skipTest('MariaDB or PHP pdo_mysql missing (Debian packages mariadb-server, php-mysql)')
        server = MariaDb()
        try:
            admin = f"(new PDO('mysql:unix_socket={server.socket}', 'root', ''))"
            setup = (f"{admin}->exec('DROP DATABASE IF EXISTS zk');\r\n"
                     f"{admin}->exec('CREATE DATABASE zk CHARACTER SET utf8mb4 COLLATE utf8mb4_polish_ci');\r\n")
            self.run_scenarios([case for case in SCENARIOS if self.uses_database(case)],
                               lambda root: f"'mysql:unix_socket={server.socket};dbname=zk'", setup)
        finally:
            server.stop()


if __name__ == '__main__':
    if len(sys.argv) > 1:
        PROGRAM = Path(sys.argv.pop(1)).resolve()
    if PHP is None:
        print('SKIPPED: php is not installed (Debian package php-cli); the class library was not checked.')
        sys.exit(SKIP)
    unittest.main(verbosity=2)
