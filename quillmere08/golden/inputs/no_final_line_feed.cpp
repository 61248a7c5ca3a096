one
two  three