// Keeps the shared test helper library non-empty.
