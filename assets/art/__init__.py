"""Drawing code for the game's built-in pictures; generate.py is the entry point."""
