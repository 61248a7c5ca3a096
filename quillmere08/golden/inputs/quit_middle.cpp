one two
Q! four
