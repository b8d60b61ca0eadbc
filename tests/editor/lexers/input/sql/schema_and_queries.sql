-- Struktura tabeli klienci
CREATE TABLE klienci (
  id INTEGER NOT NULL PRIMARY KEY,
  nazwa VARCHAR(80) NOT NULL,
  miasto VARCHAR(40) DEFAULT 'Kraków',
  saldo DECIMAL(10,2) DEFAULT 0.00
);

/* Indeks po nazwie
   klienta */
CREATE UNIQUE INDEX ix_nazwa ON klienci (nazwa);

INSERT INTO klienci (id, nazwa, miasto) VALUES (1, 'Kowalski', '£ódŸ');
SELECT k.nazwa, COUNT(*) AS ile FROM klienci k
  LEFT OUTER JOIN zamowienia z ON z.klient_id = k.id
  WHERE k.saldo >= .5 AND k.miasto <> "Gdañsk" # tylko spoza Gdañska
  GROUP BY k.nazwa HAVING COUNT(*) > 2 ORDER BY ile DESC LIMIT 10;
UPDATE klienci SET saldo = saldo - 1e-2 WHERE id = @id;
