<?php
// #zkPHP
// Biblioteka klas Wertan PHP: galeria zdjêæ z katalogu na serwerze.
// #zkfile(wspolne.php)
//
// Obiekt pokazuje zdjêcia (JPEG, PNG, GIF, WebP) z katalogu jako miniatury
// z odnoœnikami do pe³nych zdjêæ, po kilka na stronie. Katalog wzglêdny liczy
// siê od katalogu strony, która pokazuje galeriê; adres zdjêæ jest wtedy taki
// sam jak katalog, chyba ¿e podano inny we w³aœciwoœci $adres.
//
// Przyk³ad:
//   $galeria = new ZkGaleria;
//   $galeria->katalog = 'zdjecia/wakacje';
//   $galeria->pokaz();
//
// Parametry klasy:
// #zkClassBegin
// #zkClassName(ZkGaleria)
// #zkPHPBegin
// #zkText(katalog ze zdjêciami)
// #zkName(katalog)
// #zkString
// #zkStringText(zdjecia)
// #zkStringLeng(255)
// #zkPHPEnd
// #zkPHPBegin
// #zkText(adres katalogu w sieci, gdy inny)
// #zkName(adres)
// #zkString
// #zkStringText()
// #zkStringLeng(255)
// #zkPHPEnd
// #zkPHPBegin
// #zkText(tytu³)
// #zkName(tytul)
// #zkString
// #zkStringText(galeria zdjêæ)
// #zkStringLeng(100)
// #zkPHPEnd
// #zkPHPBegin
// #zkText(szerokoœæ miniatury - piksele)
// #zkName(szerokosc)
// #zkInt
// #zkIntMinMax(40,1000)
// #zkIntValue(160)
// #zkPHPEnd
// #zkPHPBegin
// #zkText(zdjêæ na stronie)
// #zkName(na_stronie)
// #zkInt
// #zkIntMinMax(1,500)
// #zkIntValue(24)
// #zkPHPEnd
// #zkPHPBegin
// #zkText(kolejnoœæ)
// #zkName(sortuj)
// #zkItems
// #zkItem('nazwa')
// #zkItem('data')
// #zkPHPEnd
// #zkPHPBegin
// #zkText(podpisy pod zdjêciami)
// #zkName(podpisy)
// #zkItems
// #zkItem(true)
// #zkItem(false)
// #zkPHPEnd
// #zkPHPBegin
// #zkText(parametr adresu z numerem strony)
// #zkName(parametr_strony)
// #zkString
// #zkStringText(galeria)
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

require_once __DIR__ . '/wspolne.php';

if (class_exists('ZkGaleria', false)) {
    return;
}

/**
 * Galeria zdjêæ z katalogu.
 */
class ZkGaleria extends ZkObiekt
{
    /** Katalog ze zdjêciami; œcie¿ka wzglêdna liczy siê od katalogu strony. */
    public string $katalog = 'zdjecia';

    /** Adres katalogu w sieci; pusty tekst - taki sam jak wzglêdny katalog. */
    public string $adres = '';

    /** Tytu³ galerii w kodowaniu strony; pusty tekst - bez tytu³u. */
    public string $tytul = '';

    /** Szerokoœæ miniatury w pikselach. */
    public int $szerokosc = 160;

    /** Liczba zdjêæ na stronie. */
    public int $na_stronie = 24;

    /** Kolejnoœæ: 'nazwa' (alfabetycznie) albo 'data' (najnowsze najpierw). */
    public string $sortuj = 'nazwa';

    /** Czy pokazywaæ nazwê zdjêcia pod miniatur¹. */
    public bool $podpisy = true;

    /** Parametr adresu (GET), który niesie numer strony galerii. */
    public string $parametr_strony = 'galeria';

    /** Rozszerzenia plików uznawanych za zdjêcia. */
    private const ROZSZERZENIA = ['jpg', 'jpeg', 'png', 'gif', 'webp'];

    public function zbuduj(): string
    {
        try {
            $zdjecia = $this->zdjecia();
            $naStronie = max(1, $this->na_stronie);
            $liczbaStron = max(1, (int) ceil(count($zdjecia) / $naStronie));
            $strona = $this->numerStrony($this->parametr_strony, $liczbaStron);
            $adres = $this->adresKatalogu();
        } catch (Throwable $wyjatek) {
            return $this->blad($wyjatek);
        }

        $html = '<div class="zk-galeria">' . "\n";
        if ($this->tytul !== '') {
            $html .= '<h2>' . $this->html($this->tytul) . '</h2>' . "\n";
        }
        if ($zdjecia === []) {
            return $html . '<p class="zk-info">' . $this->napisHtml('W galerii nie ma jeszcze zdjêæ.') . '</p>' . "\n"
                . '</div>' . "\n";
        }
        $szerokosc = max(1, $this->szerokosc);
        $html .= '<ul class="zk-zdjecia">' . "\n";
        foreach (array_slice($zdjecia, ($strona - 1) * $naStronie, $naStronie) as $plik) {
            $url = $this->html($adres . rawurlencode($plik));
            $nazwa = $this->html(str_replace('_', ' ', pathinfo($plik, PATHINFO_FILENAME)));
            $html .= '<li style="width:' . $szerokosc . 'px"><a href="' . $url . '">'
                . '<img src="' . $url . '" alt="' . $nazwa . '" width="' . $szerokosc . '" loading="lazy"></a>'
                . ($this->podpisy ? '<span class="zk-podpis">' . $nazwa . '</span>' : '')
                . '</li>' . "\n";
        }
        return $html . '</ul>' . "\n"
            . $this->stronicowanie($strona, $liczbaStron, $this->parametr_strony)
            . '</div>' . "\n";
    }

    /**
     * Nazwy plików zdjêæ w ustalonej kolejnoœci.
     */
    public function zdjecia(): array
    {
        $katalog = $this->sciezkaKatalogu();
        if (!is_dir($katalog)) {
            throw new RuntimeException('Nie ma katalogu ze zdjêciami: ' . $katalog);
        }
        $pliki = scandir($katalog);
        if ($pliki === false) {
            throw new RuntimeException('Nie mo¿na odczytaæ katalogu ze zdjêciami: ' . $katalog);
        }
        $zdjecia = [];
        $daty = [];
        foreach ($pliki as $plik) {
            $sciezka = $katalog . DIRECTORY_SEPARATOR . $plik;
            if ($plik[0] === '.' || !is_file($sciezka)
                || !in_array(strtolower(pathinfo($plik, PATHINFO_EXTENSION)), self::ROZSZERZENIA, true)) {
                continue;
            }
            $zdjecia[] = $plik;
            $daty[$plik] = (int) filemtime($sciezka);
        }
        if (strtolower(trim($this->sortuj)) === 'data') {
            usort($zdjecia, static function (string $a, string $b) use ($daty): int {
                return [$daty[$b], $a] <=> [$daty[$a], $b];
            });
        } else {
            usort($zdjecia, 'strnatcasecmp');
        }
        return $zdjecia;
    }

    /**
     * Katalog ze zdjêciami na dysku.
     */
    private function sciezkaKatalogu(): string
    {
        $katalog = rtrim(trim($this->katalog), '/\\');
        if ($katalog === '') {
            throw new InvalidArgumentException('Nie podano katalogu ze zdjêciami.');
        }
        if ($this->bezwzgledna($katalog)) {
            return $katalog;
        }
        // Katalog strony, która pokazuje galeriê.
        $strona = isset($_SERVER['SCRIPT_FILENAME']) ? dirname(realpath($_SERVER['SCRIPT_FILENAME']) ?: $_SERVER['SCRIPT_FILENAME']) : getcwd();
        return $strona . DIRECTORY_SEPARATOR . $katalog;
    }

    /**
     * Adres katalogu ze zdjêciami zakoñczony ukoœnikiem, z zakodowanymi czêœciami œcie¿ki.
     */
    private function adresKatalogu(): string
    {
        $adres = trim($this->adres);
        if ($adres !== '') {
            return rtrim($adres, '/') . '/';
        }
        $katalog = rtrim(trim($this->katalog), '/\\');
        if ($this->bezwzgledna($katalog)) {
            throw new InvalidArgumentException('Katalog ze zdjêciami podano jako œcie¿kê bezwzglêdn¹: podaj te¿ jego adres w sieci.');
        }
        $czesci = explode('/', str_replace('\\', '/', $katalog));
        return implode('/', array_map('rawurlencode', $czesci)) . '/';
    }

    private function bezwzgledna(string $sciezka): bool
    {
        return $sciezka !== '' && ($sciezka[0] === '/' || $sciezka[0] === '\\' || preg_match('/^[A-Za-z]:/', $sciezka) === 1);
    }
}
