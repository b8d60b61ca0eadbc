select Select SELECT VARCHAR selected
LIMIT 5 3.14 0x1F 1e-5 1-2 1_000 1..5
a.b .5 .e
-- note
# note
a - b a/b // slash
/* start
end */ x
'abc
'it''s' "a\"b" """triple" ""
<> >= @var !$%`{}~
