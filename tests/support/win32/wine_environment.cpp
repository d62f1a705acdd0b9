// Windows-only test helpers live beside this file.
