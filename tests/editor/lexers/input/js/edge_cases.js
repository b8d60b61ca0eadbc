document Document DOCUMENT onclick Math myVar e E ee
x += 1;
a == b
0x1F 1.5e3 1..2 1e-5
$FF $ $g #13 #x
'''a'b 'it''s' "a\"b"
i++ a % b && &= || |= -- -= -> %= *= ... .
/* start
end */ x
/**/ // rest
!:;<=>?@[\]^`
