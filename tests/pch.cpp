// Holds the tests' precompiled headers; it has no code of its own.
