<?php
// #zkPHP
// Biblioteka klas Wertan PHP: tabela z zawartoœci¹ tabeli bazy danych, podzielona na strony.
// #zkfile(baza.php)
//
// Przyk³ad:
//   $tabela = new ZkTabela;
//   $tabela->dsn = 'mysql:host=localhost;dbname=sklep';
//   $tabela->nazwa_tabeli = 'towary';
//   $tabela->kolumny = 'nazwa,cena';
//   $tabela->naglowki = 'Towar,Cena';
//   $tabela->filtr = ['kategoria' => 'ksiazki'];   // tylko wiersze o tej wartoœci kolumny
//   $tabela->pokaz();
//
// Parametry klasy:
// #zkClassBegin
// #zkClassName(ZkTabela)
// #zkPHPBegin
// #zkText(Ÿród³o danych - dsn)
// #zkName(dsn)
// #zkString
// #zkStringText(mysql:host=localhost;dbname=test)
// #zkStringLeng(255)
// #zkPHPEnd
// #zkPHPBegin
// #zkText(u¿ytkownik bazy)
// #zkName(uzytkownik)
// #zkString
// #zkStringText(root)
// #zkStringLeng(64)
// #zkPHPEnd
// #zkPHPBegin
// #zkText(has³o)
// #zkName(haslo)
// #zkString
// #zkStringText()
// #zkStringLeng(255)
// #zkPHPEnd
// #zkPHPBegin
// #zkText(nazwa tabeli)
// #zkName(nazwa_tabeli)
// #zkString
// #zkStringText(produkty)
// #zkStringLeng(64)
// #zkPHPEnd
// #zkPHPBegin
// #zkText(kolumny, po przecinku; * - wszystkie)
// #zkName(kolumny)
// #zkString
// #zkStringText(*)
// #zkStringLeng(255)
// #zkPHPEnd
// #zkPHPBegin
// #zkText(nag³ówki kolumn, po przecinku)
// #zkName(naglowki)
// #zkString
// #zkStringText()
// #zkStringLeng(255)
// #zkPHPEnd
// #zkPHPBegin
// #zkText(sortuj wed³ug kolumny)
// #zkName(sortuj)
// #zkString
// #zkStringText(id)
// #zkStringLeng(64)
// #zkPHPEnd
// #zkPHPBegin
// #zkText(kierunek sortowania)
// #zkName(kierunek)
// #zkItems
// #zkItem('asc')
// #zkItem('desc')
// #zkPHPEnd
// #zkPHPBegin
// #zkText(wierszy na stronie)
// #zkName(na_stronie)
// #zkInt
// #zkIntMinMax(1,1000)
// #zkIntValue(20)
// #zkPHPEnd
// #zkPHPBegin
// #zkText(parametr adresu z numerem strony)
// #zkName(parametr_strony)
// #zkString
// #zkStringText(strona)
// #zkStringLeng(32)
// #zkPHPEnd
// #zkPHPBegin
// #zkText(kodowanie strony)
// #zkName(kodowanie)
// #zkItems
// #zkItem('windows-1250')
// #zkItem('iso-8859-2')
// #zkItem('utf-8')
// #zkPHPEnd
// #zkPHPBegin
// #zkText(pokazywaæ szczegó³y b³êdów)
// #zkName(pokaz_bledy)
// #zkItems
// #zkItem(false)
// #zkItem(true)
// #zkPHPEnd
// #zkClassEnd

require_once __DIR__ . '/baza.php';

if (class_exists('ZkTabela', false)) {
    return;
}

/**
 * Tabela HTML z wierszami tabeli bazy danych, po kilka wierszy na stronie.
 */
class ZkTabela extends ZkBaza
{
    /** Tabela bazy danych. */
    public string $nazwa_tabeli = 'produkty';

    /** Kolumny oddzielone przecinkami albo '*' (wszystkie). */
    public string $kolumny = '*';

    /** Nag³ówki kolumn tabeli HTML oddzielone przecinkami; brakuj¹ce zastêpuje nazwa kolumny. */
    public string $naglowki = '';

    /** Kolumna sortowania; pusty tekst - bez sortowania. */
    public string $sortuj = 'id';

    /** Kierunek sortowania: 'asc' albo 'desc'. */
    public string $kierunek = 'asc';

    /** Liczba wierszy na stronie. */
    public int $na_stronie = 20;

    /** Parametr adresu (GET), który niesie numer strony. */
    public string $parametr_strony = 'strona';

    /** @var array<string, mixed> Warunki kolumna => wartoœæ; pokazywane s¹ tylko pasuj¹ce wiersze. */
    public array $filtr = [];

    public function zbuduj(): string
    {
        try {
            $tabela = $this->nazwaSql($this->nazwa_tabeli);
            $kolumny = $this->listaKolumn();
            [$warunek, $parametry] = $this->warunek();

            $ile = (int) $this->wartosc('SELECT COUNT(*) FROM ' . $tabela . $warunek, $parametry);
            $naStronie = max(1, $this->na_stronie);
            $liczbaStron = max(1, (int) ceil($ile / $naStronie));
            $strona = $this->numerStrony($this->parametr_strony, $liczbaStron);

            $sql = 'SELECT ' . ($kolumny === [] ? '*' : implode(', ', array_map([$this, 'nazwaSql'], $kolumny)))
                . ' FROM ' . $tabela . $warunek . $this->porzadek() . ' LIMIT :zk_ile OFFSET :zk_od';
            $parametry['zk_ile'] = $naStronie;
            $parametry['zk_od'] = ($strona - 1) * $naStronie;
            $wiersze = $this->wiersze($sql, $parametry);
        } catch (Throwable $wyjatek) {
            return $this->blad($wyjatek);
        }

        if ($wiersze === []) {
            return '<p class="zk-info">' . $this->napisHtml('Brak danych do wyœwietlenia.') . '</p>';
        }
        return $this->tabelaHtml($wiersze) . $this->stronicowanie($strona, $liczbaStron, $this->parametr_strony);
    }

    /**
     * Sprawdzone nazwy kolumn; pusta lista oznacza wszystkie kolumny.
     */
    private function listaKolumn(): array
    {
        $tekst = trim($this->kolumny);
        if ($tekst === '' || $tekst === '*') {
            return [];
        }
        $kolumny = array_map('trim', explode(',', $tekst));
        foreach ($kolumny as $kolumna) {
            self::sprawdzNazwe($kolumna, 'kolumny');
        }
        return $kolumny;
    }

    /**
     * Klauzula WHERE z filtru i jej parametry.
     */
    private function warunek(): array
    {
        $warunki = [];
        $parametry = [];
        foreach ($this->filtr as $kolumna => $wartosc) {
            $nazwa = 'zk_w' . count($parametry);
            if ($wartosc === null) {
                $warunki[] = $this->nazwaSql((string) $kolumna) . ' IS NULL';
                continue;
            }
            $warunki[] = $this->nazwaSql((string) $kolumna) . ' = :' . $nazwa;
            $parametry[$nazwa] = $wartosc;
        }
        return [$warunki === [] ? '' : ' WHERE ' . implode(' AND ', $warunki), $parametry];
    }

    /**
     * Klauzula ORDER BY; kierunek tylko ASC albo DESC.
     */
    private function porzadek(): string
    {
        $kolumna = trim($this->sortuj);
        if ($kolumna === '') {
            return '';
        }
        $kierunek = strtolower(trim($this->kierunek)) === 'desc' ? 'DESC' : 'ASC';
        return ' ORDER BY ' . $this->nazwaSql($kolumna) . ' ' . $kierunek;
    }

    private function tabelaHtml(array $wiersze): string
    {
        $nazwy = array_keys($wiersze[0]);
        $naglowki = trim($this->naglowki) === '' ? [] : array_map('trim', explode(',', $this->naglowki));

        $html = '<table class="zk-tabela">' . "\n" . '<thead><tr>';
        foreach ($nazwy as $i => $nazwa) {
            $naglowek = isset($naglowki[$i]) && $naglowki[$i] !== '' ? $naglowki[$i] : $nazwa;
            $html .= '<th>' . $this->html($naglowek) . '</th>';
        }
        $html .= '</tr></thead>' . "\n" . '<tbody>' . "\n";
        foreach ($wiersze as $wiersz) {
            $html .= '<tr>';
            foreach ($wiersz as $wartosc) {
                $html .= '<td>' . $this->html($wartosc ?? '') . '</td>';
            }
            $html .= '</tr>' . "\n";
        }
        return $html . '</tbody>' . "\n" . '</table>' . "\n";
    }
}
