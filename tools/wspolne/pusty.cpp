// Keeps the generator helper library non-empty.
