"""The program's pictures, one module per subsystem; each module names its
pictures in a PICTURES table of file name to drawing function."""
