
/* never closed