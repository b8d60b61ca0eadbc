ECHO Echo echo echo2 _echo __FILE__ __line__
$name_1 $ x $$a
0x1F 3.14 1e-5 12L 1..5 1-2
a->b <<= <?php ?> === !== <> <=> ||= .=
@fopen echo³ ¹ê `ls` \Ns
'it''s' "a\"b"
'a\'b'
still single' $after
"open double \"
still double" $after

/* start
end */ $x
/*/ still open
*/ # hash comment */
// slash comment /*
	TabVT
