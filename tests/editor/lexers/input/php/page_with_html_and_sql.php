<html>
<head><title>Lista klientów</title></head>
<body>
<?php
// Po³¹czenie z baz¹ danych i lista klientów.
include("config.inc.php");
$link = @mysql_connect($host, $user, $pass) or die("Brak po³¹czenia: " . mysql_error());
mysql_select_db("sklep", $link);

/* Zapytanie pobiera klientów
   z ostatnich 30 dni. */
$sql = "SELECT id, nazwa, miasto FROM klienci WHERE dodano > NOW() - INTERVAL 30 DAY ORDER BY nazwa";
$wynik = mysql_query($sql);
if (!$wynik) {
    echo '<p class="blad">B³¹d zapytania</p>';
    exit;
}
echo "<table border=\"1\">\n";
while ($wiersz = mysql_fetch_array($wynik)) {
    $licznik++;
    echo "<tr><td>" . $wiersz['nazwa'] . "</td><td>{$wiersz['miasto']}</td></tr>\n";
}
echo "</table>";
$suma = $licznik * 1.5e3 + 0x1F - 017;
print("Razem: $suma");
?>
</body>
</html>
